#include "devices.h"

#include "disc/disc_controls.h"
#include "disc/disc_sizing.h"
#include "valve/valve_controls.h"
#include "valve/valve_sizing.h"

namespace orvane::devices {

const Description& description(Device device) {
    return device == Device::SafetyValve ? valve::description() : disc::description();
}

const WindowTable& windowTable(Device device) {
    return device == Device::SafetyValve ? valve::windowTable() : disc::windowTable();
}

Derivation derive(const Case& c, ProgramValues& shared, Detail detail) {
    return c.device == Device::SafetyValve ? valve::derive(c, shared, detail) : disc::derive(c, shared, detail);
}

CalculationRecord size(const Case& c, ProgramValues& shared, Detail detail) {
    return c.device == Device::SafetyValve ? valve::size(c, shared, detail) : disc::size(c, shared, detail);
}

Case freshCase(Device device) {
    Case c;
    c.device = device;
    for (const FieldInfo& f : description(device).fields()) c[f.field].text = f.defaultText;
    return c;
}

}  // namespace orvane::devices
