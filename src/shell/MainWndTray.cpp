#include "shell/MainWndTray.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

#include "shell/SkinResources.h"
#include "shell/names/MainWindowNames.h"

namespace ilmo::shell {

namespace main_names = names::main_window;

namespace {

// The property naming an action's language key, so a language switch can find its wording.
constexpr const char* kLanguageKey = "langkey";

}  // namespace

MainWndTray::MainWndTray(SkinResources& skin, bool available, QWidget* window)
    : QObject(window), skin_(skin), menu_(new QMenu(window)) {
    add_action(QString::fromLatin1(main_names::kTrayMenuExit),
               QString::fromLatin1(main_names::kTrayMenuExitText),
               [this] { emit exit_requested(); });
    if (!available) return;
    icon_ = new QSystemTrayIcon(QIcon(skin_.paths().resource_file(u"common/tray_icon.png")), this);
    icon_->setToolTip("ILMO RQ07");
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger) emit clicked();
        if (r == QSystemTrayIcon::Context) emit menu_requested();
    });
    icon_->show();
}

void MainWndTray::add_action(const QString& name, const QString& text_key,
                             std::function<void()> action) {
    auto* item = new QAction(skin_.text(text_key), menu_);
    item->setObjectName(name);
    item->setProperty(kLanguageKey, text_key);
    connect(item, &QAction::triggered, this, std::move(action));
    // Whatever the program adds goes before "exit", which stays last.
    menu_->insertAction(menu_->actions().value(0), item);
}

void MainWndTray::retranslate() {
    for (QAction* action : menu_->actions())
        action->setText(skin_.text(action->property(kLanguageKey).toString()));
}

void MainWndTray::popup_menu() { menu_->popup(QCursor::pos()); }

void MainWndTray::hide_icon() {
    if (icon_ != nullptr) icon_->hide();
}

}  // namespace ilmo::shell
