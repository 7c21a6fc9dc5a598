#pragma once
// The named controls of a window, as the window actions see them.
//
// The actions (input parameters, calculate, clear) of both calculators are written against this
// interface: they read and write texts, read option selections, show and hide controls and move
// a control's top. The Qt window answers from its widgets' current state; the in-memory form
// (memory_form.h) answers from plain data, so the same actions run in tests and benchmarks
// without a display. Control names are the windows' own (Text2, Combo1, Option3, Shape1 ...).

#include <string>
#include <string_view>

namespace orvane {

class Form {
public:
    virtual ~Form() = default;

    // Text of a field, label or button, or the current (possibly typed) text of a list.
    virtual std::string text(std::string_view name) const = 0;
    virtual void setText(std::string_view name, std::string_view text) = 0;
    // Whether an option button is selected.
    virtual bool isSelected(std::string_view option) const = 0;
    // Selects an option button; the other options of its group are deselected.
    virtual void select(std::string_view option) = 0;
    // Whether the control is shown on its window (independent of the window's own visibility).
    virtual bool isShown(std::string_view name) const = 0;
    virtual void setShown(std::string_view name, bool shown) = 0;
    // Top of the control within the client area, in twips.
    virtual int top(std::string_view name) const = 0;
    virtual void setTop(std::string_view name, int twips) = 0;
    // The window's own parameterless operation that each action runs first.
    virtual void refresh() = 0;

protected:
    Form() = default;
    Form(const Form&) = default;
    Form& operator=(const Form&) = default;
};

}  // namespace orvane
