#include "keyboard/LightBytes.h"

namespace ilmo::keyboard {

namespace {
enum Byte : size_t { kBrightness = 2, kSpeed, kDirection, kMulticolor, kRed, kGreen, kBlue };
}

void put_light_bytes(std::span<uint8_t> record, const device::LightRecord& light) {
    record[kBrightness] = clamped_level(light.brightness);
    record[kSpeed] = inverted_speed(light.speed);
    record[kMulticolor] = light.multicolor != 0 ? 1 : 0;
    record[kRed] = light.red;
    record[kGreen] = light.green;
    record[kBlue] = light.blue;
}

device::LightRecord take_light_bytes(std::span<const uint8_t> record, device::LightRecord host) {
    host.brightness = clamped_level(record[kBrightness]);
    host.speed = inverted_speed(record[kSpeed]);
    host.direction = record[kDirection];
    host.multicolor = record[kMulticolor] != 0 ? 1 : 0;
    host.red = record[kRed];
    host.green = record[kGreen];
    host.blue = record[kBlue];
    return host;
}

}  // namespace ilmo::keyboard
