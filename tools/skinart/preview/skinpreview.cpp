// skinpreview renders every layout of an assembled skin to PNG files, with the real custom
// controls, the style sheet and one language applied, and one composed main window with a
// few devices in it: a way to look at the skin without the program or the devices.
//   skinpreview <program folder> <output folder> [language file, default lang/lan_en.xml]

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPalette>
#include <QStackedWidget>
#include <QTextStream>
#include <QWidget>

#include "shell/ui/ControlFactory.h"
#include "shell/ui/FontTable.h"
#include "shell/ui/LanguageTexts.h"
#include "shell/ui/SkinPaths.h"
#include "shell/ui/StandardControls.h"
#include "shell/ui/UiLoader.h"

namespace {

using namespace ilmo::shell::ui;

struct Preview {
    const SkinPaths& paths;
    const ControlFactory& factory;
    const LanguageTexts& texts;

    QWidget* build(const QString& layout_or_file, bool is_file = false) const {
        UiLoader loader(factory, paths);
        QWidget* widget = is_file ? loader.load_file(layout_or_file) : loader.load(layout_or_file);
        if (!widget) {
            QTextStream(stderr) << loader.error_text() << '\n';
            return nullptr;
        }
        apply_fonts(widget, QApplication::font().family());
        texts.apply(widget);
        return widget;
    }
};

bool save(QWidget* widget, const QString& file) {
    // Layouts shown on their own get the window's colour behind them, as in the program.
    widget->setAttribute(Qt::WA_StyledBackground);
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(0x0B, 0x0D, 0x10));
    widget->setPalette(palette);
    widget->setAttribute(Qt::WA_DontShowOnScreen);
    widget->show();
    QApplication::processEvents();
    QDir().mkpath(QFileInfo(file).absolutePath());
    const bool saved = widget->grab().save(file);
    delete widget;
    return saved;
}

// The main window as it looks with a keyboard, a mouse and a headset connected and the
// keyboard's page shown.
QWidget* composed_main_window(const Preview& preview) {
    QWidget* main = preview.build(QStringLiteral("XML_MAIN"));
    if (!main) return nullptr;
    // The program puts the skin's background image on "root"; so does the preview.
    main->setStyleSheet(QStringLiteral("#root { border-image: url(%1); }")
                            .arg(preview.paths.resource_file(u"common/background.png")));
    auto* strip = main->findChild<QWidget*>(QStringLiteral("device_select_layout"));
    auto* pages = main->findChild<QStackedWidget*>(QStringLiteral("device_switch"));
    auto* power = main->findChild<QStackedWidget*>(QStringLiteral("device_power_switch"));
    if (auto* none = main->findChild<QWidget*>(QStringLiteral("No_device_Link"))) none->hide();
    const char* const stems[] = {"kb_device", "ms_device", "hd_device"};
    const char* const names[] = {"kb_device_name_text", "ms_device_name_text", "hd_device_name_text"};
    auto* strip_layout = strip ? qobject_cast<QBoxLayout*>(strip->layout()) : nullptr;
    for (int i = 0; i < 3 && strip_layout; ++i) {
        QWidget* item = preview.build(QStringLiteral("XML\\CustomControlXML\\DeviceOption.xml"));
        if (!item) continue;
        if (auto* option = item->findChild<QAbstractButton*>(QStringLiteral("device_select"))) {
            const QString base = QStringLiteral("common/device_ico/") + stems[i];
            option->setProperty("normalimage", base + "_normal.png");
            option->setProperty("selectedimage", base + "_selected.png");
            option->setChecked(i == 0);
        }
        if (auto* name = item->findChild<QWidget*>(QStringLiteral("device_select_name"))) {
            name->setProperty("langkey", QString::fromLatin1(names[i]));
            preview.texts.apply(name);
        }
        strip_layout->insertWidget(strip_layout->count() - 1, item);
    }
    if (power) {
        if (QWidget* indicator = preview.build(QStringLiteral("XML\\CustomControlXML\\MpDevicePower.xml"))) {
            power->addWidget(indicator);
            power->setCurrentWidget(indicator);
        }
    }
    if (pages) {
        if (QWidget* page = preview.build(QStringLiteral("XML\\DeviceXml\\keyboarddevice.xml"))) {
            pages->addWidget(page);
            pages->setCurrentWidget(page);
            if (auto* tab = page->findChild<QAbstractButton*>(QStringLiteral("deng_Op_tab")))
                tab->setChecked(true);
            if (auto* profiles = page->findChild<QComboBox*>(QStringLiteral("device_profile_combo")))
                profiles->addItems({QStringLiteral("profile1"), QStringLiteral("FPS night")});
            if (auto* menu = page->findChild<QWidget*>(QStringLiteral("profile_menu_layout"))) menu->show();
        }
    }
    return main;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() < 3) {
        err << "usage: skinpreview <program folder> <output folder> [language file]\n";
        return 2;
    }
    const SkinPaths paths(QFileInfo(args[1]).absoluteFilePath());
    const QString out = args[2];
    ControlFactory factory;
    register_standard_controls(factory, paths);
    // The pages' own classes live in the shell; plain widgets stand in for them here.
    for (const char* page : {"TavrinKeyboardDevice", "TavrinMouseDevice", "TavrinMousePadDevice",
                             "TavrinHS6533Device"})
        factory.add(QLatin1String(page), [](QWidget* parent) { return new QWidget(parent); });
    factory.add_subtree(QStringLiteral("DeviceProfileUI"),
                        QStringLiteral("XML\\CustomControlXML\\DeviceProfile.xml"));

    // The style sheet names its images "skin:..."; the program sets the same search path.
    QDir::setSearchPaths(QStringLiteral("skin"), {paths.skin_folder()});
    QFile style(paths.resource_file(u"style.qss"));
    if (style.open(QIODevice::ReadOnly)) app.setStyleSheet(QString::fromUtf8(style.readAll()));
    LanguageTexts texts;
    const QString language = args.size() > 3 ? args[3] : QStringLiteral("lang/lan_en.xml");
    if (!texts.load(paths.resource_file(language))) err << "cannot load " << language << '\n';

    const Preview preview{paths, factory, texts};
    int failures = 0;
    QDirIterator it(paths.skin_folder(), {QStringLiteral("*.ui")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QWidget* widget = preview.build(file, true);
        const QString relative = QDir(paths.skin_folder()).relativeFilePath(file);
        if (!widget || !save(widget, out + u'/' + QString(relative).replace(u'/', u'_') + QStringLiteral(".png"))) {
            err << "failed: " << relative << '\n';
            ++failures;
        }
    }
    QWidget* composed = composed_main_window(preview);
    if (!composed || !save(composed, out + QStringLiteral("/composed_main.png"))) ++failures;
    return failures == 0 ? 0 : 1;
}
