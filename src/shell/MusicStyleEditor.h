#pragma once
// What the music styles window does to the styles, without the window: a tab selects a
// style, a slider sets one colour component of the selected style, and a name left empty
// goes back to the style's default name.

#include <string>

#include "profiles/AudioStyleRecord.h"

namespace ilmo::shell {

class MusicStyleEditor {
public:
    enum class Component { Red = 0, Green = 1, Blue = 2 };

    explicit MusicStyleEditor(const profiles::AudioStyleRecord& record);

    const profiles::AudioStyleRecord& record() const { return record_; }
    int selected() const { return record_.selected_style; }
    const profiles::StyleColor& selected_color() const;

    // A style outside 0-3 changes nothing.
    void select(int style);
    // Into the selected style, limited to 0-9.
    void set_component(Component component, int value);
    // The name as it is being typed; it may be empty meanwhile.
    void set_name(int style, std::string name);
    // The name's edit was left: an empty name becomes the default one. Returns the name.
    const std::string& finish_name(int style);

private:
    profiles::AudioStyleRecord record_;
};

}  // namespace ilmo::shell
