#include "device/CommandPacket.h"

#include <algorithm>
#include <cstdio>

namespace ilmo::device {

uint16_t packet_checksum(std::span<const uint8_t, kPacketBytes> packet) {
    uint16_t sum = 0;
    for (size_t i = packet_offset::kCommand; i < kPacketBytes; ++i)
        sum = static_cast<uint16_t>(sum + packet[i]);
    return sum;
}

void seal_checksum(Packet& packet) {
    const uint16_t sum = packet_checksum(packet);
    packet[packet_offset::kChecksumLow] = static_cast<uint8_t>(sum & 0xFF);
    packet[packet_offset::kChecksumHigh] = static_cast<uint8_t>(sum >> 8);
}

Packet pad_request(std::span<const uint8_t> request) {
    Packet packet{};
    std::copy_n(request.begin(), std::min(request.size(), kPacketBytes), packet.begin());
    return packet;
}

Packet make_request(Command command, uint8_t length, uint16_t address,
                    std::span<const uint8_t> payload) {
    Packet packet{};
    packet[packet_offset::kReportId] = kCommandReportId;
    packet[packet_offset::kCommand] = static_cast<uint8_t>(command);
    packet[packet_offset::kLength] = length;
    packet[packet_offset::kAddressLow] = static_cast<uint8_t>(address & 0xFF);
    packet[packet_offset::kAddressHigh] = static_cast<uint8_t>(address >> 8);
    std::copy_n(payload.begin(), std::min(payload.size(), kPacketPayloadMax),
                packet.begin() + packet_offset::kPayload);
    seal_checksum(packet);
    return packet;
}

bool echoes_request(std::span<const uint8_t, kPacketBytes> request,
                    std::span<const uint8_t, kPacketBytes> response) {
    return std::equal(request.begin() + packet_offset::kCommand,
                      request.begin() + packet_offset::kStatus,
                      response.begin() + packet_offset::kCommand);
}

std::string format_packet_trace(std::string_view title,
                                std::span<const uint8_t, kPacketBytes> packet) {
    std::string text(title);
    for (size_t line = 0; line < 2; ++line) {
        text += '\n';
        for (size_t i = 0; i < 32; ++i) {
            if (i > 0 && i % 4 == 0) text += ' ';
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02x", packet[line * 32 + i]);
            text += hex;
        }
    }
    return text;
}

}  // namespace ilmo::device
