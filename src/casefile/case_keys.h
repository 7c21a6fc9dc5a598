#pragma once
// The stable, readable names under which a case file and a batch table hold the fields of a
// calculator window. Control names (Text2, Combo1 ...) are the window's business; a file says
// "working_pressure_MPa". One table per window kind, in the order the fields stand on the window.

#include <span>
#include <string_view>

#include "form/calculation_record.h"
#include "form/control_table.h"

namespace orvane::casefile {

enum class KeyKind {
    Field,   // a text field or a list: its text
    Option,  // the option group: the caption of the selected option
    Result,  // a result field: its text as last shown
};

struct CaseKey {
    std::string_view key;      // e.g. "working_pressure_MPa"
    std::string_view control;  // e.g. "Text2"; for the option group the first option, "Option1"
    KeyKind kind = KeyKind::Field;
};

// The keys of a window kind; inputs (fields, lists, the option group) first, then the results.
std::span<const CaseKey> caseKeys(Device device);
const WindowTable& windowTableOf(Device device);
// The option buttons of the window kind's option group.
std::span<const std::string_view> optionControls(Device device);

// The key whose name is `key`, or whose caption (the label's text, trimmed) is `key`; null when none.
const CaseKey* findKey(Device device, std::string_view key);
// The caption a key shows on the window ("工作压力 MPa"); for the option group "安全阀型式" / "爆破片型式".
std::string_view keyCaption(Device device, const CaseKey& key);

// "valve" / "disc".
std::string_view deviceName(Device device);

}  // namespace orvane::casefile
