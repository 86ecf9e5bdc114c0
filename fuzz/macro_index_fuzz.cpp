// "macro.config" and the key lists of profiles come from disk. Any bytes must read without a
// crash into a list whose identifiers stay inside the profile folder and whose names are
// valid UTF-8 and survive a rewrite; renumbering key bindings keeps every key.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "macros/KeyListFixUp.h"
#include "macros/MacroIndex.h"
#include "profiles/JsonFile.h"
#include "profiles/Utf8.h"

using namespace ilmo::macros;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Json::Value document =
        ilmo::profiles::parse_json(std::string(reinterpret_cast<const char*>(data), size));
    const std::vector<MacroInfo> macros = decode_macro_index(document);
    for (const MacroInfo& macro : macros) {
        if (!macro.guid.empty() && !is_usable_identifier(macro.guid)) std::abort();
        if (!ilmo::profiles::is_valid_utf8(macro.name)) std::abort();
    }
    const std::string stored = ilmo::profiles::styled_json(encode_macro_index(macros));
    if (decode_macro_index(ilmo::profiles::parse_json(stored)) != macros) std::abort();

    // The same bytes as a profile document and as a bare key list.
    const int macro_index = size > 0 ? data[0] : 0;
    const Json::Value& keys = profile_key_list(document);
    const Json::Value fixed_profile = profile_without_macro(document, macro_index);
    const Json::Value& fixed = profile_key_list(fixed_profile);
    if (fixed.size() != keys.size()) std::abort();
    if (key_list_without_macro(document, macro_index).size() != document.size()) std::abort();
    return 0;
}
