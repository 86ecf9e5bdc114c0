#include "shell/HeadsetTabUI.h"

#include <QLabel>

#include "shell/PanelControls.h"

namespace ilmo::shell {

HeadsetTabUI::HeadsetTabUI(QWidget* page, ui::Translate translate, const char* notice)
    : translate_(std::move(translate)), notice_(panel::find<QLabel>(page, notice)) {}

void HeadsetTabUI::show(const HeadsetPanelState& state) {
    shown_ = state;
    show_controls(state);
    panel::show_notice(notice_, wording(state.notice_key));
}

QString HeadsetTabUI::wording(const std::string& key) const {
    return key.empty() ? QString() : translate_(QString::fromStdString(key));
}

}  // namespace ilmo::shell
