#pragma once
// Findings reported to the owners of the code and not fixed yet (fuzz/findings/README.md). The
// fuzz targets let exactly these cases pass so that a run keeps looking for new ones; each entry is
// removed with its fix. ORVANE_FUZZ_STRICT=1 turns the allowances off, to replay a finding.

#include <cstdlib>
#include <string_view>

namespace orvane::fuzz {

inline const bool kStrict = std::getenv("ORVANE_FUZZ_STRICT") != nullptr;

// writeSingle of the floats just above 1E+28 and 1E-38 gives "1E+28" / "1E-38", whose float reading
// (9.99999944e+27, 9.99999935e-39) is written "9.999999E+27" / "9.999999E-39". Inputs:
// fuzz/findings/number_text-writeSingle-1E+28-unstable, ...-1E-38-unstable.
inline bool knownUnstableSingleText(std::string_view written, std::string_view rewritten) {
    if (kStrict) return false;
    return (written == "1E+28" && rewritten == "9.999999E+27") || (written == "-1E+28" && rewritten == "-9.999999E+27") ||
           (written == "1E-38" && rewritten == "9.999999E-39") || (written == "-1E-38" && rewritten == "-9.999999E-39");
}

}  // namespace orvane::fuzz
