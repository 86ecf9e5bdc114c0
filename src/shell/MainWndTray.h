#pragma once
// The main window's place in the system tray: the icon with its tool tip, its clicks and its
// menu ("exit" and whatever the program adds). Where the desktop offers no tray there is no
// icon; the window then has to stay reachable by itself (available() says which).

#include <QObject>
#include <QString>
#include <functional>

class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace ilmo::shell {

class SkinResources;

class MainWndTray : public QObject {
    Q_OBJECT
public:
    // `available`: whether the desktop has a tray to put the icon in.
    MainWndTray(SkinResources& skin, bool available, QWidget* window);

    bool available() const { return icon_ != nullptr; }
    // Adds an item before "exit"; its text is the language key's wording.
    void add_action(const QString& name, const QString& text_key, std::function<void()> action);
    // Shows the items' wording in the language now loaded.
    void retranslate();
    void popup_menu();
    void hide_icon();

signals:
    void clicked();         // left button: show or hide the window
    void menu_requested();  // right button
    void exit_requested();

private:
    SkinResources& skin_;
    QMenu* menu_ = nullptr;
    QSystemTrayIcon* icon_ = nullptr;
};

}  // namespace ilmo::shell
