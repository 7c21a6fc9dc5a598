#pragma once
// The named controls of a Qt window as a Form: every call answers from the widget's current state
// (text(), currentText(), isChecked(), isHidden()), so text that arrives by paste, an input method
// or assistive technology counts exactly like typed text.

#include <QHash>
#include <QString>
#include <map>
#include <string>
#include <string_view>

#include "control_table.h"
#include "form.h"

class QWidget;

namespace orvane {

class WidgetForm final : public Form {
public:
    // Finds the controls of `table` among the children of `window` by object name. The client area
    // begins `clientTop` pixels below the window's top (under its menu bar).
    WidgetForm(QWidget* window, const WindowTable& table, int clientTop = 0);

    std::string text(std::string_view name) const override;
    void setText(std::string_view name, std::string_view text) override;
    bool isSelected(std::string_view option) const override;
    void select(std::string_view option) override;
    bool isShown(std::string_view name) const override;
    void setShown(std::string_view name, bool shown) override;
    int top(std::string_view name) const override;
    void setTop(std::string_view name, int twips) override;
    void refresh() override;

    QWidget* widget(std::string_view name) const;

private:
    QWidget* window_;
    int clientTop_;
    std::map<std::string, QWidget*, std::less<>> widgets_;
    std::map<std::string, int, std::less<>> tops_;  // twips: pixels would lose the exact value
    QHash<QWidget*, QString> toolTips_;  // what each field means, with its unit
};

}  // namespace orvane
