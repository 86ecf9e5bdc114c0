#include "sim/CommandRoute.h"

namespace ilmo::sim {

namespace {

// Flips a bit the firmware's command codes never share with their echo.
constexpr uint8_t kWrongEchoMask = 0x40;

}  // namespace

std::optional<Packet> route_command(const Packet& request, Firmware& firmware,
                                    const RouteState& route, const SimFaults& faults) {
    if (faults.no_answer) return std::nullopt;
    const bool reachable = !route.via_receiver || (route.device_linked && firmware.powered());
    Packet answer = reachable ? firmware.answer(request) : device_away_answer();
    if (faults.forced_status == 0 && !faults.wrong_echo) return answer;
    if (faults.forced_status != 0) answer[packet_byte::kStatus] = faults.forced_status;
    if (faults.wrong_echo) answer[packet_byte::kCommand] ^= kWrongEchoMask;
    seal_packet(answer);
    return answer;
}

}  // namespace ilmo::sim
