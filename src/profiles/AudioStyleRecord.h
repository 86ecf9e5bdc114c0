#pragma once
// The music styles: four named colours (components 0-9) and the selected one, kept as the
// "AudioLightInfo" member of "AudioFile.json".

#include <json/value.h>

#include <array>
#include <string>
#include <string_view>

namespace ilmo::profiles {

constexpr int kAudioStyleCount = 4;
constexpr int kStyleComponentMax = 9;

struct StyleColor {
    int red = 0;  // 0-9 each
    int green = 0;
    int blue = 0;
    bool operator==(const StyleColor&) const = default;
};

struct AudioStyleRecord {
    int selected_style = 0;                           // "nAudioStyle", 0-3
    std::array<std::string, kAudioStyleCount> names;  // "nStyleName1" ... "nStyleName4"
    std::array<StyleColor, kAudioStyleCount> colors;  // "nStyleR0" ... "nStyleB3"
    bool operator==(const AudioStyleRecord&) const = default;
};

// "第一组" ... "第四组": what a style is called when its name is empty.
std::string_view default_style_name(int style);

// Every name filled, every colour zero, style 0.
AudioStyleRecord default_audio_style();

// Takes each value of an "AudioLightInfo" object that is present and in range; a name that
// is empty becomes the default name. Everything else keeps its value in `record`.
void merge_audio_style(const Json::Value& info, AudioStyleRecord& record);
// The "AudioLightInfo" object; empty names are stored as the default names.
Json::Value encode_audio_style(const AudioStyleRecord& record);

}  // namespace ilmo::profiles
