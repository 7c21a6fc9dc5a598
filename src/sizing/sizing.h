#pragma once
// The frame a sizing runs in: it reads the case's values through the lenient number reader, keeps
// track of the step it is at and of the fields that step uses, writes down what it read, computed
// and wrote into the calculation record, and turns a numeric fault thrown anywhere in it into a
// report naming the kind of fault, the step, the fields to check (by their captions) and the inputs
// that were read as 0. What it wrote before the fault stays in the record.
//
// The steps of the record are texts made with the numbers as written, which costs more than the
// sizing itself: a caller that wants the results only (a table of thousands of cases) asks for
// none, and the steps are then not made at all.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "case.h"
#include "description.h"
#include "record.h"

namespace orvane {

enum class Detail { Steps, ResultsOnly };

class Sizing {
public:
    Sizing(const Case& c, const Description& d, Detail detail = Detail::Steps);

    const Case& kase() const { return case_; }
    const Description& description() const { return description_; }
    CalculationRecord& record() { return record_; }
    const CalculationRecord& record() const { return record_; }
    bool steps() const { return detail_ == Detail::Steps; }

    // The step the sizing is at, the fields it uses in the current case and what must hold of them;
    // a fault report names them.
    void at(Step step, std::initializer_list<Field> check = {}, std::string_view note = {});
    void at(Step step, std::vector<Field> check, std::string_view note);

    const std::string& text(Field f) const { return case_.text(f); }
    // The leading number of a field's text (0 when it has none; a result of an earlier calculation
    // is no input and reads as empty); overflow is reported as a fault at reading that field.
    double number(Field f);
    // The same, rounded to single precision for storing.
    float single(Field f);
    // A field the current case uses: read as above and written down as an input of the record.
    double input(Field f);
    float inputSingle(Field f);
    // A list or the option group whose text selects the case (kept with the steps only).
    void choice(Field f);
    // A field the case uses, read or not.
    void use(Field f) { record_.used |= std::uint64_t{1} << indexOf(f); }

    // A step of the calculation as taken; `make` gives the RecordStep, and is called only when the
    // record keeps its steps.
    template <class Make>
    void step(Make&& make) {
        if (steps()) record_.steps.push_back(std::forward<Make>(make)());
    }
    // Writes a result into the record: the calculation's (computed), unless said otherwise.
    void write(Field f, std::string text, Source source = Source::Computed, std::string origin = {});

    // The recorded inputs that were read as 0 because their text is no number, and those the
    // derivation the case rests on read as 0.
    std::vector<ZeroRead> readAsZero() const;

    // Runs the body of a sizing; a numeric fault ends it with a report. The outcome is the record's.
    template <class Body>
    void run(Body&& body) {
        try {
            record_.outcome = std::forward<Body>(body)();
        } catch (const NumericFault& fault) {
            std::vector<std::string> check;
            for (Field f : check_) check.push_back(description_.caption(f));
            record_.outcome = FaultReport{fault.kind(), step_, reading_ ? description_.caption(*reading_) : std::string(),
                                          std::move(check), std::string(note_), readAsZero()};
        }
    }

private:
    double read(Field f, bool toSinglePrecision, bool record);

    const Case& case_;
    const Description& description_;
    Detail detail_;
    CalculationRecord record_;
    Step step_ = Step::ReadingInput;
    std::optional<Field> reading_;  // the field being read, for a fault at reading
    std::vector<Field> check_;
    std::string_view note_;  // a text of the program's
};

}  // namespace orvane
