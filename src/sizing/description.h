#pragma once
// One description per device: which fields it has, each with the key a case file and a table name it
// by, the control that shows it on the window, its caption, name, unit and default. Case files, the
// calculation sheet, the batch command, the messages and the window all read it; a caption is split
// into its name and unit here and nowhere else.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fields.h"

namespace orvane {

enum class Role {
    Option,       // the option group: its value is the caption of the selected option
    Choice,       // a list; its text selects a case
    Input,        // a field the user types into
    Property,     // a property of the medium: input parameters fills it, the user may type over it
    InputResult,  // a result the user may also type (the relief capacity)
    Result,       // a result the user reads
};

struct FieldInfo {
    Field field;
    Role role;
    std::string key = {};          // e.g. "working_pressure_MPa"
    std::string control = {};      // e.g. "Text2"; the option group: its first option
    std::string caption = {};      // as the window labels it, trimmed: "工作压力 MPa"
    std::string name = {};         // the caption without its unit: "工作压力"
    std::string unit = {};         // "MPa"; empty for a pure number or a text
    std::string symbol = {};       // properties: "k", "C", "M", "Z", "形态", "q"
    std::string defaultText = {};  // what the window shows when it opens
    std::vector<std::string> items = {};  // a list's items

    bool isResult() const { return role == Role::Result || role == Role::InputResult; }
};

struct OptionInfo {
    std::string control;  // "Option1"
    std::string caption;  // "全 启 式"
};

class Description {
public:
    Description(Device device, std::string optionGroup, std::vector<OptionInfo> options, std::vector<FieldInfo> fields,
                std::vector<Field> derivationInputs);

    Device device() const { return device_; }
    // "安全阀型式" / "爆破片型式".
    const std::string& optionGroup() const { return optionGroup_; }
    std::span<const OptionInfo> options() const { return options_; }
    // The device's fields, inputs first, in the order they stand on the window.
    std::span<const FieldInfo> fields() const { return fields_; }
    // The inputs input parameters derives the device's values from, in the order they are checked.
    std::span<const Field> derivationInputs() const { return derivationInputs_; }

    bool has(Field f) const { return index_[indexOf(f)] >= 0; }
    // The field's description; the device must have it.
    const FieldInfo& info(Field f) const;
    const std::string& caption(Field f) const { return info(f).caption; }
    // By key, by caption as the window shows it, or by control; null when none.
    const FieldInfo* byKey(std::string_view key) const;
    const FieldInfo* byControl(std::string_view control) const;
    // The option whose caption is `caption`, or null.
    const OptionInfo* option(std::string_view caption) const;
    const OptionInfo* optionByControl(std::string_view control) const;

private:
    Device device_;
    std::string optionGroup_;
    std::vector<OptionInfo> options_;
    std::vector<FieldInfo> fields_;
    std::vector<Field> derivationInputs_;
    std::array<int, kFieldCount> index_{};
};

// A caption as a document shows it: the blanks that spread Chinese characters apart on the window
// dropped, other runs of blanks made one, "^2" / "^3" written as ² / ³, a trailing "=" dropped.
std::string tidyCaption(std::string_view caption);

// A caption split into its name and the unit at its end ("泄放侧压力MPa" -> "泄放侧压力", "MPa").
struct NameAndUnit {
    std::string name;
    std::string unit;  // empty when the caption ends in no unit
};
NameAndUnit splitCaption(std::string_view caption);

// "valve" / "disc".
std::string_view deviceName(Device device);

}  // namespace orvane
