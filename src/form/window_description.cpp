#include "window_description.h"

#include <stdexcept>
#include <string>

namespace orvane {

Description describeWindow(Device device, const WindowTable& table, std::string_view optionGroup,
                           std::span<const std::string_view> optionControls, std::span<const FieldSpec> fields,
                           std::vector<Field> derivationInputs) {
    const auto row = [&table](std::string_view control) -> const ControlRow& {
        const ControlRow* c = table.find(control);
        if (c == nullptr) throw std::logic_error("no control " + std::string(control));
        return *c;
    };
    std::vector<OptionInfo> options;
    std::string selectedAtOpen;
    for (std::string_view o : optionControls) {
        options.push_back({std::string(o), std::string(row(o).text)});
        if (row(o).selected) selectedAtOpen = row(o).text;
    }
    std::vector<FieldInfo> infos;
    for (const FieldSpec& f : fields) {
        FieldInfo info{.field = f.field, .role = f.role, .key = std::string(f.key), .control = std::string(f.control)};
        if (f.role == Role::Option) {
            info.caption = optionGroup;
            info.name = optionGroup;
            info.defaultText = selectedAtOpen;
            for (const OptionInfo& o : options) info.items.push_back(o.caption);
        } else {
            const ControlRow& c = row(f.control);
            info.caption = table.accessibleName(c);
            const NameAndUnit split = splitCaption(info.caption);
            info.name = f.name.empty() ? split.name : std::string(f.name);
            info.unit = c.unit.empty() ? split.unit : std::string(c.unit);
            info.defaultText = c.text;
            for (std::string_view item : c.items) info.items.emplace_back(item);
        }
        info.symbol = f.symbol;
        infos.push_back(std::move(info));
    }
    return Description(device, std::string(optionGroup), std::move(options), std::move(infos),
                       std::move(derivationInputs));
}

}  // namespace orvane
