#pragma once
// The path of one command packet from a product's command collection to the device firmware
// and back: a receiver refuses what its radio cannot carry and answers for a device out of
// reach, and the route's faults are applied to the answer.

#include <optional>

#include "sim/Firmware.h"
#include "sim/FirmwarePacket.h"
#include "sim/SimFaults.h"

namespace ilmo::sim {

struct RouteState {
    bool via_receiver = false;
    bool device_linked = true;  // receivers only: the device is paired and in range
};

// The answer to `request`, or nullopt when the route swallows it.
std::optional<Packet> route_command(const Packet& request, Firmware& firmware,
                                    const RouteState& route, const SimFaults& faults);

}  // namespace ilmo::sim
