#include "profiles/CorrectInfoSection.h"

#include "profiles/SectionFields.h"

namespace ilmo::profiles {

std::vector<CorrectionSetting> decode_correct_info(const Json::Value& section) {
    const Json::Value& list = member(section, "CorrectInfo");
    std::vector<CorrectionSetting> settings(array_size(list));
    for (size_t i = 0; i < settings.size(); ++i) {
        const Json::Value& entry = element(list, i);
        settings[i] = {
            int32_of(member(entry, "CorrectPixThresh")), int32_of(member(entry, "CorrectMinSq")),
            int32_of(member(entry, "CorrectSelect")), string_of(member(entry, "CorrectName"))};
    }
    return settings;
}

}  // namespace ilmo::profiles
