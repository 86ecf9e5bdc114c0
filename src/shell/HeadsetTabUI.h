#pragma once
// What the headset page's sound tabs share: each shows the same state, with its own notice
// of what keeps the sound settings from the headset, and rewords itself by showing the
// state again.

#include <QString>
#include <string>

#include "shell/HeadsetPanelState.h"
#include "shell/ui/LanguageTexts.h"

class QLabel;
class QWidget;

namespace ilmo::shell {

namespace ui {
struct Notification;
}

class HeadsetTabUI {
public:
    virtual ~HeadsetTabUI() = default;
    HeadsetTabUI(const HeadsetTabUI&) = delete;
    HeadsetTabUI& operator=(const HeadsetTabUI&) = delete;

    void show(const HeadsetPanelState& state);
    // True when the notification was one of the tab's controls'.
    virtual bool handle_notification(const ui::Notification& n) = 0;
    // Rewords what the tab composes (notice, tooltips, texts) in the current language.
    void retranslate() { show(shown_); }

protected:
    // `notice` names the tab's notice label.
    HeadsetTabUI(QWidget* page, ui::Translate translate, const char* notice);
    virtual void show_controls(const HeadsetPanelState& state) = 0;
    // The wording of a language key; empty for no key.
    QString wording(const std::string& key) const;
    const ui::Translate& translate() const { return translate_; }

private:
    ui::Translate translate_;
    QLabel* notice_ = nullptr;
    HeadsetPanelState shown_;
};

}  // namespace ilmo::shell
