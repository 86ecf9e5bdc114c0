#include "shell/MusicStyleEditor.h"

#include <algorithm>

namespace ilmo::shell {

namespace {

bool is_style(int style) { return style >= 0 && style < profiles::kAudioStyleCount; }

}  // namespace

MusicStyleEditor::MusicStyleEditor(const profiles::AudioStyleRecord& record) : record_(record) {
    // A record from anywhere: the selection always names a style the window can show.
    if (!is_style(record_.selected_style)) record_.selected_style = 0;
}

const profiles::StyleColor& MusicStyleEditor::selected_color() const {
    return record_.colors[static_cast<size_t>(record_.selected_style)];
}

void MusicStyleEditor::select(int style) {
    if (is_style(style)) record_.selected_style = style;
}

void MusicStyleEditor::set_component(Component component, int value) {
    profiles::StyleColor& color = record_.colors[static_cast<size_t>(record_.selected_style)];
    const int limited = std::clamp(value, 0, profiles::kStyleComponentMax);
    switch (component) {
        case Component::Red:
            color.red = limited;
            break;
        case Component::Green:
            color.green = limited;
            break;
        case Component::Blue:
            color.blue = limited;
            break;
    }
}

void MusicStyleEditor::set_name(int style, std::string name) {
    if (is_style(style)) record_.names[static_cast<size_t>(style)] = std::move(name);
}

const std::string& MusicStyleEditor::finish_name(int style) {
    if (!is_style(style)) style = record_.selected_style;
    std::string& name = record_.names[static_cast<size_t>(style)];
    if (name.empty()) name = profiles::default_style_name(style);
    return name;
}

}  // namespace ilmo::shell
