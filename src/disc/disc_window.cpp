#include "disc_window.h"

#include <QMenuBar>
#include <QPainter>

#include "disc_controls.h"
#include "disc_input_rules.h"

namespace orvane::disc {

namespace {
constexpr Decoration kDecorations[] = {
    {"Image1", &paintDiscBetweenFlanges}, {"Shape2", &paintFrame}, {"Image2", &paintDomedDisc}};
}

DiscWindow::DiscWindow(ProgramValues& shared, QWidget* parent)
    : CalculatorWindow(windowTable(), disc::description(), kDecorations, parent), shared_(shared) {
    setAutoFillBackground(false);  // the sky is painted instead
}

Outcome DiscWindow::inputParameters() { return disc::inputParameters(form(), q_, shared_); }

Outcome DiscWindow::calculate() { return disc::calculate(form(), q_, shared_); }

void DiscWindow::clear() { disc::clear(form(), q_); }

void DiscWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    paintSky(p, rect().adjusted(0, menuBar()->height(), 0, 0));  // the client area, under the menu bar
}

}  // namespace orvane::disc
