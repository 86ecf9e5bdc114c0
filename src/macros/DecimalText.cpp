#include "macros/DecimalText.h"

#include <algorithm>
#include <cctype>

namespace ilmo::macros {

int parse_decimal_clamped(std::string_view text, int max_value) {
    size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        // Past the range the exact value no longer matters; stop growing it.
        value = std::min<long long>(value * 10 + (text[at] - '0'), max_value + 1LL);
    }
    if (negative) return 0;
    return static_cast<int>(std::clamp<long long>(value, 0, max_value));
}

}  // namespace ilmo::macros
