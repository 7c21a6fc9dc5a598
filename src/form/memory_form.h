#pragma once
// A window's named controls as plain data: the form the actions run on in tests, benchmarks and
// fuzzing. It opens with the defaults of the window's control table, as the Qt window does.

#include <vector>
#include <string>
#include <string_view>

#include "control_table.h"
#include "form.h"

namespace orvane {

class MemoryForm final : public Form {
public:
    explicit MemoryForm(const WindowTable& table);

    std::string text(std::string_view name) const override;
    void setText(std::string_view name, std::string_view text) override;
    bool isSelected(std::string_view option) const override;
    bool isShown(std::string_view name) const override;
    void setShown(std::string_view name, bool shown) override;
    int top(std::string_view name) const override;
    void setTop(std::string_view name, int twips) override;
    void refresh() override { ++refreshes_; }

    void select(std::string_view option) override;
    int refreshes() const { return refreshes_; }
    const WindowTable& table() const { return table_; }

private:
    struct State {
        const ControlRow* row;
        std::string text;
        bool shown;
        bool selected;
        int top;
    };
    State& state(std::string_view name);
    const State& state(std::string_view name) const;

    const WindowTable& table_;
    std::vector<State> controls_;  // one per row of the table, in its order
    int refreshes_ = 0;
};

}  // namespace orvane
