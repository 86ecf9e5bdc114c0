#pragma once
// The music styles window: four tabs with a name each, and the red, green and blue sliders
// (0-9) of the selected style. OK hands the edited styles back; the close button drops them.

#include <QDialog>
#include <array>

#include "device/Trace.h"
#include "profiles/AudioStyleRecord.h"
#include "shell/MusicStyleEditor.h"
#include "shell/ui/NotificationSink.h"

class QAbstractButton;
class QFrame;
class QLabel;
class QLineEdit;
class QSlider;

namespace ilmo::profiles {
class AudioStyleDocument;
}

namespace ilmo::shell {

class SkinResources;

class MusicWnd : public QDialog, private ui::NotificationSink {
    Q_OBJECT
public:
    static constexpr int kWidth = 369;
    static constexpr int kHeight = 276;

    enum class Outcome { Cancelled, Saved, SaveFailed };

    // Opens the window centred on `parent` with the document's styles and waits; on OK the
    // edited styles go into the document, which saves its user file. The density follows
    // the main window's (48 … 192).
    static Outcome edit_styles(QWidget* parent, SkinResources& skin,
                               profiles::AudioStyleDocument& styles, int density,
                               const device::TraceSink& trace = {});

    MusicWnd(QWidget* parent, SkinResources& skin, const profiles::AudioStyleRecord& record,
             const device::TraceSink& trace = {});
    // The styles as edited so far; after OK, with every empty name back at its default.
    const profiles::AudioStyleRecord& record() const { return editor_.record(); }
    bool has_layout() const { return content_ != nullptr; }

private:
    void notify(const ui::Notification& notification) override;
    // A skin may lack controls: what is there works, and the lack is traced.
    void find_controls();
    QString shown_name(int style) const;
    void show_names();
    void select_style(int style);
    void show_selected_style();
    void show_component(int component, int value);
    void finish_name(int style);

    SkinResources& skin_;
    device::TraceSink trace_;
    MusicStyleEditor editor_;
    QWidget* content_ = nullptr;
    std::array<QAbstractButton*, profiles::kAudioStyleCount> tabs_{};
    std::array<QLineEdit*, profiles::kAudioStyleCount> name_edits_{};
    std::array<QSlider*, 3> sliders_{};
    std::array<QLabel*, 3> values_{};
    QFrame* swatch_ = nullptr;
};

}  // namespace ilmo::shell
