#pragma once
// The cover window "安全计算封面": its control table.

#include "form/control_table.h"

namespace orvane::shell {

const WindowTable& coverTable();

}  // namespace orvane::shell
