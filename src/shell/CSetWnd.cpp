#include "shell/CSetWnd.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QVBoxLayout>

#include "shell/CMainWnd.h"
#include "shell/LanguageList.h"
#include "shell/SkinResources.h"
#include "shell/names/SetWndNames.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace set_names = names::set_wnd;

CSetWnd::CSetWnd(SkinResources& skin, CMainWnd& main_window, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint), skin_(skin), main_window_(main_window) {
    setObjectName("SetWnd");
    setWindowTitle("SetWnd");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    content_ = skin_.build(QString::fromLatin1(set_names::kUiFile), this, this);
    if (content_ != nullptr) layout->addWidget(content_);
    resize(kWidth, kHeight);
    languages_ = content_ ? ui::find_control<QComboBox>(content_, QString::fromLatin1(set_names::kLanguageCombo))
                          : nullptr;
    fill_language_list();
}

void CSetWnd::fill_language_list() {
    if (languages_ == nullptr) return;
    const QSignalBlocker quiet(languages_);
    languages_->clear();
    const auto entries = read_language_list(
        (skin_.paths().program_folder() + "/DefaultData/Language.config").toStdString());
    for (const LanguageEntry& entry : entries) languages_->addItem(QString::fromStdString(entry.text));
    languages_->setCurrentIndex(main_window_.language_index());
}

void CSetWnd::retranslate() {
    if (content_ == nullptr) return;
    skin_.texts().apply(content_);
    update();
}

void CSetWnd::notify(const ui::Notification& n) {
    if (n.type == QString::fromLatin1("itemselect") &&
        n.sender == QString::fromLatin1(set_names::kLanguageCombo)) {
        main_window_.apply_language(n.wparam);
        return;
    }
    if (n.type != QString::fromLatin1("click")) return;
    if (n.sender == QString::fromLatin1(set_names::kCloseBtn) ||
        n.sender == QString::fromLatin1(set_names::kLaterBtn)) {
        close();
    } else if (n.sender == QString::fromLatin1(set_names::kMinBtn)) {
        showMinimized();
    } else if (n.sender == QString::fromLatin1(set_names::kMaxBtn)) {
        showMaximized();
    } else if (n.sender == QString::fromLatin1(set_names::kRestoreBtn)) {
        showNormal();
    }
    // "menubtn" and "homepage_btn" have nothing to do.
}

}  // namespace ilmo::shell
