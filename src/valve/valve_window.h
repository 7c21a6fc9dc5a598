#pragma once
// The safety valve window "安全阀".

#include "engine/quantities.h"
#include "form/calculator_window.h"
#include "valve_calculation.h"

namespace orvane::valve {

class ValveWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit ValveWindow(ProgramValues& shared, QWidget* parent = nullptr);

    const ValveQuantities& quantities() const { return q_; }
    ValveQuantities& quantities() { return q_; }
    CalculatorMemory& memory() override { return q_.memory; }
    ProgramValues& shared() override { return shared_; }

protected:
    Outcome inputParameters() override;
    Outcome calculate() override;
    void clear() override;

private:
    ProgramValues& shared_;
    ValveQuantities q_;
};

// The cut-away sketch of a spring-loaded safety valve beside the fields.
void paintValvePicture(QPainter& p, const QRect& area);

}  // namespace orvane::valve
