#pragma once
// The program's modal message box: a title, a text (or the language key of one) and either
// a confirm button alone or confirm and cancel.

#include <QDialog>

#include "device/Trace.h"
#include "shell/ui/NotificationSink.h"

namespace ilmo::shell {

class SkinResources;

class CMsgWnd : public QDialog, private ui::NotificationSink {
    Q_OBJECT
public:
    enum class Buttons { ConfirmOnly = 0, ConfirmAndCancel = 1 };

    // 1 when the user confirmed, 0 for cancel or close. A text that is a language key
    // shows that key's wording. The density follows the main window's (48 … 192).
    static int ask(QWidget* parent, SkinResources& skin, const QString& title,
                   const QString& text, Buttons buttons, int density,
                   const device::TraceSink& trace = {});

private:
    CMsgWnd(QWidget* parent, SkinResources& skin);
    void notify(const ui::Notification& notification) override;

    SkinResources& skin_;
    QWidget* content_ = nullptr;
};

}  // namespace ilmo::shell
