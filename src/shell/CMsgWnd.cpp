#include "shell/CMsgWnd.h"

#include <QAbstractButton>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/Density.h"
#include "shell/SkinResources.h"
#include "shell/names/MsgWndNames.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace names_msg = names::msg_wnd;

CMsgWnd::CMsgWnd(QWidget* parent, SkinResources& skin)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), skin_(skin) {
    setObjectName("MsgWnd");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    content_ = skin_.build(QString::fromLatin1(names_msg::kUiFile), this, this);
    if (content_ != nullptr) {
        layout->addWidget(content_);
        resize(content_->size());
    }
}

int CMsgWnd::ask(QWidget* parent, SkinResources& skin, const QString& title, const QString& text,
                 Buttons buttons, int density, const device::TraceSink& trace) {
    checked_density(density, "MSG_WND DPI SET ERROR", trace);
    CMsgWnd box(parent, skin);
    if (box.content_ == nullptr) return 0;
    auto show_text = [&](const char* name, const QString& value) {
        if (value.isEmpty()) return;
        if (auto* label = ui::find_control<QLabel>(box.content_, QString::fromLatin1(name)))
            label->setText(skin.texts().contains(value) ? skin.text(value) : value);
    };
    show_text(names_msg::kMessageTitle, title);
    show_text(names_msg::kMessageText, text);
    if (auto* cancel = ui::find_control<QAbstractButton>(
            box.content_, QString::fromLatin1(names_msg::kCancelBtn)))
        cancel->setVisible(buttons == Buttons::ConfirmAndCancel);
    // A long text makes the box taller instead of being cut off.
    if (QLayout* layout = box.layout(); layout != nullptr && layout->hasHeightForWidth())
        box.resize(box.width(), std::max(box.height(), layout->totalHeightForWidth(box.width())));
    if (parent != nullptr) {
        const QRect area = parent->frameGeometry();
        box.move(area.center() - box.rect().center());
    }
    return box.exec() == QDialog::Accepted ? 1 : 0;
}

void CMsgWnd::notify(const ui::Notification& notification) {
    if (notification.type != QString::fromLatin1("click")) return;
    if (notification.sender == QString::fromLatin1(names_msg::kConfirmBtn)) accept();
    else if (notification.sender == QString::fromLatin1(names_msg::kCancelBtn) ||
             notification.sender == QString::fromLatin1(names_msg::kCloseBtn))
        reject();
}

}  // namespace ilmo::shell
