#include "shell/ColorSelection.h"

#include <algorithm>

namespace ilmo::shell {

namespace {

bool in_range(int index, size_t count) {
    return index >= 0 && static_cast<size_t>(index) < count;
}

}  // namespace

uint32_t color_from_components(uint32_t current, const std::array<QString, 3>& texts) {
    uint32_t color = current | 0xFF000000u;
    for (int component = 0; component < 3; ++component) {
        bool number = false;
        const qlonglong value = texts[static_cast<size_t>(component)].trimmed().toLongLong(&number);
        if (!number) continue;
        const int shift = 16 - 8 * component;
        color = (color & ~(0xFFu << shift)) |
                static_cast<uint32_t>(std::clamp<qlonglong>(value, 0, 255)) << shift;
    }
    return color;
}

ColorSelection::ColorSelection(const std::filesystem::path& user_data_folder, uint32_t initial,
                               device::TraceSink trace)
    : file_(user_data_folder), current_(initial), trace_(std::move(trace)) {
    file_.load();
}

bool ColorSelection::choose_preset(int index) {
    profiles::ColorOptions options = file_.options();
    if (!in_range(index, options.presets.size())) return false;
    options.selected_preset = index;
    current_ = options.presets[static_cast<size_t>(index)];
    collect_current(options);
    save(options);
    return true;
}

bool ColorSelection::choose_collected(int index) {
    profiles::ColorOptions options = file_.options();
    if (!in_range(index, options.collected.size())) return false;
    const profiles::CollectedSwatch& swatch = options.collected[static_cast<size_t>(index)];
    if (!swatch.holds_color) return false;
    options.selected_collected = index;
    current_ = swatch.color;
    save(options);
    return true;
}

void ColorSelection::take_palette_color(uint32_t argb) {
    current_ = argb;
    profiles::ColorOptions options = file_.options();
    if (!in_range(options.selected_collected, options.collected.size())) return;
    collect_current(options);
    save(options);
}

void ColorSelection::collect_current(profiles::ColorOptions& options) const {
    if (!in_range(options.selected_collected, options.collected.size())) return;
    options.collected[static_cast<size_t>(options.selected_collected)] = {current_, true};
}

void ColorSelection::save(const profiles::ColorOptions& options) {
    file_.set_options(options);
    if (!file_.save() && trace_) trace_("cannot write " + file_.path().string());
}

}  // namespace ilmo::shell
