#include "PageWriter.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

#include "Captions.h"
#include "HeadsetPages.h"
#include "LightPanelPage.h"
#include "shell/names/LightPanelNames.h"
#include "KeyboardLayout.h"
#include "KeyboardSystemPage.h"
#include "MouseSettingsPage.h"
#include "MouseSystemPage.h"
#include "PictureGeometry.h"
#include "UiWriter.h"
#include "shell/names/DevicePageNames.h"
#include "shell/names/ProfilePanelNames.h"

namespace ilmo::skinart {

namespace {

namespace page_names = ilmo::shell::names::device_page;
namespace profile_names = ilmo::shell::names::profile_panel;
namespace light_names = ilmo::shell::names::light_panel;

constexpr int kProfileColumnWidth = 220;
constexpr int kPageMargin = 10;
constexpr int kKeyCapFontId = 10;   // 10 px: fits "PrtSc" on a 27 px key
constexpr int kCalloutFontId = 8;   // 12 px
// Keys and lights draw their outline in the palette's Mid colour: a dim one, so the lights'
// own colours stand out.
constexpr QRgb kKeyOutline = 0xFF3A424D;

struct Key {
    int index;
    QRect rect;
    QString langkey;
    bool shown;
    int font_id;
};

struct Picture {
    QString image;          // relative to the skin folder
    QRect select_rect;      // where the select panel lies in the picture area
    std::vector<Key> panel_keys;  // inside the select panel
    std::vector<Key> callouts;    // beside it, clicking like ordinary buttons
    std::vector<QRect> lights;    // in the picture area, numbered from the page's first light
    bool glowing_lights = false;  // lights drawn as LEDs with a halo rather than as keys
};

QString layout_path(const char* layout_name) {
    QString path = QString::fromLatin1(layout_name).replace(u'\\', u'/');
    path.chop(4);  // ".xml"
    return path + QStringLiteral(".ui");
}

void write_key(UiWriter& ui, const Key& key, QPoint origin, const Captions& captions) {
    ui.begin_widget(QStringLiteral("DeviceKeyButton"), page_names::kKeyPrefix + QString::number(key.index));
    ui.geometry(key.rect.translated(-origin));
    ui.enum_property(QStringLiteral("focusPolicy"), QStringLiteral("Qt::NoFocus"));
    ui.palette_property(QStringLiteral("Mid"), kKeyOutline);
    if (!key.langkey.isEmpty()) {
        ui.string_property(QStringLiteral("text"), captions.text(key.langkey));
        ui.dynamic_string(QStringLiteral("langkey"), key.langkey);
    }
    ui.dynamic_number(QStringLiteral("fontid"), key.font_id);
    if (!key.shown) ui.bool_property(QStringLiteral("visible"), false);
    ui.end_widget();
}

// A mouse button's label beside the picture: it clicks like any button and stays lit while
// its button is the one being assigned.
void write_callout(UiWriter& ui, const Key& key, const Captions& captions) {
    ui.begin_widget(QStringLiteral("QPushButton"), page_names::kKeyPrefix + QString::number(key.index));
    ui.geometry(key.rect);
    ui.enum_property(QStringLiteral("focusPolicy"), QStringLiteral("Qt::NoFocus"));
    ui.string_property(QStringLiteral("text"), captions.text(key.langkey));
    ui.bool_property(QStringLiteral("checkable"), true);
    ui.bool_property(QStringLiteral("autoExclusive"), true);
    ui.dynamic_string(QStringLiteral("langkey"), key.langkey);
    ui.dynamic_number(QStringLiteral("fontid"), key.font_id);
    ui.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("callout"));
    ui.end_widget();
}

void write_picture_area(UiWriter& ui, const page_names::DevicePage& page, const Picture& picture,
                        const Captions& captions) {
    ui.begin_widget(QStringLiteral("QWidget"), page_names::kPictureArea);
    ui.fixed_size(kPictureSize);

    ui.begin_widget(QStringLiteral("QLabel"), page_names::kPictureImage);
    ui.geometry(QRect(QPoint(0, 0), kPictureSize));
    ui.pixmap_property(QStringLiteral("pixmap"), picture.image);
    ui.bool_property(QStringLiteral("scaledContents"), true);
    ui.end_widget();

    ui.begin_widget(QStringLiteral("SelectPanel"), page.picture);
    ui.geometry(picture.select_rect);
    const QPoint origin = picture.select_rect.topLeft();
    for (const Key& key : picture.panel_keys) write_key(ui, key, origin, captions);
    for (size_t i = 0; i < picture.lights.size(); ++i) {
        ui.begin_widget(QStringLiteral("DeviceKeyButton"),
                        page_names::kLightPrefix + QString::number(page.first_light + static_cast<int>(i)));
        ui.geometry(picture.lights[i].translated(-origin));
        ui.enum_property(QStringLiteral("focusPolicy"), QStringLiteral("Qt::NoFocus"));
        ui.palette_property(QStringLiteral("Mid"), kKeyOutline);
        if (picture.glowing_lights) ui.bool_property(QStringLiteral("glow"), true);
        ui.end_widget();
    }
    ui.end_widget();

    for (const Key& key : picture.callouts) write_callout(ui, key, captions);
    ui.end_widget();
}

void write_empty_page(UiWriter& ui, const char* name) {
    ui.begin_widget(QStringLiteral("QWidget"), QLatin1String(name));
    ui.begin_layout(QStringLiteral("QVBoxLayout"), QLatin1String(name) + QStringLiteral("_layout"), 0, 0);
    ui.end_layout();
    ui.end_widget();
}

std::vector<const page_names::StackPage*> pages_of(const page_names::DevicePage& page, const char* stack) {
    std::vector<const page_names::StackPage*> pages;
    for (const page_names::StackPage& p : page.pages)
        if (QLatin1String(p.stack) == QLatin1String(stack)) pages.push_back(&p);
    std::sort(pages.begin(), pages.end(), [](auto* a, auto* b) { return a->index < b->index; });
    return pages;
}

// The tabs that come with their content; the others stay empty for the panels built into
// them later.
void write_tab(UiWriter& ui, const page_names::DevicePage& page, const char* name,
               const CaptionOf& caption_of) {
    struct Writer {
        const page_names::DevicePage* page;
        const char* name;
        void (*write)(UiWriter&, const CaptionOf&);
    };
    static const Writer writers[] = {
        {&page_names::kKeyboard, page_names::kSystemPage, write_keyboard_system_page},
        {&page_names::kMouse, page_names::kDpiPage, write_mouse_settings_page},
        {&page_names::kMouse, page_names::kSystemPage, write_mouse_system_page},
        {&page_names::kHeadset, page_names::kVirtualPage, write_headset_surround_page},
        {&page_names::kHeadset, page_names::kVoicePage, write_headset_voice_page},
        {&page_names::kHeadset, page_names::kMagicPage, write_headset_magic_page},
        {&page_names::kKeyboard, page_names::kLightPage, write_keyboard_light_page},
        {&page_names::kMouse, page_names::kLightPage, write_mouse_light_page},
        {&page_names::kMousePad, page_names::kLightPage, write_plain_light_page},
        {&page_names::kHeadset, page_names::kLightPage, write_plain_light_page},
    };
    for (const Writer& writer : writers) {
        if (writer.page == &page && QLatin1String(writer.name) == QLatin1String(name))
            return writer.write(ui, caption_of);
    }
    write_empty_page(ui, name);
}

void write_key_stack(UiWriter& ui, const page_names::DevicePage& page, const CaptionOf& caption_of) {
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QStackedWidget"), page_names::kKeyFunctionSwitch);
    for (const auto* p : pages_of(page, page_names::kKeyFunctionSwitch))
        write_tab(ui, page, p->name, caption_of);
    ui.end_widget();
    ui.end_item();
}

void write_picture_page(UiWriter& ui, const page_names::DevicePage& page, const Picture& picture,
                        const Captions& captions, const CaptionOf& caption_of) {
    ui.begin_widget(QStringLiteral("QWidget"), page_names::kPicturePage);
    ui.begin_layout(QStringLiteral("QVBoxLayout"), QStringLiteral("picture_page_layout"), kPageMargin, 8);
    ui.begin_item();
    ui.begin_layout(QStringLiteral("QHBoxLayout"), QStringLiteral("picture_row_layout"), 0, 0);
    ui.spacer(Qt::Horizontal, QStringLiteral("picture_left_spacer"));
    ui.begin_item();
    write_picture_area(ui, page, picture, captions);
    ui.end_item();
    ui.spacer(Qt::Horizontal, QStringLiteral("picture_right_spacer"));
    ui.end_layout();
    ui.end_item();
    write_key_stack(ui, page, caption_of);
    ui.end_layout();
    ui.end_widget();
}

QByteArray write_page(const page_names::DevicePage& page, const Picture& picture, const Captions& captions) {
    QByteArray out;
    const QString root_class = QLatin1String(page.root_class);
    {
        UiWriter ui(&out, root_class);
        ui.begin_widget(root_class, QFileInfo(layout_path(page.ui_file)).baseName());
        ui.geometry(QRect(0, 0, kProfileColumnWidth + kPictureSize.width() + 2 * kPageMargin, 520));
        ui.begin_layout(QStringLiteral("QHBoxLayout"), QStringLiteral("page_layout"), 0, 0);

        ui.begin_item();
        ui.begin_widget(QLatin1String(profile_names::kPanelClass), QLatin1String(profile_names::kPanelItem));
        ui.size_property(QStringLiteral("minimumSize"), {kProfileColumnWidth, 0});
        ui.size_property(QStringLiteral("maximumSize"), {kProfileColumnWidth, 16777215});
        ui.end_widget();
        ui.end_item();

        ui.begin_item();
        ui.begin_widget(QStringLiteral("QStackedWidget"), page_names::kFunctionSwitch);
        const CaptionOf caption_of = [&captions](const QString& key) { return captions.text(key); };
        for (const auto* p : pages_of(page, page_names::kFunctionSwitch)) {
            if (QLatin1String(p->name) == QLatin1String(page_names::kPicturePage))
                write_picture_page(ui, page, picture, captions, caption_of);
            else
                write_tab(ui, page, p->name, caption_of);
        }
        ui.end_widget();
        ui.end_item();

        ui.end_layout();
        ui.end_widget();
        ui.declare_custom(root_class, QStringLiteral("QWidget"), true);
        ui.declare_custom(QLatin1String(profile_names::kPanelClass), QStringLiteral("QWidget"), true);
        ui.declare_custom(QStringLiteral("SelectPanel"), QStringLiteral("QWidget"), true);
        ui.declare_custom(QStringLiteral("DeviceKeyButton"), QStringLiteral("QPushButton"), false);
        ui.declare_custom(QLatin1String(light_names::kPanelClass), QStringLiteral("QWidget"), true);
        ui.declare_custom(QStringLiteral("ColorPalette"), QStringLiteral("QWidget"), false);
    }
    return out;
}

Picture keyboard_picture() {
    Picture picture{QStringLiteral("common/device/keyboard.png"), QRect(QPoint(0, 0), kPictureSize), {}, {}, {}};
    for (const KeyPlace& key : keyboard_keys())
        picture.panel_keys.push_back({key.index, key.rect, key.langkey, key.shown, kKeyCapFontId});
    picture.lights = keyboard_strip_lights();
    return picture;
}

Picture mouse_picture() {
    Picture picture{QStringLiteral("common/device/mouse.png"), mouse_select_rect(), {}, {}, mouse_lights()};
    std::vector<MouseKey> keys = mouse_keys();
    std::sort(keys.begin(), keys.end(), [](const MouseKey& a, const MouseKey& b) { return a.index < b.index; });
    for (const MouseKey& key : keys)
        picture.callouts.push_back({key.index, key.callout, key.langkey, true, kCalloutFontId});
    return picture;
}

Picture pad_picture() {
    Picture picture{QStringLiteral("common/device/mousepad.png"), QRect(QPoint(0, 0), kPictureSize),
                    {}, {}, pad_lights()};
    // The pad's lights are an LED strip under its rim: they glow rather than look like keys.
    picture.glowing_lights = true;
    return picture;
}

Picture headset_picture() {
    return {QStringLiteral("common/device/headset.png"), QRect(QPoint(0, 0), kPictureSize), {}, {},
            headset_lights()};
}

}  // namespace

QStringList write_device_pages(const QString& skin_folder) {
    const Captions captions(skin_folder + QStringLiteral("/lang/lan_en.xml"));
    const std::pair<const page_names::DevicePage*, Picture> pages[] = {
        {&page_names::kKeyboard, keyboard_picture()},
        {&page_names::kMouse, mouse_picture()},
        {&page_names::kMousePad, pad_picture()},
        {&page_names::kHeadset, headset_picture()},
    };
    QStringList failures;
    for (const auto& [page, picture] : pages) {
        const QString path = skin_folder + u'/' + layout_path(page->ui_file);
        QFile file(path);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) ||
            !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(write_page(*page, picture, captions)) < 0) {
            failures << path;
        }
    }
    return failures;
}

}  // namespace ilmo::skinart
