#pragma once
// Whether a calculator window can give its calculation sheet now: only when it has the record of a
// Calculate and still shows every text that record read, chose and wrote. A sheet never documents
// numbers the window no longer shows.

#include <optional>
#include <string>

#include "form/calculator_memory.h"
#include "form/form.h"

namespace orvane::sheet {

// The message to show instead of the sheet, or nothing when the sheet may be given: no record
// (nothing calculated yet, after C, after a fault), or the window changed since the record — the
// first changed field is named by its caption with the texts before and after; for the bursting
// disc also input parameters pressed again after the calculation.
std::optional<std::string> whyNoSheet(const CalculatorMemory& memory, const Form& form);

inline constexpr std::string_view kNoRecord = "尚无计算结果，请先按“计     算”。";

}  // namespace orvane::sheet
