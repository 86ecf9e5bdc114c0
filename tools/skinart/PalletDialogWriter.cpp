#include "PalletDialogWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "Captions.h"
#include "SettingsPageWriter.h"
#include "UiWriter.h"
#include "shell/names/PalletDialogNames.h"

namespace ilmo::skinart {

namespace {

namespace names = ilmo::shell::names::pallet_dialog;

constexpr int kHeaderHeight = 42;
constexpr int kTitleFont = 4;
constexpr int kSwatchesPerRow = 10;
constexpr int kSwatchCount = 20;
constexpr QSize kSwatchSize{44, 26};
constexpr QSize kTitleButtonSize{32, 32};
constexpr QSize kPreviewSize{210, 120};
constexpr QSize kSevenColorSample{64, 18};

void title_button(UiWriter& ui, const char* name, const char* image_stem, bool visible = true) {
    ui.begin_item();
    ui.begin_widget(QStringLiteral("HandImgButton"), QLatin1String(name));
    if (!visible) ui.bool_property(QStringLiteral("visible"), false);
    ui.fixed_size(kTitleButtonSize);
    ui.enum_property(QStringLiteral("focusPolicy"), QStringLiteral("Qt::NoFocus"));
    ui.dynamic_string(QStringLiteral("tipkey"), QLatin1String(name) + QStringLiteral("_tip"));
    const QString stem = QStringLiteral("common/title/") + QLatin1String(image_stem);
    ui.dynamic_string(QStringLiteral("normalimage"), stem + QStringLiteral("_normal.png"));
    ui.dynamic_string(QStringLiteral("hotimage"), stem + QStringLiteral("_hot.png"));
    ui.dynamic_string(QStringLiteral("pushedimage"), stem + QStringLiteral("_pushed.png"));
    ui.end_widget();
    ui.end_item();
}

void write_header(SettingsPageWriter& page) {
    UiWriter& ui = page.ui();
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QWidget"), QStringLiteral("pallet_header"));
    ui.size_property(QStringLiteral("minimumSize"), {0, kHeaderHeight});
    ui.size_property(QStringLiteral("maximumSize"), {16777215, kHeaderHeight});
    ui.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("dialogheader"));
    ui.begin_layout(QStringLiteral("QHBoxLayout"), QStringLiteral("pallet_header_layout"), 8, 8);

    ui.begin_item();
    ui.begin_widget(QStringLiteral("QFrame"), QStringLiteral("pallet_header_mark"));
    ui.fixed_size({3, 14});
    ui.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("accentmark"));
    ui.end_widget();
    ui.end_item();
    page.label(QStringLiteral("pallet_title"), "pallet_title_text", kTitleFont, "heading");
    page.stretch(Qt::Horizontal, QStringLiteral("pallet_header_stretch"));
    title_button(ui, names::kMinBtn, "min");
    title_button(ui, names::kMaxBtn, "max");
    title_button(ui, names::kRestoreBtn, "restore", false);
    title_button(ui, names::kCloseBtn, "close");

    ui.end_layout();
    ui.end_widget();
    ui.end_item();
}

// Two rows of ten swatches named prefix + 0-19.
void write_swatches(SettingsPageWriter& page, const char* prefix, const char* caption_key) {
    UiWriter& ui = page.ui();
    page.caption(QLatin1String(prefix) + QStringLiteral("caption"), caption_key);
    for (int row = 0; row < kSwatchCount / kSwatchesPerRow; ++row) {
        page.begin_row(QLatin1String(prefix) + QStringLiteral("row_") + QString::number(row), 8);
        for (int column = 0; column < kSwatchesPerRow; ++column) {
            ui.begin_item();
            ui.begin_widget(QStringLiteral("QPushButton"),
                            QLatin1String(prefix) + QString::number(row * kSwatchesPerRow + column));
            ui.fixed_size(kSwatchSize);
            ui.enum_property(QStringLiteral("focusPolicy"), QStringLiteral("Qt::NoFocus"));
            ui.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("swatch"));
            ui.end_widget();
            ui.end_item();
        }
        page.stretch(Qt::Horizontal, QLatin1String(prefix) + QStringLiteral("row_stretch_") +
                                         QString::number(row));
        page.end_row();
    }
}

void write_palette_column(SettingsPageWriter& page) {
    UiWriter& ui = page.ui();
    ui.begin_item();
    ui.begin_layout(QStringLiteral("QVBoxLayout"), QStringLiteral("pallet_left_layout"), 0, 6);
    ui.begin_item();
    ui.begin_widget(QStringLiteral("ColorPalette"), QLatin1String(names::kPallet));
    // Tall enough to take the height the swatches leave, so no gap opens between them.
    ui.size_property(QStringLiteral("minimumSize"), {0, 296});
    ui.number_property(QStringLiteral("barHeight"), 16);
    ui.end_widget();
    ui.end_item();
    write_swatches(page, names::kPresetPrefix, "pallet_preset_text");
    write_swatches(page, names::kCollectedPrefix, "pallet_collect_text");
    page.stretch(Qt::Vertical, QStringLiteral("pallet_left_stretch"));
    ui.end_layout();
    ui.end_item();
}

