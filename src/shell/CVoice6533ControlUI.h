#pragma once
// The headset page's sound tab: the equaliser's presets and bands, the user's named curves,
// the microphone and its monitoring. It shows a state and turns the user's changes into
// calls; it stores and writes nothing itself.

#include <array>
#include <functional>
#include <string>

#include "shell/HeadsetTabUI.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QSlider;

namespace ilmo::shell {

class CVoice6533ControlUI : public HeadsetTabUI {
public:
    // Finds the controls inside `page`; any the skin leaves out is skipped.
    CVoice6533ControlUI(QWidget* page, ui::Translate translate);

    bool handle_notification(const ui::Notification& n) override;
    // Empties the name field, once its name is a curve.
    void clear_custom_name();

    std::function<void(int option)> on_preset;  // 0 off, 1-12 a preset, 13 the user's curves
    // A band let go, or moved by keys: band 0-9, value in dB.
    std::function<void(int band, int value)> on_band;
    std::function<void(int index)> on_custom_chosen;
    // The name field's text, trimmed, UTF-8; empty to overwrite the chosen curve.
    std::function<void(const std::string& name)> on_save;
    std::function<void()> on_delete;
    std::function<void(bool on)> on_mic_switched;
    std::function<void(int level)> on_mic_level;
    std::function<void(bool on)> on_monitor_switched;
    std::function<void(int level)> on_monitor_level;

private:
    struct Level {
        QAbstractButton* option = nullptr;
        QSlider* slider = nullptr;
        QLabel* range = nullptr;
    };

    void show_controls(const HeadsetPanelState& state) override;
    void show_equaliser(const HeadsetPanelState& state);
    void show_custom_names(const HeadsetPanelState& state);
    void show_level(const Level& level, const std::string& unusable, bool on, int value,
                    const std::optional<LevelRange>& range);
    bool handle_level(const Level& level, const ui::Notification& n,
                      const std::function<void(bool)>& switched,
                      const std::function<void(int)>& moved) const;

    std::array<QAbstractButton*, names::headset_panels::kCustomEqOption + 1> options_{};
    std::array<QSlider*, names::headset_panels::kBands> bands_{};
    QWidget* custom_layout_ = nullptr;
    QComboBox* custom_names_ = nullptr;
    QLineEdit* custom_name_edit_ = nullptr;
    QAbstractButton* save_ = nullptr;
    QAbstractButton* delete_ = nullptr;
    Level mic_;
    Level monitor_;
};

}  // namespace ilmo::shell
