#pragma once
// A case: what one sizing of a device needs, each value with its owner. The window reads its fields
// into a case (it knows which texts it wrote itself), a batch row and a case file are turned into
// one; input parameters (derive) and Calculate (size) are functions of a case.
//
// Numbers are kept as texts, as typed; the sizing reads them. A value the program wrote carries its
// source, so nothing has to guess later whose it is:
// - typed: the user's, used as typed;
// - catalogue: what input parameters took from the catalogue entry of the medium named with it;
// - user library: the same from the user's own medium library;
// - derived: what input parameters worked out (the design pressure from the working pressure ...);
// - computed: a result of a calculation, never read back as an input.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fields.h"
#include "record.h"

namespace orvane {

struct CaseValue {
    std::string text;
    Source source = Source::Typed;
    std::string origin;  // catalogue, user library: the medium whose entry gave it

    // A text the user typed (an empty field is nobody's).
    bool typed() const { return source == Source::Typed && !text.empty(); }
    bool operator==(const CaseValue&) const = default;
};

// A derived value that a case holds and that its inputs no longer give (a case file written by
// another version, or edited): Calculate asks for input parameters first.
struct Mismatch {
    std::string what;    // e.g. "设计爆破压力 Pb"
    std::string stored;  // the text the case holds
    std::string again;   // what deriving again gives
    bool operator==(const Mismatch&) const = default;
};

// What the last input parameters derived, and from which inputs.
struct Derived {
    // The inputs it derived from, as they were then (the option group by its caption). Empty before
    // the first input parameters: then the window as it opens is the basis.
    std::vector<std::pair<Field, std::string>> basis;
    // The pressures it derived (safety valve Pd, Pw; bursting disc Pb, Pd), in MPa.
    float Pd = 0;
    float Pw = 0;
    float Pb = 0;
    std::vector<RecordStep> steps;  // bursting disc: how Pb and Pd were derived
    std::vector<RecordTable> tables;  // the tables those steps took values from
    std::vector<ZeroRead> readAsZero;  // inputs it read as 0
    std::optional<Mismatch> mismatch;
    int serial = 0;  // counts the input parameters of a window

    bool operator==(const Derived&) const = default;
};

struct Case {
    Device device = Device::SafetyValve;
    std::array<CaseValue, kFieldCount> values;
    Derived derived;

    const CaseValue& operator[](Field f) const { return values[indexOf(f)]; }
    CaseValue& operator[](Field f) { return values[indexOf(f)]; }
    const std::string& text(Field f) const { return values[indexOf(f)].text; }
};

}  // namespace orvane
