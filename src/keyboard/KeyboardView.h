#pragma once
// What the keyboard controller shows on its page beyond what every device page shows. The
// shell implements it with the page's controls; tests and the command-line tool with plain
// records. Calls may come from device work on another thread: the page draws on its own.

#include <string>
#include <vector>

#include "keyboard/SystemOptions.h"

namespace ilmo::keyboard {

// The caption of one page key: a language key, or a text shown as it is (a macro's name).
struct KeyCaption {
    std::string text;
    bool language_key = true;
    bool operator==(const KeyCaption&) const = default;
};

class KeyboardView {
public:
    virtual ~KeyboardView() = default;
    // One caption per page key index; an empty text leaves the key's picture uncaptioned.
    virtual void show_key_captions(const std::vector<KeyCaption>& captions) = 0;
    virtual void show_system_options(const SystemOptions& options) = 0;
    // Asks the user whether to update the keyboard's firmware now ("message_text_24"); waits
    // for the answer, so it must not be called on the thread that draws the page.
    virtual bool confirm_firmware_update() = 0;
    // The user accepted: start the firmware updater from the program's "Update" folder (or
    // say that there is none).
    virtual void start_firmware_updater() {}
    // The user refused an update the keyboard needs: the program ends.
    virtual void quit_application() {}
};

}  // namespace ilmo::keyboard
