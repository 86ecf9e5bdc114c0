#include "audio/real/FeatureList.h"

#include <array>

namespace ilmo::audio {

std::string feature_list_text(const FeatureSupport& support) {
    const std::array<bool, 7> items{support.equaliser,  false, false, false, false,
                                    support.monitoring, false};
    std::string text;
    for (bool item : items) {
        if (!text.empty()) text += ',';
        text += item ? '1' : '0';
    }
    return text;
}

}  // namespace ilmo::audio
