#pragma once
// The devices report events as one usage in a button field of their event collection: the
// event's code is the first usage that is on in the report's first button field.

#include <cstdint>
#include <span>

#include "device/HidReportDescriptor.h"

namespace ilmo::device {

// 0 when the report is not one of the collection's input reports, has no button field or
// has no usage on (a report that ends an event).
uint16_t event_code(const TopLevelCollection& collection, std::span<const uint8_t> report);

}  // namespace ilmo::device
