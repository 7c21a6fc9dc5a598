#pragma once
// The bursting disc window "防爆片".

#include "disc_calculation.h"
#include "engine/quantities.h"
#include "form/calculator_window.h"

namespace orvane::disc {

class DiscWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit DiscWindow(ProgramValues& shared, QWidget* parent = nullptr);

    const DiscQuantities& quantities() const { return q_; }
    DiscQuantities& quantities() { return q_; }
    CalculatorMemory& memory() override { return q_.memory; }
    ProgramValues& shared() override { return shared_; }

protected:
    Outcome inputParameters() override;
    Outcome calculate() override;
    void clear() override;
    void paintEvent(QPaintEvent* event) override;

private:
    ProgramValues& shared_;
    DiscQuantities q_;
};

// The window's decorations: a light sky, a disc clamped between pipe flanges, the domed disc close up.
void paintSky(QPainter& p, const QRect& area);
void paintDiscBetweenFlanges(QPainter& p, const QRect& area);
void paintDomedDisc(QPainter& p, const QRect& area);
void paintFrame(QPainter& p, const QRect& area);

}  // namespace orvane::disc
