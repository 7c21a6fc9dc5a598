#pragma once
// The cover window "安全计算封面": the program's start window and its only navigation point. It
// opens one safety valve window and one bursting disc window per run (a window closed through its
// frame is opened again fresh) and ends the program.

#include <QPointer>
#include <QWidget>

#include "engine/quantities.h"
#include "disc/disc_window.h"
#include "valve/valve_window.h"

namespace orvane::shell {

class CoverWindow final : public QWidget {
    Q_OBJECT

public:
    explicit CoverWindow(ProgramValues& shared, QWidget* parent = nullptr);
    ~CoverWindow() override;

    valve::ValveWindow* valveWindow() const { return valve_; }
    disc::DiscWindow* discWindow() const { return disc_; }

    void openValveWindow();
    void openDiscWindow();
    // Closes every window, hidden ones included, and ends the event loop.
    void exitProgram();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ProgramValues& shared_;
    QPointer<valve::ValveWindow> valve_;
    QPointer<disc::DiscWindow> disc_;
    bool exiting_ = false;
};

}  // namespace orvane::shell
