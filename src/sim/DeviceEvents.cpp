#include "sim/DeviceEvents.h"

namespace ilmo::sim {

namespace {

constexpr uint8_t kKeysReportId = 0x01;
constexpr std::size_t kBitmapUsages = 0x78;
constexpr std::size_t kKeysReportBytes = 2 + kBitmapUsages / 8;  // id, modifiers, bitmap

// Key codes of type 0x00 and 0x20 carry modifier bits and a keyboard usage.
bool is_keyboard_key(const std::array<uint8_t, 3>& code) {
    return code[0] == 0x00 || code[0] == 0x20;
}

uint16_t with_low_byte(uint8_t high, int low) {
    return static_cast<uint16_t>(high << 8 | (low & 0xFF));
}

}  // namespace

uint16_t profile_switch_code(int profile) {
    return with_low_byte(0x10, profile & 0x0F);
}

uint16_t profile_and_stage_code(int profile, int stage) {
    return with_low_byte(0x11, (stage & 0x0F) << 4 | (profile & 0x0F));
}

uint16_t key_code(int position, bool down) {
    return with_low_byte(down ? 0x05 : 0x06, position);
}

std::vector<uint8_t> keyboard_report(const std::array<uint8_t, 3>& code, bool down) {
    if (!is_keyboard_key(code) || code[2] >= kBitmapUsages) return {};
    std::vector<uint8_t> report(kKeysReportBytes, 0);
    report[0] = kKeysReportId;
    if (!down) return report;
    report[1] = code[1];
    const uint8_t usage = code[2];
    if (usage != 0) report[2 + usage / 8] |= static_cast<uint8_t>(1u << (usage % 8));
    return report;
}

}  // namespace ilmo::sim
