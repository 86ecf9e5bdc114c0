// The colour option file lives in the user's folder and may be edited by hand: any document
// must merge without throwing, and what is written must read back as the same choices.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "profiles/ColorOptions.h"
#include "profiles/JsonFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ilmo::profiles;
    Json::Value document = parse_json(std::string(reinterpret_cast<const char*>(data), size));
    ColorOptions options = default_color_options();
    merge_color_options(document, options);
    encode_color_options(document, options);
    ColorOptions reread = default_color_options();
    merge_color_options(parse_json(styled_json(document)), reread);
    if (!(reread == options)) std::abort();
    return 0;
}
