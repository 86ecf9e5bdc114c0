#pragma once
// Captions on the keys of a device picture, as the controller names them: a language key
// shows its wording in the current language and keeps it through later language switches;
// any other text (a macro's name) shows as it is; an empty text leaves the key blank.

#include <span>
#include <vector>

#include "keyboard/KeyboardView.h"
#include "shell/ui/LanguageTexts.h"

class QAbstractButton;

namespace ilmo::shell {

namespace ui {
class CDeviceKeyButtonUI;
}

// One caption on one key or callout.
void show_key_caption(QAbstractButton& key, const keyboard::KeyCaption& caption,
                      const ui::Translate& translate);

// captions[i] goes on keys[i]; a key without a caption, or a caption without a key, is left
// alone.
void show_key_captions(std::span<ui::CDeviceKeyButtonUI* const> keys,
                       const std::vector<keyboard::KeyCaption>& captions,
                       const ui::Translate& translate);

}  // namespace ilmo::shell
