#pragma once
// The frame every window action runs in: it reads fields through the lenient number reader, keeps
// track of the step the action is at and of the fields that step uses, writes down what the action
// read, computed and wrote into a calculation record, and turns a numeric fault thrown anywhere in
// the action into a report naming the kind of fault, the step, the fields to check and the inputs
// that were read as 0. What the action wrote before the fault stays.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculation_record.h"
#include "control_table.h"
#include "engine/outcome.h"
#include "form.h"

namespace orvane {

class Action {
public:
    Action(Form& form, const WindowTable& table) : form_(form), table_(table) {}

    Form& form() { return form_; }
    const WindowTable& table() const { return table_; }
    CalculationRecord& record() { return record_; }

    // The step the action is at, the fields (control names) it uses in the current case and what
    // must hold of them; a fault report names them.
    void at(Step step, std::initializer_list<std::string_view> check = {}, std::string note = {});
    void at(Step step, const std::vector<std::string_view>& check, std::string note);

    std::string text(std::string_view name) const { return form_.text(name); }
    // The leading number of a field's text (0 when it has none); overflow is reported as a fault
    // at reading that field.
    double number(std::string_view name);
    // The same, rounded to single precision for storing.
    float single(std::string_view name);
    // A field the current case uses: read as above and written down as an input of the record.
    double input(std::string_view name);
    float inputSingle(std::string_view name);
    // A list or option whose text selects the case.
    void choice(std::string_view name, std::string text);

    // A step of the calculation as taken.
    void step(RecordStep s) { record_.steps.push_back(std::move(s)); }
    // Writes a result into its field and into the record.
    void write(std::string_view name, std::string text);

    // The recorded inputs that were read as 0 because their text is no number.
    std::vector<ZeroRead> readAsZero() const;
    std::string caption(std::string_view name) const;

    // Runs the body of an action; a numeric fault ends it with a report.
    template <class Body>
    Outcome run(Body&& body) {
        try {
            return std::forward<Body>(body)();
        } catch (const NumericFault& fault) {
            std::vector<std::string> check;
            for (std::string_view name : check_) check.push_back(caption(name));
            return FaultReport{fault.kind(), step_, field_, std::move(check), note_, readAsZero()};
        }
    }

private:
    double read(std::string_view name, bool toSinglePrecision, bool record);

    Form& form_;
    const WindowTable& table_;
    CalculationRecord record_;
    Step step_ = Step::ReadingInput;
    std::string field_;
    std::vector<std::string_view> check_;  // control names; their captions only for a report
    std::string note_;
};

}  // namespace orvane
