// "AudioFile.json" is read from the program folder and from the user's folder: any pair of
// documents must merge without throwing into a record whose values are all in range.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "profiles/AudioStyleDocument.h"
#include "profiles/JsonFile.h"
#include "profiles/SectionFields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace ilmo::profiles;
    const std::string text(reinterpret_cast<const char*>(data), size);
    // The first half plays the shipped file, the whole input the user's file.
    const Json::Value default_document = parse_json(text.substr(0, size / 2));
    const Json::Value user_document = parse_json(text);
    const Json::Value merged = merge_audio_documents(default_document, user_document);

    AudioStyleRecord record = default_audio_style();
    merge_audio_style(member(merged, "AudioLightInfo"), record);
    if (record.selected_style < 0 || record.selected_style >= kAudioStyleCount) std::abort();
    for (int s = 0; s < kAudioStyleCount; ++s) {
        const StyleColor& c = record.colors[s];
        if (record.names[s].empty()) std::abort();
        for (int component : {c.red, c.green, c.blue})
            if (component < 0 || component > kStyleComponentMax) std::abort();
    }
    // Merging the result again changes nothing.
    if (merge_audio_documents(default_document, merged) != merged) std::abort();
    (void)styled_json(merged);
    return 0;
}
