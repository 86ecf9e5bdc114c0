#pragma once
// What the colour dialog edits, apart from its controls: the current colour, the presets and
// the collected swatches of the colour option file, and which of each is selected. Every
// change of a selection or of a collected swatch is saved at once.

#include <QString>
#include <array>
#include <cstdint>
#include <filesystem>

#include "device/Trace.h"
#include "profiles/ColorOptionFile.h"

namespace ilmo::shell {

// The colour rebuilt from the three edits' texts (red, green, blue): a number is clamped to
// 0-255, and a text that is no number leaves its component as it was in `current`.
uint32_t color_from_components(uint32_t current, const std::array<QString, 3>& texts);

class ColorSelection {
public:
    // Reads the file in `user_data_folder`; a file that cannot be read leaves every collected
    // swatch empty and is not written until the user changes something.
    ColorSelection(const std::filesystem::path& user_data_folder, uint32_t initial,
                   device::TraceSink trace = {});

    uint32_t current() const { return current_; }
    const profiles::ColorOptions& options() const { return file_.options(); }

    // Each returns false when it changed nothing: an index outside 0-19, an empty collected
    // swatch.
    // The preset becomes selected and current, and goes into the selected collected swatch.
    bool choose_preset(int index);
    // A swatch holding a colour becomes selected, and its colour current.
    bool choose_collected(int index);
    // The palette's pick becomes current and goes into the selected collected swatch.
    void take_palette_color(uint32_t argb);
    void set_current(uint32_t argb) { current_ = argb; }

private:
    void collect_current(profiles::ColorOptions& options) const;
    void save(const profiles::ColorOptions& options);

    profiles::ColorOptionFile file_;
    uint32_t current_;
    device::TraceSink trace_;
};

}  // namespace ilmo::shell
