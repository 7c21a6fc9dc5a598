#pragma once
// The cover window "安全计算封面": its control table.

#include "form/control_spec.h"

namespace orvane::shell {

const WindowSpec& coverSpec();

}  // namespace orvane::shell
