#include "calculator_window.h"

#include <QApplication>
#include <QMenuBar>
#include <QDateTime>
#include <QMessageBox>
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "sizing/messages.h"
#include "sizing/steps.h"
#include "window_case.h"
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

CalculatorWindow::CalculatorWindow(const WindowTable& table, const Description& description,
                                   std::span<const Decoration> decorations, QWidget* parent)
    : QWidget(parent), table_(table), description_(description), menuBar_(new QMenuBar(this)) {
    // The menu bar stands above the client area, which keeps its size: the window grows by the bar.
    menuBar_->setObjectName("menuBar");
    menuBar_->setFont(QApplication::font("QMenuBar"));  // the desktop's menu font, not the window's 宋体
    for (const auto& [name, title] : {std::pair{"fileMenu", "文件(&F)"}, {"editMenu", "编辑(&E)"}, {"helpMenu", "帮助(&H)"}}) {
        menuBar_->addMenu(QString::fromUtf8(title))->setObjectName(name);
    }
    menuBar_->ensurePolished();
    const int barHeight = menuBar_->sizeHint().height();
    buildWindow(this, table, decorations, barHeight);
    menuBar_->setGeometry(0, 0, width(), barHeight);
    form_ = std::make_unique<WidgetForm>(this, table, barHeight);
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
    connectInputs();
}

void CalculatorWindow::connectInputs() {
    auto* calculate = qobject_cast<QPushButton*>(form_->widget(kCalculate));
    for (const ControlRow& c : table_.controls) {
        QWidget* w = form_->widget(c.name);
        QLineEdit* edit = qobject_cast<QLineEdit*>(w);
        if (auto* combo = qobject_cast<QComboBox*>(w)) edit = combo->lineEdit();
        // Enter in an input field presses Calculate.
        if (edit != nullptr && !edit->isReadOnly()) {
            connect(edit, &QLineEdit::returnPressed, calculate, &QPushButton::click);
        }
    }
    // The window is asked afresh whenever one of these may have changed; it is the truth, the
    // signals only say when to look.
    std::vector<std::string> watched;
    for (Field f : description_.derivationInputs()) {
        if (f != Field::DeviceType) watched.push_back(description_.info(f).control);
    }
    for (const OptionInfo& o : description_.options()) watched.push_back(o.control);
    for (const std::string& name : watched) {
        QWidget* w = form_->widget(name);
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            connect(combo, &QComboBox::currentTextChanged, this, &CalculatorWindow::updateLamp);
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            connect(edit, &QLineEdit::textChanged, this, &CalculatorWindow::updateLamp);
        } else if (auto* option = qobject_cast<QAbstractButton*>(w)) {
            connect(option, &QAbstractButton::toggled, this, &CalculatorWindow::updateLamp);
        }
    }
}

void CalculatorWindow::updateLamp() {
    if (form_->isShown("Shape1")) return;
    if (staleDerivation(readCase(*form_, description_, memory()), description_)) form_->setShown("Shape1", true);
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::run(Outcome (CalculatorWindow::*action)()) { report((this->*action)()); }

QMessageBox* CalculatorWindow::openMessage() const {
    return findChild<QMessageBox*>(kMessageName, Qt::FindDirectChildrenOnly);
}

void CalculatorWindow::report(const Outcome& outcome) {
    if (isDone(outcome)) return;
    const Message m = describe(outcome);
    showMessage(m.title, m.text, std::holds_alternative<FaultReport>(outcome));
    // One device too small: the fewest that do, applied by one click (or Enter) and calculated.
    const auto* notice = std::get_if<Notice>(&outcome);
    if (notice == nullptr || notice->suggestedCount == 0 || !description_.has(Field::DeviceCount)) return;
    QMessageBox* box = openMessage();
    const int count = notice->suggestedCount;
    const QString each = device() == Device::SafetyValve ? "只" : "片";
    QPushButton* apply = box->addButton(QString("采用 %1 %2").arg(count).arg(each), QMessageBox::AcceptRole);
    apply->setObjectName("applyCount");
    box->setDefaultButton(apply);
    // Not "确定", which could be read as taking the offer: closing leaves the count as it is.
    box->removeButton(box->button(QMessageBox::Ok));
    box->setEscapeButton(box->addButton("关闭", QMessageBox::RejectRole));
    connect(apply, &QPushButton::clicked, this, [this, count] {
        form_->setText(description_.info(Field::DeviceCount).control, std::to_string(count));
        qobject_cast<QPushButton*>(form_->widget(kCalculate))->click();
    });
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
