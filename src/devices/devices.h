#pragma once
// The two devices by kind: what case files, the calculation sheet and the batch command need of
// either without knowing which it is. Plain C++.

#include "engine/quantities.h"
#include "form/control_table.h"
#include "sizing/case.h"
#include "sizing/derivation.h"
#include "sizing/description.h"
#include "sizing/record.h"
#include "sizing/sizing.h"

namespace orvane::devices {

const Description& description(Device device);
const WindowTable& windowTable(Device device);

// Input parameters and Calculate of the device, as functions of a case.
Derivation derive(const Case& c, ProgramValues& shared, Detail detail = Detail::Steps);
CalculationRecord size(const Case& c, ProgramValues& shared, Detail detail = Detail::Steps);

// The case of a freshly opened window: every field at its default, nothing derived yet.
Case freshCase(Device device);

}  // namespace orvane::devices
