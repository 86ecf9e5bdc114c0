#pragma once
// The settings window: the language list, and the area where the update page lives.

#include <QDialog>

#include "shell/ui/NotificationSink.h"

class QComboBox;

namespace ilmo::shell {

class CMainWnd;
class SkinResources;

class CSetWnd : public QDialog, private ui::NotificationSink {
    Q_OBJECT
public:
    static constexpr int kWidth = 630;
    static constexpr int kHeight = 500;

    CSetWnd(SkinResources& skin, CMainWnd& main_window, QWidget* parent);
    // Redraws the texts after the language changed.
    void retranslate();

private:
    void notify(const ui::Notification& notification) override;
    void fill_language_list();

    SkinResources& skin_;
    CMainWnd& main_window_;
    QWidget* content_ = nullptr;
    QComboBox* languages_ = nullptr;
};

}  // namespace ilmo::shell
