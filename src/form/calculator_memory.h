#pragma once
// What a calculator window remembers between its actions so that its results follow the inputs it
// shows:
// - whether the relief capacity field holds the program's W (computed again at every Calculate) or
//   one the user typed (used as typed until the field is emptied);
// - the inputs the last input parameters derived its values from (medium, medium type; for the
//   bursting disc also disc type, grade and working pressure): once one of them changes, Calculate
//   asks for input parameters again instead of computing with values derived from what is gone;
// - the property texts input parameters wrote from the catalogue, to tell them from typed ones;
// - the record of the last finished Calculate.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculation_record.h"
#include "control_table.h"
#include "form.h"

namespace orvane {

using FieldTexts = std::vector<std::pair<std::string, std::string>>;

struct CalculatorMemory {
    // The text Calculate last wrote into the relief capacity field as its own computed W.
    std::optional<std::string> programCapacity;
    // The inputs of the last input parameters (control name, text; an option as "1" or "0"); before
    // the first one, the window's state at open.
    std::optional<FieldTexts> basis;
    // The property fields as input parameters filled them from the catalogue.
    FieldTexts catalogue;
    // Bursting disc: how the last input parameters derived Pb and Pd.
    std::vector<RecordStep> derivation;
    // Counts the input parameters of the window, so that a record tells which one it used.
    int derivationSerial = 0;
    // The last Calculate that finished (with or without a notice); none after C or a fault.
    std::optional<CalculationRecord> record;
};

// The current texts of `fields` (options as "1" / "0").
FieldTexts readTexts(const Form& form, std::span<const std::string_view> fields);
// The texts of `fields` as the window opens.
FieldTexts textsAtOpen(const WindowTable& table, std::span<const std::string_view> fields);

struct Change {
    std::string field;
    std::string before;
    std::string after;
};
// The first of `fields` whose text differs from what the last input parameters used.
std::optional<Change> changedSinceInputParameters(const Form& form, const CalculatorMemory& memory,
                                                  const WindowTable& table,
                                                  std::span<const std::string_view> fields);

// Whether the relief capacity field holds a W the user typed (a text Calculate did not write).
bool capacityTyped(const std::string& capacityText, const CalculatorMemory& memory);

// The property fields of both windows, as input parameters fills them.
inline constexpr std::string_view kPropertyFields[] = {"Text9", "Text10", "Text11", "Text12", "Text1", "Text18"};

}  // namespace orvane
