#pragma once
// The lighting panel of a device page: shows a light record (and, on the keyboard and the
// mouse, the music lighting's record) and lets the page read back what the user set. It
// holds no device logic: the page reads it on each notification and does the rest. A control
// the skin leaves out is traced and skipped.

#include <QColor>
#include <QHash>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "device/LightingTypes.h"
#include "profiles/LightSection.h"
#include "shell/LightModeTable.h"
#include "shell/ui/LanguageTexts.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QSlider;

namespace ilmo::shell {

namespace ui {
class CColorPaletteUI;
}

// A colour button shows its colour as its background and keeps it in its "bkcolor" property.
void paint_button(QAbstractButton* button, QRgb colour);
QRgb button_colour(const QAbstractButton* button);  // 0 without a colour

class CLightControlUI : public QWidget {
    Q_OBJECT
public:
    explicit CLightControlUI(QWidget* parent = nullptr);

    // 1 keyboard, 2 mouse, 3 mouse-pad, 4 or 7 headset, 5 the further kind (LightModeTable.h).
    void set_device_type(int device_type) { device_type_ = device_type; }
    int device_type() const { return device_type_; }
    void set_translate(ui::Translate translate) { translate_ = std::move(translate); }
    void set_trace(std::function<void(const std::string&)> trace) { trace_ = std::move(trace); }
    // Whether "deng_same_mode" may be shown at all; the mode decides whether it is.
    void set_same_mode(bool same_mode);
    bool same_mode() const { return same_mode_; }

    // `names` are language keys (or plain texts); a name without a flag is visible.
    void fill_mode_list(const QStringList& names, const std::vector<bool>& visible,
                        int brightness_max, int speed_max);
    // Custom groups named by number, 1..count.
    void fill_custom_groups(int count);
    void show_light(const device::LightRecord& record);
    void select_mode(int index);
    // The colour in the edits, the palette and the colour button.
    void show_colour(QRgb colour);

    int mode_index() const;            // -1 without the combo
    int custom_group_index() const;    // -1 without the combo
    int secondary_mode_index() const;  // -1 without the combo
    int brightness() const;            // -1 without the slider
    int speed() const;                 // -1 without the slider
    bool direction_left() const;  // "deng_FXL_check" selected
    bool seven_colour() const;
    QString edit_text(int component) const;  // 0 red, 1 green, 2 blue
    QRgb palette_colour() const;             // 0xFF000000 without the palette
    QRgb swatch_colour(int n) const;         // 0 without the swatch
    QRgb audio_swatch_colour(int n) const;
    QRgb audio_palette_colour() const;       // 0xFF000000 without the palette
    QString audio_edit_text(int component) const;
    // The colour the three edits spell; a component that is no number in 0-255 is clamped.
    QRgb edits_colour() const;
    QRgb audio_edits_colour() const;

    void show_audio_light(const profiles::AudioLightRecord& record);
    // The record as the panel now has it: the edited colour follows the two colour options,
    // and with `take_colour` the audio colour button's colour goes into the colour edited.
    profiles::AudioLightRecord read_audio_light(bool take_colour);
    // The audio colour in the audio edits, palette and button.
    void show_audio_colour(QRgb colour);

    // What the current mode made of the panel.
    const LightPanelLook& look() const { return look_; }

private:
    template <class T>
    T* control(const char* name) const;
    template <class T>
    T* control(const char* prefix, int index) const;
    // Missing controls are traced once each.
    void missing(const QString& name) const;
    void apply_look(const LightPanelLook& look);
    // The swatches show the colours the layout gave them.
    void paint_swatches();
    // The combo's items are the language keys key_prefix + 0 .. count - 1.
    void fill_numbered(const char* combo_name, const char* key_prefix, int count);
    void set_layout_enabled(const char* name, bool enabled);
    void set_layout_shown(const char* name, bool shown);
    void set_direction_texts(const char* left, const char* right);
    QString translated(const QString& key) const;

    int device_type_ = 0;
    bool same_mode_ = false;
    LightPanelLook look_;
    profiles::AudioLightRecord audio_;
    ui::Translate translate_;
    std::function<void(const std::string&)> trace_;
    mutable QHash<QString, QObject*> cache_;
    mutable QStringList traced_missing_;
};

}  // namespace ilmo::shell
