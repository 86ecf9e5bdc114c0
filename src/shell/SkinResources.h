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

    // Builds a layout, gives it the current wording and the style sheet, and connects its
    // controls to `sink`. nullptr when it cannot be built.
    QWidget* build(QStringView layout_name, QWidget* parent, ui::NotificationSink* sink);
    // Makes the skin's style sheet the application's, its images found under "skin:".
    void install_style() const;
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
    QString font_family_;
};

}  // namespace ilmo::shell
