#include "shell/KeyCaptions.h"

#include <algorithm>

#include "shell/ui/CDeviceKeyButtonUI.h"

namespace ilmo::shell {

void show_key_caption(QAbstractButton& key, const keyboard::KeyCaption& caption,
                      const ui::Translate& translate) {
    const QString text = QString::fromStdString(caption.text);
    if (caption.language_key && !text.isEmpty()) {
        // The key stays on the button: the language texts reword it when the language changes.
        key.setProperty("langkey", text);
        key.setText(translate(text));
        key.setToolTip({});
        return;
    }
    // Without a key a language switch leaves the text as it is.
    key.setProperty("langkey", QVariant());
    key.setText(text);
    // A name too long for its key is cut short there; the tip shows it whole.
    key.setToolTip(text);
}

void show_key_captions(std::span<ui::CDeviceKeyButtonUI* const> keys,
                       const std::vector<keyboard::KeyCaption>& captions,
                       const ui::Translate& translate) {
    const size_t count = std::min(keys.size(), captions.size());
    for (size_t i = 0; i < count; ++i)
        if (keys[i] != nullptr) show_key_caption(*keys[i], captions[i], translate);
}

}  // namespace ilmo::shell
