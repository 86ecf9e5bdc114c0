#pragma once
// Failure messages show assignment codes as the three hex bytes the tables are written in.

#include <cstdio>
#include <ostream>

#include "keyboard/AssignmentCode.h"

namespace ilmo::keyboard {

inline void PrintTo(const AssignmentCode& code, std::ostream* out) {
    char text[12];
    std::snprintf(text, sizeof text, "%02X %02X %02X", code.type, code.first, code.second);
    *out << text;
}

}  // namespace ilmo::keyboard
