#pragma once
// The colour dialog: a palette, twenty preset and twenty collected colours kept in the
// colour option file, a preview, the colour as three numbers and an optional seven-colour
// choice. Opened modal; OK hands back the preview's colour.

#include <QDialog>
#include <QRgb>
#include <array>
#include <filesystem>

#include "device/Trace.h"
#include "shell/ColorSelection.h"
#include "shell/ui/NotificationSink.h"

class QAbstractButton;
class QLineEdit;

namespace ilmo::shell {

class SkinResources;
namespace ui {
class CColorPaletteUI;
}

class CColorSelectWnd : public QDialog, private ui::NotificationSink {
    Q_OBJECT
public:
    // How the dialog ended: its close button, OK, or OK without a palette to pick from.
    enum Outcome { kClosed = 0, kChosen = 1, kNoPalette = 2 };

    struct Choice {
        Outcome outcome = kClosed;
        QRgb color = 0;            // 0xFFRRGGBB, the preview's colour when chosen
        bool seven_color = false;  // the seven-colour option was selected
    };

    struct Options {
        QRgb initial = 0xFF000000u;
        bool offer_seven_color = true;
        int density = 96;  // the main window's (48 … 192)
    };

    // Opens the dialog centred on `parent` (on its screen without one) and waits.
    static Choice choose(QWidget* parent, SkinResources& skin,
                         const std::filesystem::path& user_data_folder, const Options& options,
                         const device::TraceSink& trace = {});

    CColorSelectWnd(QWidget* parent, SkinResources& skin,
                    const std::filesystem::path& user_data_folder, QRgb initial,
                    const device::TraceSink& trace = {});
    bool has_layout() const { return content_ != nullptr; }
    // Shows or hides the seven-colour option; hidden, it is also cleared and disabled.
    void offer_seven_color(bool offered);
    const Choice& choice() const { return choice_; }

private:
    void notify(const ui::Notification& notification) override;
    void on_click(const QString& sender);
    void find_controls();
    void show_swatches();
    // The current colour on the preview, in the edits (unless one is being typed in) and,
    // when asked, on the palette.
    void show_current(bool on_palette, const QLineEdit* typing = nullptr);
    void show_preview();
    bool seven_color_selected() const;
    void clear_seven_color();
    void finish(Outcome outcome);

    SkinResources& skin_;
    ColorSelection selection_;
    Choice choice_;
    QWidget* content_ = nullptr;
    ui::CColorPaletteUI* palette_ = nullptr;
    QAbstractButton* preview_ = nullptr;
    std::array<QLineEdit*, 3> edits_{};
    QAbstractButton* seven_color_ = nullptr;
    std::array<QAbstractButton*, profiles::kColorPresetCount> presets_{};
    std::array<QAbstractButton*, profiles::kCollectedSwatchCount> collected_{};
};

}  // namespace ilmo::shell
