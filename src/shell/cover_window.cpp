#include "cover_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>

#include "casefile/case_menu.h"
#include "cover_controls.h"
#include "cover_pictures.h"
#include "form/window_builder.h"
#include "sheet/sheet_window.h"
#include "valve/valve_window.h"

namespace orvane::shell {

namespace {
QPushButton* button(QWidget* w, const char* name) {
    return w->findChild<QPushButton*>(name, Qt::FindDirectChildrenOnly);
}
}  // namespace

CoverWindow::CoverWindow(ProgramValues& shared, QWidget* parent) : QWidget(parent), shared_(shared) {
    buildWindow(this, coverTable(), coverDecorations());
    connect(button(this, "Command1"), &QPushButton::clicked, this, &CoverWindow::openValveWindow);
    connect(button(this, "Command2"), &QPushButton::clicked, this, &CoverWindow::openDiscWindow);
    connect(button(this, "Command3"), &QPushButton::clicked, this, &CoverWindow::exitProgram);
}

CoverWindow::~CoverWindow() {
    delete valve_;
    delete disc_;
}

namespace {
// Creates the calculator window on first use (and after it was closed through its frame, which
// discards it) with its case menu, its request for the calculation sheet ("打  印") answered by the
// sheet window; then shows it beside the cover.
template <class Window>
void showCalculator(QPointer<Window>& window, ProgramValues& shared) {
    if (window == nullptr) {
        window = new Window(shared);
        window->setAttribute(Qt::WA_DeleteOnClose);
        new casefile::CaseMenu(*window);
        Window* w = window;
        QObject::connect(w, &CalculatorWindow::sheetRequested, w, [w] { sheet::showSheetOf(*w); });
    }
    window->show();
    window->raise();
    window->activateWindow();
}
}  // namespace

void CoverWindow::openValveWindow() { showCalculator(valve_, shared_); }

void CoverWindow::openDiscWindow() { showCalculator(disc_, shared_); }

void CoverWindow::exitProgram() {
    // Calculators with unsaved changes ask first, all in one prompt; cancelling keeps the program
    // running with every window as it was.
    const auto menuOf = [](QWidget* w) {
        return w != nullptr ? w->findChild<casefile::CaseMenu*>("caseMenu", Qt::FindDirectChildrenOnly) : nullptr;
    };
    if (!casefile::settleAll(this, {menuOf(valve_), menuOf(disc_)})) return;
    if (valve_ != nullptr && !valve_->close()) return;
    if (disc_ != nullptr && !disc_->close()) return;
    exiting_ = true;
    close();
    QCoreApplication::quit();
}

void CoverWindow::closeEvent(QCloseEvent* event) {
    // Closing the cover through its frame ends the program too, unless a calculator window keeps it.
    if (!exiting_) exitProgram();
    if (exiting_) event->accept();
    else event->ignore();
}

}  // namespace orvane::shell
