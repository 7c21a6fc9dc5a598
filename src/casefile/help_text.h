#pragma once
// The texts of the help menu, kept in one place: the user's guide of a calculator window and the
// about text. Plain C++.

#include <string>
#include <string_view>

#include "sizing/record.h"

namespace orvane::casefile {

// A short guide: the workflow, the lamp, the unit of every field, the relief cases, the case files
// and what each notice means.
std::string guideText(Device device);

// Program version, the standards followed and the Qt version it runs with.
std::string aboutText(std::string_view version, std::string_view qtVersion);

}  // namespace orvane::casefile
