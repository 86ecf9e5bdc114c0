#include "shell/CSkinFrame.h"

#include <QColor>
#include <QEvent>
#include <QFileDialog>
#include <QSettings>
#include <QVBoxLayout>

#include "shell/CMainWnd.h"
#include "shell/SkinResources.h"
#include "shell/names/SkinFrameNames.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/Notification.h"

namespace ilmo::shell {

namespace frame_names = names::skin_frame;

CSkinFrame::CSkinFrame(SkinResources& skin, CMainWnd& main_window, const QString& user_data_folder)
    : QWidget(&main_window, Qt::Popup | Qt::FramelessWindowHint),
      skin_(skin),
      main_window_(main_window),
      user_data_folder_(user_data_folder) {
    setObjectName("skinframe");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    content_ = skin_.build(QString::fromLatin1(frame_names::kUiFile), this, this);
    if (content_ != nullptr) {
        layout->addWidget(content_);
        resize(content_->size());
    }
}

QString CSkinFrame::settings_file(const QString& user_data_folder) {
    return user_data_folder + "/main.ini";
}

bool CSkinFrame::event(QEvent* event) {
    // The frame goes away as soon as it loses the focus.
    if (event->type() == QEvent::WindowDeactivate) close();
    return QWidget::event(event);
}

void CSkinFrame::remember(const QString& flags, const QString& image) {
    QSettings ini(settings_file(user_data_folder_), QSettings::IniFormat);
    ini.beginGroup("SKINIMAGE");
    ini.setValue("FLAGS", flags);
    ini.setValue("IMAGE", image);
    ini.endGroup();
    ini.sync();
}

void CSkinFrame::notify(const ui::Notification& n) {
    // The tabs are options in the layout, so choosing one arrives as its selection; a skin
    // that draws them as plain buttons sends clicks.
    const bool chosen = n.type == QString::fromLatin1("click") ||
                        (n.type == QString::fromLatin1("selectchanged") && n.value.toBool());
    const bool colour_tab = n.sender == QString::fromLatin1(frame_names::kSkinColor);
    if (chosen && (colour_tab || n.sender == QString::fromLatin1(frame_names::kSkinImage))) {
        ui::select_tab(content_, QString::fromLatin1(frame_names::kSkinTab), colour_tab ? 1 : 0);
        return;
    }
    if (n.type != QString::fromLatin1("click")) return;
    const QObject* control = n.control;
    if (n.sender.startsWith(QString::fromLatin1(frame_names::kSkinImageBtn)) && control) {
        const QString image = control->property(frame_names::kImageProperty).toString();
        main_window_.apply_skin_background(false, 0, image);
        remember("1", image);
    } else if (n.sender.startsWith(QString::fromLatin1(frame_names::kSkinColorBtn)) && control) {
        const QColor colour(control->property(frame_names::kColorProperty).toString());
        main_window_.apply_skin_background(true, colour.rgba(), {});
    } else if (n.sender == QString::fromLatin1(frame_names::kSkinReset)) {
        const QString image = QString::fromLatin1(frame_names::kDefaultImage);
        main_window_.apply_skin_background(false, 0, image);
        remember("0", image);
    } else if (n.sender == QString::fromLatin1(frame_names::kSkinCustom)) {
        const QString file = QFileDialog::getOpenFileName(
            this, {}, QStringLiteral("*.png"), QStringLiteral("(*.png) (*.png);;(*.*) (*)"));
        if (!file.isEmpty()) main_window_.apply_skin_background(false, 0, file);
    }
}

}  // namespace ilmo::shell
