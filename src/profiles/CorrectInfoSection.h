#pragma once
// The mouse's "CorrectInfo": the sensor correction settings the user can pick from. The
// program never writes it, so it comes from the default document.

#include <json/value.h>

#include <string>
#include <vector>

namespace ilmo::profiles {

struct CorrectionSetting {
    int pixel_threshold = 0;  // "CorrectPixThresh"
    int min_square = 0;       // "CorrectMinSq"
    int select = 0;           // "CorrectSelect"
    std::string name;         // "CorrectName", UTF-8
    bool operator==(const CorrectionSetting&) const = default;
};

// One setting per "CorrectInfo" element; empty when there is none.
std::vector<CorrectionSetting> decode_correct_info(const Json::Value& section);

}  // namespace ilmo::profiles
