#pragma once
// What every window of the program builds with: the class-name factory, the .ui loader, the
// current language's texts and the notification bridge. One object, owned by the
// application and passed to each window.

#include <QString>
#include <memory>

#include "shell/ui/ControlFactory.h"
#include "shell/ui/LanguageTexts.h"
#include "shell/ui/NotificationBridge.h"
#include "shell/ui/SkinPaths.h"
#include "shell/ui/UiLoader.h"

namespace ilmo::shell {

class SkinResources {
public:
    explicit SkinResources(const QString& program_folder);

    ui::ControlFactory& factory() { return factory_; }
    ui::UiLoader& loader() { return *loader_; }
    ui::LanguageTexts& texts() { return texts_; }
    const ui::LanguageTexts& texts() const { return texts_; }
    ui::NotificationBridge& bridge() { return bridge_; }
    const ui::SkinPaths& paths() const { return paths_; }

    // Builds a layout, gives it the current wording and connects its controls to `sink`. The
    // root of a window layout also gets the style sheet, which its panels and pages inherit
    // once they are put inside it. nullptr when it cannot be built.
    QWidget* build(QStringView layout_name, QWidget* parent, ui::NotificationSink* sink);
    // Reads the skin's style sheet for the windows built from now on; its images are named
    // "skin:<path>". The sheet is not the application's: the emulator's panel and Qt's own
    // dialogs keep the desktop's look, which the dark colours would make unreadable.
    void install_style();
    // Gives a window's root the style sheet again, followed by `extra_rules` (its background).
    void style_window(QWidget* root, const QString& extra_rules = {}) const;
    // The text of a language key in the current language.
    QString text(QStringView key) const { return texts_.text(key); }

    // The font family windows use now; empty until a language set one.
    const QString& font_family() const { return font_family_; }
    void set_font_family(QString family) { font_family_ = std::move(family); }

private:
    ui::SkinPaths paths_;
    ui::ControlFactory factory_;
    std::unique_ptr<ui::UiLoader> loader_;
    ui::LanguageTexts texts_;
    ui::NotificationBridge bridge_;
    QString style_sheet_;
    QString font_family_;
};

}  // namespace ilmo::shell
