#include "widget_form.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <stdexcept>

namespace orvane {

namespace {
QString toQString(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

WidgetForm::WidgetForm(QWidget* window, const WindowTable& table, int clientTop)
    : window_(window), clientTop_(clientTop) {
    for (const ControlRow& c : table.controls) {
        auto* w = window->findChild<QWidget*>(toQString(c.name), Qt::FindDirectChildrenOnly);
        if (w == nullptr) throw std::logic_error("window has no control " + std::string(c.name));
        widgets_.emplace(std::string(c.name), w);
        if (!c.toolTip.empty()) toolTips_.insert(w, toQString(c.toolTip));
        tops_.emplace(std::string(c.name), c.at.top);
    }
}

QWidget* WidgetForm::widget(std::string_view name) const {
    const auto it = widgets_.find(name);
    if (it == widgets_.end()) throw std::out_of_range("no control named " + std::string(name));
    return it->second;
}

std::string WidgetForm::text(std::string_view name) const {
    QWidget* w = widget(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text().toStdString();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText().toStdString();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().toStdString();
    return {};
}

void WidgetForm::setText(std::string_view name, std::string_view text) {
    QWidget* w = widget(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const QString value = toQString(text);
        edit->setText(value);
        edit->setCursorPosition(0);  // a long number shows its first digits
        // The tooltip says what the field holds and, for a text the program wrote, the whole text.
        const QString base = toolTips_.value(w);
        edit->setToolTip(value.isEmpty() ? base : base.isEmpty() ? value : base + "\n" + value);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setEditText(toQString(text));
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(toQString(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(toQString(text));
    }
}

bool WidgetForm::isSelected(std::string_view option) const {
    auto* button = qobject_cast<QAbstractButton*>(widget(option));
    return button != nullptr && button->isChecked();
}

void WidgetForm::select(std::string_view option) {
    auto* button = qobject_cast<QAbstractButton*>(widget(option));
    if (button == nullptr || !button->isCheckable()) throw std::invalid_argument(std::string(option) + " is no option");
    button->setChecked(true);  // the window's button group deselects the others
}

bool WidgetForm::isShown(std::string_view name) const { return !widget(name)->isHidden(); }

void WidgetForm::setShown(std::string_view name, bool shown) { widget(name)->setVisible(shown); }

int WidgetForm::top(std::string_view name) const {
    (void)widget(name);  // an unknown name throws
    return tops_.find(name)->second;
}

void WidgetForm::setTop(std::string_view name, int twips) {
    QWidget* w = widget(name);
    w->move(w->x(), twipsToPixels(twips) + clientTop_);
    tops_.find(name)->second = twips;
}

// The window's own parameterless operation that every action runs first. The fields an action
// changes repaint themselves, so repainting the whole window here would only cost time.
void WidgetForm::refresh() { window_->ensurePolished(); }

}  // namespace orvane
