#pragma once
// A calculator window: built from its control table, its buttons wired to the actions, and each
// action's report shown to the user. The actions themselves work on the window's Form and know
// nothing of Qt; this class only passes clicks to them and shows what they report.

#include <QWidget>
#include <memory>
#include <span>

#include "calculator_memory.h"
#include "engine/outcome.h"
#include "engine/quantities.h"
#include "sizing/description.h"
#include "widget_form.h"
#include "window_builder.h"

class QMenuBar;
class QMessageBox;

namespace orvane {

class CalculatorWindow : public QWidget {
    Q_OBJECT

public:
    ~CalculatorWindow() override;

    Form& form() { return *form_; }
    const WindowTable& table() const { return table_; }
    // The menu bar above the client area, with its menus "fileMenu", "editMenu" and "helpMenu"
    // (filled by the case menu); the client area begins at its bottom.
    QMenuBar* menuBar() const { return menuBar_; }
    // The message box of the last action that did not finish, while it is open.
    QMessageBox* openMessage() const;
    // Shows a message over the window without blocking it, in place of the one open.
    void showMessage(const std::string& title, const std::string& text, bool warning = false);

    Device device() const { return description_.device(); }
    // The device's fields, keys, captions and units.
    const Description& description() const { return description_; }
    // What the window remembers between its actions, the record of its last Calculate among it.
    virtual CalculatorMemory& memory() = 0;
    virtual ProgramValues& shared() = 0;

signals:
    // "打  印" was pressed: the calculation sheet of the last Calculate is wanted.
    void sheetRequested();
    // The title block of the case was edited (in the sheet window).
    void titleBlockEdited();
    // Another case was put on the window (opened, or 新建): what was shown of the last one is gone.
    void caseReplaced();

protected:
    CalculatorWindow(const WindowTable& table, const Description& description,
                     std::span<const Decoration> decorations, QWidget* parent);

    virtual Outcome inputParameters() = 0;
    virtual Outcome calculate() = 0;
    virtual void clear() = 0;

private:
    void run(Outcome (CalculatorWindow::*action)());
    void report(const Outcome& outcome);
    void connectInputs();
    // Lights the lamp once an input of input parameters differs from what it used.
    void updateLamp();

    const WindowTable& table_;
    const Description& description_;
    QMenuBar* menuBar_;
    std::unique_ptr<WidgetForm> form_;
};

}  // namespace orvane
