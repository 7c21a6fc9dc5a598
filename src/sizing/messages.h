#pragma once
// What the user is told when an action does not finish: the Chinese text of a fault report or a
// notice. A numeric fault names its kind ("除数为零", "溢出", "无效的运算") and the step; these words
// are used for numeric faults only. A notice says what the engineer must do instead.

#include <string>

#include "engine/outcome.h"

namespace orvane {

struct Message {
    std::string title;
    std::string text;
};

// The message for an outcome that is not Done.
Message describe(const Outcome& outcome);

std::string faultWord(FaultKind kind);

}  // namespace orvane
