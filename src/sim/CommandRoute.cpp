#include "sim/CommandRoute.h"

namespace ilmo::sim {

namespace {

// Flips a bit the firmware's command codes never share with their echo.
constexpr uint8_t kWrongEchoMask = 0x40;

// The radio link between receiver and device carries 24 payload bytes a packet; the
// 56-byte stream command is the one the receiver takes whole.
constexpr size_t kRadioPayloadBytes = 24;

bool fits_radio(const Packet& request) {
    return request[packet_byte::kLength] <= kRadioPayloadBytes ||
           request[packet_byte::kCommand] == command::kWriteShoot;
}

Packet carry(const Packet& request, Firmware& firmware, const RouteState& route) {
    if (!route.via_receiver) return firmware.answer(request);
    if (!fits_radio(request)) return refusal(request, kStatusRefused);
    if (!route.device_linked || !firmware.powered()) return device_away_answer(request);
    return firmware.answer(request);
}

}  // namespace

std::optional<Packet> route_command(const Packet& request, Firmware& firmware,
                                    const RouteState& route, const SimFaults& faults) {
    if (faults.no_answer) return std::nullopt;
    Packet answer = carry(request, firmware, route);
    if (faults.forced_status == 0 && !faults.wrong_echo) return answer;
    if (faults.forced_status != 0) answer[packet_byte::kStatus] = faults.forced_status;
    if (faults.wrong_echo) answer[packet_byte::kCommand] ^= kWrongEchoMask;
    seal_packet(answer);
    return answer;
}

}  // namespace ilmo::sim
