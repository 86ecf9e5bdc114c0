#include "profiles/ProfileNamesFold.h"

#include "profiles/Utf8.h"

namespace ilmo::profiles {

namespace {

bool in(char32_t c, char32_t first, char32_t last) {
    return c >= first && c <= last;
}

// Blocks where upper and lower case alternate; `upper_parity` is the parity of the
// upper-case member of each pair.
char32_t fold_pair(char32_t c, char32_t upper_parity) {
    return (c & 1u) == upper_parity ? c + 1 : c;
}

char32_t fold_latin(char32_t c) {
    if (in(c, U'A', U'Z')) return c + 32;
    if (in(c, 0xC0, 0xDE) && c != 0xD7) return c + 32;
    if (in(c, 0x100, 0x12F) || in(c, 0x132, 0x137) || in(c, 0x14A, 0x177)) return fold_pair(c, 0);
    if (in(c, 0x139, 0x148) || in(c, 0x179, 0x17E)) return fold_pair(c, 1);
    if (c == 0x178) return 0xFF;
    if (in(c, 0x1E00, 0x1E95) || in(c, 0x1EA0, 0x1EFF)) return fold_pair(c, 0);
    if (c == 0x1E9E) return 0xDF;              // capital sharp s
    if (in(c, 0xFF21, 0xFF3A)) return c + 32;  // full-width A-Z
    return c;
}

char32_t fold_greek_cyrillic_armenian(char32_t c) {
    if (in(c, 0x391, 0x3A9) && c != 0x3A2) return c + 32;
    if (c == 0x386) return 0x3AC;
    if (in(c, 0x388, 0x38A)) return c + 37;
    if (c == 0x38C) return 0x3CC;
    if (in(c, 0x38E, 0x38F)) return c + 63;
    if (c == 0x3C2) return 0x3C3;  // final sigma is the same letter as sigma
    if (in(c, 0x400, 0x40F)) return c + 80;
    if (in(c, 0x410, 0x42F)) return c + 32;
    if (in(c, 0x460, 0x481) || in(c, 0x48A, 0x4BF) || in(c, 0x4D0, 0x52F)) return fold_pair(c, 0);
    if (in(c, 0x531, 0x556)) return c + 48;
    return c;
}

constexpr char32_t kBrokenByteBase = 0xDC00;

}  // namespace

char32_t fold_character(char32_t c) {
    return c < 0x370 || c >= 0x1E00 ? fold_latin(c) : fold_greek_cyrillic_armenian(c);
}

std::u32string fold_name(std::string_view utf8) {
    std::u32string folded;
    folded.reserve(utf8.size());
    size_t at = 0;
    while (at < utf8.size()) {
        char32_t character = 0;
        const size_t length = decode_utf8_character(utf8, at, character);
        if (length == 0) {
            folded.push_back(kBrokenByteBase + static_cast<unsigned char>(utf8[at]));
            ++at;
            continue;
        }
        folded.push_back(fold_character(character));
        at += length;
    }
    return folded;
}

bool same_name(std::string_view a, std::string_view b) {
    return fold_name(a) == fold_name(b);
}

}  // namespace ilmo::profiles