void write_component_edit(SettingsPageWriter& page, int component) {
    static constexpr const char* kLabelKeys[] = {"music_red_text", "music_green_text",
                                                 "music_blue_text"};
    UiWriter& ui = page.ui();
    const QString edit = QLatin1String(names::kEdits[component]);
    page.begin_row(edit + QStringLiteral("_row"), 10);
    page.label(edit + QStringLiteral("_label"), kLabelKeys[component], kControlFont, "muted");
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QLineEdit"), edit);
    ui.fixed_size({80, 28});
    ui.set_property(QStringLiteral("alignment"), QStringLiteral("Qt::AlignCenter"));
    ui.dynamic_string(QStringLiteral("numberonly"), QStringLiteral("true"));
    ui.dynamic_number(QStringLiteral("minvalue"), 0);
    ui.dynamic_number(QStringLiteral("maxvalue"), 255);
    ui.dynamic_number(QStringLiteral("maxchar"), 3);
    ui.dynamic_number(QStringLiteral("fontid"), kControlFont);
    ui.end_widget();
    ui.end_item();
    page.stretch(Qt::Horizontal, edit + QStringLiteral("_stretch"));
    page.end_row();
}

void write_seven_color(SettingsPageWriter& page) {
    UiWriter& ui = page.ui();
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QWidget"), QLatin1String(names::kSevenColorLayout));
    ui.begin_layout(QStringLiteral("QHBoxLayout"), QStringLiteral("pallet_seven_color_layout"), 0, 10);
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QCheckBox"), QLatin1String(names::kSevenColor));
    page.text(QStringLiteral("pallet_seven_color_text"));
    ui.dynamic_number(QStringLiteral("fontid"), kControlFont);
    ui.end_widget();
    ui.end_item();
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QLabel"), QLatin1String(names::kSevenColorCollect));
    ui.fixed_size(kSevenColorSample);
    ui.pixmap_property(QStringLiteral("pixmap"), QLatin1String(names::kSevenColorImage));
    ui.bool_property(QStringLiteral("scaledContents"), true);
    ui.end_widget();
    ui.end_item();
    page.stretch(Qt::Horizontal, QStringLiteral("pallet_seven_color_stretch"));
    ui.end_layout();
    ui.end_widget();
    ui.end_item();
}

void write_preview_column(SettingsPageWriter& page) {
    UiWriter& ui = page.ui();
    ui.begin_item();
    ui.begin_layout(QStringLiteral("QVBoxLayout"), QStringLiteral("pallet_right_layout"), 0, 10);
    page.caption(QStringLiteral("pallet_preview_caption"), "pallet_preview_text");
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QPushButton"), QLatin1String(names::kPreviewBtn));
    ui.fixed_size(kPreviewSize);
    ui.enum_property(QStringLiteral("focusPolicy"), QStringLiteral("Qt::NoFocus"));
    ui.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("swatch"));
    ui.end_widget();
    ui.end_item();
    for (int component = 0; component < 3; ++component) write_component_edit(page, component);
    write_seven_color(page);
    page.stretch(Qt::Vertical, QStringLiteral("pallet_right_stretch"));

    page.begin_row(QStringLiteral("pallet_button_layout"), 0);
    page.stretch(Qt::Horizontal, QStringLiteral("pallet_button_stretch"));
    ui.begin_item();
    ui.begin_widget(QStringLiteral("QPushButton"), QLatin1String(names::kOkBtn));
    ui.size_property(QStringLiteral("minimumSize"), {110, 32});
    page.text(QStringLiteral("confirm_btn_text"));
    ui.bool_property(QStringLiteral("default"), true);
    ui.dynamic_number(QStringLiteral("fontid"), kControlFont);
    ui.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("accent"));
    ui.end_widget();
    ui.end_item();
    page.end_row();
    ui.end_layout();
    ui.end_item();
}

QByteArray write_layout(const Captions& captions) {
    QByteArray out;
    {
        UiWriter ui(&out, QLatin1String(names::kWindowClass));
        const CaptionOf caption_of = [&captions](const QString& key) { return captions.text(key); };
        SettingsPageWriter page(ui, caption_of);
        ui.begin_widget(QStringLiteral("QFrame"), QStringLiteral("pallet_root"));
        ui.geometry({0, 0, names::kWidth, names::kHeight});
        ui.size_property(QStringLiteral("minimumSize"), {names::kWidth, names::kHeight});
        ui.dynamic_string(QStringLiteral("skinrole"), QStringLiteral("dialog"));
        ui.begin_layout(QStringLiteral("QVBoxLayout"), QStringLiteral("pallet_layout"), 0, 0);
        write_header(page);

        ui.begin_item();
        ui.begin_widget(QStringLiteral("QWidget"), QStringLiteral("pallet_body"));
        ui.begin_layout(QStringLiteral("QHBoxLayout"), QStringLiteral("pallet_body_layout"), 16, 24);
        write_palette_column(page);
        write_preview_column(page);
        ui.end_layout();
        ui.end_widget();
        ui.end_item();

        ui.end_layout();
        ui.end_widget();
        ui.declare_custom(QStringLiteral("HandImgButton"), QStringLiteral("QPushButton"), false);
        ui.declare_custom(QStringLiteral("ColorPalette"), QStringLiteral("QWidget"), false);
    }
    return out;
}

}  // namespace

QStringList write_pallet_dialog(const QString& skin_folder) {
    const Captions captions(skin_folder + QStringLiteral("/lang/lan_en.xml"));
    QString path = QLatin1String(names::kUiFile);
    path.replace(QStringLiteral(".xml"), QStringLiteral(".ui"));
    path = skin_folder + u'/' + path;
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) ||
        !file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(write_layout(captions)) < 0)
        return {path};
    return {};
}

}  // namespace ilmo::skinart
