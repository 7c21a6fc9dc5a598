#pragma once
// What a calculator window remembers between its actions, so that every value it shows has an owner
// and its results follow the inputs it shows:
// - what the program last wrote into each field, with its source: a field that still holds exactly
//   that text holds the program's value (the catalogue's property, the derived design pressure, the
//   computed W); any other text is the user's;
// - the derivation the window's values rest on (the last input parameters, or the window at open);
// - the last calculation that documents one, and the window's texts right after it.

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "media/user_media.h"
#include "sizing/case.h"
#include "sizing/record.h"

namespace orvane {

struct Written {
    std::string text;
    Source source = Source::Computed;
    std::string origin;
    bool operator==(const Written&) const = default;
};

// The case's title block, as its calculation sheet heads it: typed in the sheet window, saved and
// opened with the case, emptied by 新建; it never passes from one case or window to another.
struct TitleBlock {
    std::string project;    // 工程名称
    std::string equipment;  // 设备名称
    std::string tag;        // 设备位号
    bool operator==(const TitleBlock&) const = default;
};

struct CalculatorMemory {
    std::array<std::optional<Written>, kFieldCount> written;
    Derived derived;
    // The last Calculate that finished (with or without a notice); none after C or a fault.
    std::optional<CalculationRecord> record;
    // Every field's text right after that Calculate: what its results were computed from and are.
    std::vector<std::pair<Field, std::string>> calculatedFrom;
    TitleBlock titleBlock;
    // The user's medium the case was opened with, as its file carried it: kept with the case, so
    // that saving it again carries it on, whether or not this machine's library has it.
    std::optional<media::UserMedium> caseMedium;
};

}  // namespace orvane
