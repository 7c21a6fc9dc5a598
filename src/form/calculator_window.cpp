#include "calculator_window.h"

#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>

#include "messages.h"
#include "qt_texts.h"

namespace orvane {

namespace {
// Buttons every calculator window has.
constexpr std::string_view kCalculate = "Command1";
constexpr std::string_view kReturn = "Command2";
constexpr std::string_view kInputParameters = "Command4";
constexpr std::string_view kClear = "Command5";
constexpr std::string_view kPrint = "Command3";

constexpr const char* kMessageName = "outcomeMessage";
}  // namespace

CalculatorWindow::CalculatorWindow(const WindowTable& table, std::span<const Decoration> decorations,
                                   QWidget* parent)
    : QWidget(parent), table_(table) {
    buildWindow(this, table, decorations);
    form_ = std::make_unique<WidgetForm>(this, table);
    const auto button = [this](std::string_view name) { return qobject_cast<QPushButton*>(form_->widget(name)); };
    connect(button(kInputParameters), &QPushButton::clicked, this, [this] {
        run(&CalculatorWindow::inputParameters);
        applyTabOrder(this, table_);
    });
    connect(button(kCalculate), &QPushButton::clicked, this, [this] {
        const Outcome outcome = calculate();
        if (memory().record) {
            memory().record->calculatedAt =
                QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm").toStdString();
        }
        report(outcome);
    });
    connect(button(kClear), &QPushButton::clicked, this, [this] { clear(); });
    connect(button(kReturn), &QPushButton::clicked, this, &QWidget::hide);
    connect(button(kPrint), &QPushButton::clicked, this, &CalculatorWindow::sheetRequested);
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::run(Outcome (CalculatorWindow::*action)()) { report((this->*action)()); }

QMessageBox* CalculatorWindow::openMessage() const {
    return findChild<QMessageBox*>(kMessageName, Qt::FindDirectChildrenOnly);
}

void CalculatorWindow::report(const Outcome& outcome) {
    if (isDone(outcome)) return;
    const Message m = describe(outcome, table_);
    showMessage(m.title, m.text, std::holds_alternative<FaultReport>(outcome));
}

void CalculatorWindow::showMessage(const std::string& title, const std::string& text, bool warning) {
    if (QMessageBox* previous = openMessage()) previous->close();
    ensureChineseQtTexts();
    auto* box =
        new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::Information,
                        QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok, this);
    box->setObjectName(kMessageName);
    box->setTextFormat(Qt::PlainText);  // a message quotes what the user typed: shown as typed
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

}  // namespace orvane
