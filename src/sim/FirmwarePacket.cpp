#include "sim/FirmwarePacket.h"

#include "sim/ProductInterfaces.h"

namespace ilmo::sim {

uint16_t packet_checksum(std::span<const uint8_t, kPacketBytes> packet) {
    uint16_t sum = 0;
    for (size_t i = packet_byte::kCommand; i < kPacketBytes; ++i) {
        sum = static_cast<uint16_t>(sum + packet[i]);
    }
    return sum;
}

bool checksum_matches(std::span<const uint8_t, kPacketBytes> packet) {
    const auto stored = static_cast<uint16_t>(packet[packet_byte::kChecksumLow] |
                                              packet[packet_byte::kChecksumHigh] << 8);
    return stored == packet_checksum(packet);
}

void seal_packet(Packet& packet) {
    const uint16_t sum = packet_checksum(packet);
    packet[packet_byte::kChecksumLow] = static_cast<uint8_t>(sum);
    packet[packet_byte::kChecksumHigh] = static_cast<uint8_t>(sum >> 8);
}

uint16_t packet_address(std::span<const uint8_t, kPacketBytes> packet) {
    return static_cast<uint16_t>(packet[packet_byte::kAddressLow] |
                                 packet[packet_byte::kAddressHigh] << 8);
}

Packet answer_frame(const Packet& request) {
    Packet answer{};
    answer[packet_byte::kReportId] = kCommandReportId;
    answer[packet_byte::kCommand] = request[packet_byte::kCommand];
    answer[packet_byte::kLength] = request[packet_byte::kLength];
    answer[packet_byte::kAddressLow] = request[packet_byte::kAddressLow];
    answer[packet_byte::kAddressHigh] = request[packet_byte::kAddressHigh];
    answer[packet_byte::kStatus] = kStatusOk;
    return answer;
}

Packet device_away_answer(const Packet& request) {
    Packet answer = answer_frame(request);
    answer[packet_byte::kCommand] = command::kLinkQuery;
    answer[packet_byte::kPayload] = kLinkDown;
    seal_packet(answer);
    return answer;
}

Packet refusal(const Packet& request, uint8_t status) {
    Packet answer = answer_frame(request);
    answer[packet_byte::kStatus] = status;
    seal_packet(answer);
    return answer;
}

}  // namespace ilmo::sim
