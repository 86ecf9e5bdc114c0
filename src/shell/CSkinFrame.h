#pragma once
// The skin frame: pick the main window's background from thumbnails, a colour, or an
// image file of one's own. Image choices from the thumbnails and resets are remembered in
// "main.ini".

#include <QWidget>

#include "shell/ui/NotificationSink.h"

namespace ilmo::shell {

class CMainWnd;
class SkinResources;

class CSkinFrame : public QWidget, private ui::NotificationSink {
    Q_OBJECT
public:
    CSkinFrame(SkinResources& skin, CMainWnd& main_window, const QString& user_data_folder);

    // "main.ini" in the user's data folder.
    static QString settings_file(const QString& user_data_folder);

protected:
    bool event(QEvent* event) override;

private:
    void notify(const ui::Notification& notification) override;
    void remember(const QString& flags, const QString& image);

    SkinResources& skin_;
    CMainWnd& main_window_;
    QString user_data_folder_;
    QWidget* content_ = nullptr;
};

}  // namespace ilmo::shell
