#include "keyboard/PadRecord.h"

#include <algorithm>
#include <limits>

#include "keyboard/LightBytes.h"

namespace ilmo::keyboard {

namespace {

enum Byte : size_t { kProfile = 0, kModeCode = 1 };

constexpr bool fits_byte(int value) {
    return value >= 0 && value <= std::numeric_limits<uint8_t>::max();
}

}  // namespace

uint16_t pad_write_address(int profile) {
    return static_cast<uint16_t>(profile * 64);
}

uint16_t pad_read_address(int profile) {
    return static_cast<uint16_t>(profile * 33);
}

PadRecord pad_record_of(const PadRead& read) {
    PadRecord record;
    std::copy_n(read.begin(), record.size(), record.begin());
    return record;
}

std::optional<int> index_of_code(const PadModeList& list, int code) {
    const auto found =
        std::find_if(list.modes.begin(), list.modes.end(),
                     [code](const profiles::BuiltinMode& m) { return m.value == code; });
    if (found == list.modes.end()) return std::nullopt;
    return static_cast<int>(found - list.modes.begin());
}

int code_of_index(const PadModeList& list, int index) {
    if (index < 0 || static_cast<size_t>(index) >= list.modes.size()) return kNoModeCode;
    return list.modes[static_cast<size_t>(index)].value;
}

PadRecord encode_pad_record(const PadRecord& kept, int profile, int mode_code,
                            const device::LightRecord& light) {
    PadRecord record = kept;
    record[kProfile] = static_cast<uint8_t>(profile);
    if (fits_byte(mode_code)) record[kModeCode] = static_cast<uint8_t>(mode_code);
    put_light_bytes(record, light);
    return record;
}

device::LightRecord decode_pad_record(const PadRecord& record, const PadModeList& list,
                                      const device::LightRecord& host) {
    device::LightRecord light = take_light_bytes(record, host);
    const std::optional<int> index = index_of_code(list, record[kModeCode]);
    if (index && fits_byte(*index)) light.mode = static_cast<uint8_t>(*index);
    return light;
}

}  // namespace ilmo::keyboard
