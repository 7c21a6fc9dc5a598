#pragma once
// A calculator window as a caller of the sizing: its fields read into a case, what input parameters
// derived and what Calculate computed written back. Both devices alike; the window's own rules
// (which fields a relief case shows) stay with each window's actions.

#include <optional>
#include <string>

#include "calculator_memory.h"
#include "form.h"
#include "sizing/derivation.h"
#include "sizing/description.h"

namespace orvane {

// The window's fields as a case: each text with its source (the program's where the field still holds
// exactly what the program last wrote there, the user's otherwise) and the derivation the window
// rests on.
Case readCase(const Form& form, const Description& d, const CalculatorMemory& memory);

// Writes a text into a field and remembers whose it is.
void writeField(Form& form, const Description& d, CalculatorMemory& memory, Field f, const CaseValue& value);

// Shows what input parameters derived: its texts, remembered as the program's, and the derivation as
// the one the window's values now rest on. A derivation that ended in a fault changes nothing.
void showDerivation(Form& form, const Description& d, CalculatorMemory& memory, const Derivation& derivation);

// Shows a calculation: its results in the order it wrote them (also those a fault left), remembered
// as the program's; the record is kept when it documents a calculation, and dropped otherwise.
void showCalculation(Form& form, const Description& d, CalculatorMemory& memory, CalculationRecord record);

// Empties the results and forgets the calculation ("C").
void clearResults(Form& form, const Description& d, CalculatorMemory& memory);

// Why the window's last calculation cannot be printed or copied now, or nothing: no calculation
// (none yet, after C or a fault), or a field it read or wrote, a list or the option changed since
// (named, with its text then and now), or input parameters pressed again since. Printing and
// copying follow this one rule; only the words differ.
enum class ResultsUse { Print, Copy };
std::optional<std::string> whyNoResults(const Form& form, const Description& d, const CalculatorMemory& memory,
                                        ResultsUse use);

// The results of a calculation as a table to paste into a spreadsheet: a header row, then name,
// value and unit of each result, tab-separated, one row per line.
std::string resultsTable(const CalculationRecord& record, const Description& d);

inline constexpr std::string_view kNoRecord = "尚无计算结果，请先按“计     算”。";
inline constexpr std::string_view kNothingToCopy = "尚无计算结果可复制，请先按“计     算”。";

}  // namespace orvane
