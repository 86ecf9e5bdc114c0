#include "profiles/Utf8.h"

namespace ilmo::profiles {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the sequence a lead byte starts, with the smallest character it may encode
// (anything below is an overlong form); 0 for a byte that cannot start one.
int sequence_length(unsigned char lead, char32_t& minimum, char32_t& value) {
    if (lead < 0x80) {
        minimum = 0;
        value = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        minimum = 0x80;
        value = lead & 0x1F;
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        minimum = 0x800;
        value = lead & 0x0F;
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        minimum = 0x10000;
        value = lead & 0x07;
        return 4;
    }
    return 0;
}

}  // namespace

size_t decode_utf8_character(std::string_view text, size_t at, char32_t& character) {
    char32_t minimum = 0, value = 0;
    const int length = sequence_length(static_cast<unsigned char>(text[at]), minimum, value);
    if (length == 0 || at + static_cast<size_t>(length) > text.size()) return 0;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + static_cast<size_t>(i)]);
        if ((next & 0xC0) != 0x80) return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    character = value;
    return static_cast<size_t>(length);
}

bool is_valid_utf8(std::string_view text) {
    char32_t ignored = 0;
    for (size_t at = 0; at < text.size();) {
        const size_t length = decode_utf8_character(text, at, ignored);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::string to_valid_utf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    char32_t ignored = 0;
    for (size_t at = 0; at < text.size();) {
        const size_t length = decode_utf8_character(text, at, ignored);
        if (length == 0) {
            valid += kReplacement;
            ++at;
        } else {
            valid += text.substr(at, length);
            at += length;
        }
    }
    return valid;
}

}  // namespace ilmo::profiles
