// The lighting and macro configuration files ("default_light.json", "pelko_light.config",
// effect files, macro lists) may be written by other tools: any document must decode
// without throwing, and no effect identifier may lead out of the profile folder.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "profiles/ConfigListDocuments.h"
#include "profiles/JsonFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ilmo::profiles;
    const Json::Value document = parse_json(std::string(reinterpret_cast<const char*>(data), size));
    (void)decode_macro_names(document);
    (void)decode_effect_steps(document);
    for (size_t table = 0; table < 4; ++table) {
        (void)decode_builtin_modes(document, table);
        (void)decode_area_names(document, table);
        (void)decode_user_effect_names(document, table);
        for (size_t effect = 0; effect < 4; ++effect) {
            const auto identifier = user_effect_identifier(document, table, effect);
            if (identifier && (identifier->find('/') != std::string::npos || *identifier == ".."))
                std::abort();
        }
    }
    return 0;
}
