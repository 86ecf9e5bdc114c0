// The skin against the code that uses it: every layout builds with the real loader, every
// control name the windows and panels look up is there with the class the lookup expects,
// the device pictures place their keys and lights sensibly, every language key a layout
// shows has a wording in every language, and every image a layout names is drawn.

#include <QtTest>

#include <QAbstractButton>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QXmlStreamReader>

#include <map>
#include <memory>
#include <set>

#include "../../src/shell/names/DeviceOptionNames.h"
#include "../../src/shell/names/DevicePageNames.h"
#include "../../src/shell/names/HeadsetPanelNames.h"
#include "../../src/shell/names/LightPanelNames.h"
#include "../../src/shell/names/KeyboardSystemNames.h"
#include "../../src/shell/names/MainWindowNames.h"
#include "../../src/shell/names/MouseSettingsNames.h"
#include "../../src/shell/names/MsgWndNames.h"
#include "../../src/shell/names/MusicWndNames.h"
#include "../../src/shell/names/PalletDialogNames.h"
#include "../../src/shell/names/PowerIndicatorNames.h"
#include "../../src/shell/names/ProfilePanelNames.h"
#include "../../src/shell/names/SetWndNames.h"
#include "../../src/shell/names/SkinFrameNames.h"
#include "shell/ui/CDeviceKeyButtonUI.h"
#include "shell/ui/CSelectPanelUI.h"
#include "shell/ui/ControlFactory.h"
#include "shell/ui/LanguageTexts.h"
#include "shell/ui/SkinPaths.h"
#include "shell/ui/StandardControls.h"
#include "shell/ui/UiLoader.h"

namespace ilmo::shell {

namespace {

namespace page_names = names::device_page;

// The assembled program folder when the build made one; otherwise the source tree, which
// holds skin/ and DefaultData/ side by side just the same (without the drawn images).
QString program_folder() {
    const QString built = qEnvironmentVariable("ILMO_PROGRAM_FOLDER");
    if (!built.isEmpty() && QFileInfo::exists(built + QStringLiteral("/skin/main.ui"))) return built;
    return QStringLiteral(ILMO_SOURCE_DIR);
}

QObject* find(QWidget* root, const QString& name) {
    if (root->objectName() == name) return root;
    return root->findChild<QObject*>(name);
}

QObject* find(QWidget* root, const char* name) { return find(root, QString::fromLatin1(name)); }

QString numbered(const char* prefix, int index) {
    return QString::fromLatin1(prefix) + QString::number(index);
}

QStringList ui_files(const QString& skin_folder) {
    QStringList files;
    QDirIterator it(skin_folder, {QStringLiteral("*.ui")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    files.sort();
    return files;
}

// The string values of the named properties anywhere in a .ui file, and the texts of the
// image elements Qt reads as files (pixmaps, icon states).
QStringList values_in_ui(const QString& file, const std::set<QString>& properties,
                         const std::set<QString>& elements = {}) {
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) return {};
    QStringList values;
    QXmlStreamReader xml(&input);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QString element = xml.name().toString();
        if (elements.count(element)) {
            values << xml.readElementText();
        } else if (element == u"property" &&
                   properties.count(xml.attributes().value(QLatin1String("name")).toString())) {
            if (xml.readNextStartElement() && xml.name() == u"string") values << xml.readElementText();
        }
    }
    return values;
}

// The ids of a language file in file order, repeats included.
QStringList language_ids(const QString& file) {
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) return {};
    QStringList ids;
    QXmlStreamReader xml(&input);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"Text")
            ids << xml.attributes().value(QLatin1String("id")).toString();
    }
    return ids;
}

bool overlapping(const QList<QWidget*>& widgets, QString* which) {
    for (qsizetype i = 0; i < widgets.size(); ++i)
        for (qsizetype j = i + 1; j < widgets.size(); ++j)
            if (widgets[i]->geometry().intersects(widgets[j]->geometry())) {
                *which = widgets[i]->objectName() + QStringLiteral(" and ") + widgets[j]->objectName();
                return true;
            }
    return false;
}

}  // namespace

class SkinLayoutsTest : public QObject {
    Q_OBJECT

public:
    SkinLayoutsTest() : paths_(program_folder()) {
        ui::register_standard_controls(factory_, paths_);
        // The page classes are the shell's; plain widgets that remember which class the
        // layout asked for stand in for them.
        for (const page_names::DevicePage& page : page_names::kPages) {
            const QString page_class = QString::fromLatin1(page.root_class);
            factory_.add(page_class, [page_class](QWidget* parent) {
                auto* widget = new QWidget(parent);
                widget->setProperty("builtAs", page_class);
                return widget;
            });
        }
        factory_.add_subtree(QString::fromLatin1(names::profile_panel::kPanelClass),
                             QString::fromLatin1(names::profile_panel::kUiFile));
        factory_.add(QString::fromLatin1(names::light_panel::kPanelClass),
                     [](QWidget* parent) { return new QWidget(parent); });
    }

private slots:
    void everyLayoutBuilds();
    void namedControlsExist_data();
    void namedControlsExist();
    void pagesAreBuiltAsTheirPageClasses();
    void emptyPagesSitAtTheIndicesTheirTabsSelect();
    void keyboardKeysAreAllOnTheBoardWithoutOverlapping();
    void lightsLieApartOnTheirPicture();
    void mouseKeysClickOutsideTheSelectPanel();
    void selectorOptionsJoinOneGroup();
    void everyTextCarriesALanguageKey();
    void everyShownLanguageKeyHasAWordingInEveryLanguage();
    void languageFilesShareOneKeySet();
    void languageListNamesItsFiles();
    void everyImageTheSkinNamesIsDrawn();

private:
    QWidget* layout(const char* layout_name) {
        auto& built = built_[QString::fromLatin1(layout_name)];
        if (!built) {
            ui::UiLoader loader(factory_, paths_);
            built.reset(loader.load(QString::fromLatin1(layout_name)));
            if (!built) qWarning().noquote() << loader.error_text();
        }
        return built.get();
    }
    QString skin_folder() const { return paths_.skin_folder(); }
    QStringList language_files() const;

    ui::SkinPaths paths_;
    ui::ControlFactory factory_;
    std::map<QString, std::unique_ptr<QWidget>> built_;
};

void SkinLayoutsTest::everyLayoutBuilds() {
    const QStringList files = ui_files(skin_folder());
    QVERIFY2(!files.isEmpty(), qPrintable(skin_folder()));
    for (const QString& file : files) {
        ui::UiLoader loader(factory_, paths_);
        std::unique_ptr<QWidget> root(loader.load_file(file));
        QVERIFY2(root, qPrintable(file + QStringLiteral(": ") + loader.error_text()));
    }
}

void SkinLayoutsTest::namedControlsExist_data() {
    QTest::addColumn<QString>("layout_name");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    const auto add = [](const char* layout, const auto& controls) {
        for (const names::NamedControl& control : controls)
            QTest::addRow("%s %s", layout, control.name)
                << QString::fromLatin1(layout) << QString::fromLatin1(control.name)
                << QString::fromLatin1(control.kind);
    };
    add(names::main_window::kUiFile, names::main_window::kControls);
    add(names::msg_wnd::kUiFile, names::msg_wnd::kControls);
    add(names::set_wnd::kUiFile, names::set_wnd::kControls);
    add(names::music_wnd::kUiFile, names::music_wnd::kControls);
    add(names::pallet_dialog::kUiFile, names::pallet_dialog::kControls);
    for (const char* prefix : {names::pallet_dialog::kPresetPrefix, names::pallet_dialog::kCollectedPrefix})
        for (int swatch = 0; swatch < 20; ++swatch) {
            const QByteArray name = numbered(prefix, swatch).toLatin1();
            add(names::pallet_dialog::kUiFile,
                std::initializer_list<names::NamedControl>{{name.constData(), "QAbstractButton"}});
        }
    add(names::skin_frame::kUiFile, names::skin_frame::kControls);
    add(names::device_option::kUiFile, names::device_option::kControls);
    add(names::power_indicator::kUiFile, names::power_indicator::kControls);
    add(names::profile_panel::kUiFile, names::profile_panel::kControls);
    add(page_names::kKeyboard.ui_file, names::keyboard_system::kControls);
    add(page_names::kMouse.ui_file, names::mouse_settings::kControls);
    add(page_names::kHeadset.ui_file, names::headset_panels::kControls);
    add(page_names::kKeyboard.ui_file, names::light_panel::kCustomControls);
    add(page_names::kKeyboard.ui_file, names::light_panel::kAudioControls);
    add(page_names::kMouse.ui_file, names::light_panel::kAudioControls);
    for (const page_names::DevicePage& page : page_names::kPages) {
        add(page.ui_file, page_names::kControls);
        add(page.ui_file, names::light_panel::kControls);
        const names::NamedControl own[] = {
            {names::profile_panel::kPanelItem, "QWidget"},
            {page.picture, "ilmo::shell::ui::CSelectPanelUI"},
        };
        add(page.ui_file, own);
        for (const page_names::StackPage& stack_page : page.pages) {
            const names::NamedControl pair[] = {{stack_page.stack, "QStackedWidget"},
                                                {stack_page.name, "QWidget"}};
            add(page.ui_file, pair);
        }
        for (int key = 0; key < page.key_count; ++key) {
            const QByteArray name = numbered(page_names::kKeyPrefix, key).toLatin1();
            add(page.ui_file, std::initializer_list<names::NamedControl>{{name.constData(), "QAbstractButton"}});
        }
        for (int light = page.first_light; light < page.light_end; ++light) {
            const QByteArray name = numbered(page_names::kLightPrefix, light).toLatin1();
            add(page.ui_file,
                std::initializer_list<names::NamedControl>{{name.constData(), "ilmo::shell::ui::CDeviceKeyButtonUI"}});
        }
    }
}

void SkinLayoutsTest::namedControlsExist() {
    QFETCH(QString, layout_name);
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QWidget* root = layout(layout_name.toLatin1().constData());
    QVERIFY2(root, qPrintable(layout_name));
    QObject* control = find(root, name);
    QVERIFY2(control, qPrintable(name + QStringLiteral(" missing in ") + layout_name));
    QVERIFY2(control->inherits(kind.toLatin1().constData()),
             qPrintable(name + QStringLiteral(" is a ") + QString::fromLatin1(control->metaObject()->className())));
}

void SkinLayoutsTest::pagesAreBuiltAsTheirPageClasses() {
    for (const page_names::DevicePage& page : page_names::kPages) {
        QWidget* root = layout(page.ui_file);
        QVERIFY2(root, page.ui_file);
        QCOMPARE(root->property("builtAs").toString(), QString::fromLatin1(page.root_class));
    }
}

void SkinLayoutsTest::emptyPagesSitAtTheIndicesTheirTabsSelect() {
    for (const page_names::DevicePage& page : page_names::kPages) {
        QWidget* root = layout(page.ui_file);
        QVERIFY2(root, page.ui_file);
        for (const page_names::StackPage& stack_page : page.pages) {
            auto* stack = qobject_cast<QStackedWidget*>(find(root, stack_page.stack));
            auto* widget = qobject_cast<QWidget*>(find(root, stack_page.name));
            QVERIFY2(stack && widget, stack_page.name);
            QCOMPARE(stack->indexOf(widget), stack_page.index);
            // Panels are built into the pages later; the picture page, the lighting tab, the keyboard's and
            // the mouse's system tabs, the mouse's DPI tab and the headset's sound tabs
            // alone come with their content.
            const auto is = [&](const page_names::DevicePage& device, const char* name) {
                return QLatin1String(page.ui_file) == QLatin1String(device.ui_file) &&
                       QLatin1String(stack_page.name) == QLatin1String(name);
            };
            const bool written =
                QLatin1String(stack_page.name) == QLatin1String(page_names::kPicturePage) ||
                QLatin1String(stack_page.name) == QLatin1String(page_names::kLightPage) ||
                is(page_names::kKeyboard, page_names::kSystemPage) ||
                is(page_names::kMouse, page_names::kSystemPage) || is(page_names::kMouse, page_names::kDpiPage) ||
                is(page_names::kHeadset, page_names::kVoicePage) || is(page_names::kHeadset, page_names::kMagicPage) ||
                is(page_names::kHeadset, page_names::kVirtualPage);
            if (!written) QVERIFY2(widget->findChildren<QWidget*>().isEmpty(), stack_page.name);
        }
    }
    QWidget* main = layout(names::main_window::kUiFile);
    QVERIFY(main);
    for (const char* stack_name : {names::main_window::kDeviceSwitch, names::main_window::kDevicePowerSwitch}) {
        auto* stack = qobject_cast<QStackedWidget*>(find(main, stack_name));
        QVERIFY2(stack && stack->count() == 1, stack_name);
        QVERIFY2(stack->widget(0)->findChildren<QWidget*>().isEmpty(), stack_name);
    }
}

void SkinLayoutsTest::keyboardKeysAreAllOnTheBoardWithoutOverlapping() {
    QWidget* root = layout(page_names::kKeyboard.ui_file);
    QVERIFY(root);
    auto* board = qobject_cast<ui::CSelectPanelUI*>(find(root, page_names::kKeyboard.picture));
    QVERIFY(board);
    QList<QWidget*> keys;
    for (int index = 0; index < page_names::kKeyboard.key_count; ++index) {
        auto* key = qobject_cast<ui::CDeviceKeyButtonUI*>(find(root, numbered(page_names::kKeyPrefix, index)));
        QVERIFY2(key, qPrintable(QString::number(index)));
        QCOMPARE(key->parentWidget(), board);
        QVERIFY2(board->rect().contains(key->geometry()), qPrintable(key->objectName()));
        keys << key;
    }
    QCOMPARE(board->keys().size(), page_names::kKeyboard.light_end);
    QString which;
    QVERIFY2(!overlapping(keys, &which), qPrintable(which));
}

void SkinLayoutsTest::lightsLieApartOnTheirPicture() {
    for (const page_names::DevicePage& page : page_names::kPages) {
        QWidget* root = layout(page.ui_file);
        QVERIFY2(root, page.ui_file);
        auto* panel = qobject_cast<ui::CSelectPanelUI*>(find(root, page.picture));
        QVERIFY2(panel, page.picture);
        QList<QWidget*> lights;
        for (int index = page.first_light; index < page.light_end; ++index) {
            QWidget* light = qobject_cast<QWidget*>(find(root, numbered(page_names::kLightPrefix, index)));
            QVERIFY2(light && light->parentWidget() == panel, qPrintable(numbered(page_names::kLightPrefix, index)));
            QVERIFY2(panel->rect().contains(light->geometry()), qPrintable(light->objectName()));
            QVERIFY2(!light->geometry().isEmpty(), qPrintable(light->objectName()));
            lights << light;
        }
        QString which;
        QVERIFY2(!overlapping(lights, &which), qPrintable(QLatin1String(page.ui_file) + u' ' + which));
    }
}

void SkinLayoutsTest::mouseKeysClickOutsideTheSelectPanel() {
    // Inside a select panel a key only selects; the mouse's keys must click.
    QWidget* root = layout(page_names::kMouse.ui_file);
    QVERIFY(root);
    auto* panel = qobject_cast<QWidget*>(find(root, page_names::kMouse.picture));
    QVERIFY(panel);
    QList<QWidget*> keys;
    for (int index = 0; index < page_names::kMouse.key_count; ++index) {
        auto* key = qobject_cast<QAbstractButton*>(find(root, numbered(page_names::kKeyPrefix, index)));
        QVERIFY2(key, qPrintable(QString::number(index)));
        QCOMPARE(key->parentWidget(), panel->parentWidget());
        QVERIFY2(!key->geometry().intersects(panel->geometry()), qPrintable(key->objectName()));
        keys << key;
    }
    QString which;
    QVERIFY2(!overlapping(keys, &which), qPrintable(which));
}

void SkinLayoutsTest::selectorOptionsJoinOneGroup() {
    QWidget* item = layout(names::device_option::kUiFile);
    QVERIFY(item);
    auto* option = qobject_cast<QAbstractButton*>(find(item, names::device_option::kDeviceSelect));
    QVERIFY(option);
    QVERIFY(option->isCheckable());
    QCOMPARE(option->property("group").toString(), QString::fromLatin1(names::device_option::kOptionGroup));
    auto* synchro = qobject_cast<QAbstractButton*>(find(item, names::device_option::kSynchroDeviceSelect));
    QVERIFY(synchro && synchro->isCheckable());
    // Each item's sync choice is its own: grouping it would let one device's choice clear another's.
    QVERIFY(synchro->property("group").toString().isEmpty());
}

void SkinLayoutsTest::everyTextCarriesALanguageKey() {
    // A text without a key would stay in the language the layout was written in.
    for (const QString& file : ui_files(skin_folder())) {
        ui::UiLoader loader(factory_, paths_);
        std::unique_ptr<QWidget> root(loader.load_file(file));
        QVERIFY2(root, qPrintable(file));
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets << root.get();
        for (QWidget* widget : widgets) {
            QString text;
            if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
            if (text.isEmpty()) continue;
            QVERIFY2(!widget->property("langkey").toString().isEmpty(),
                     qPrintable(file + u' ' + widget->objectName() + QStringLiteral(": ") + text));
        }
    }
}

QStringList SkinLayoutsTest::language_files() const {
    return {paths_.resource_file(u"lang/lan_en.xml"), paths_.resource_file(u"lang/lan_zh.xml")};
}

void SkinLayoutsTest::everyShownLanguageKeyHasAWordingInEveryLanguage() {
    std::vector<ui::LanguageTexts> languages(language_files().size());
    for (size_t i = 0; i < languages.size(); ++i)
        QVERIFY2(languages[i].load(language_files()[static_cast<qsizetype>(i)]),
                 qPrintable(language_files()[static_cast<qsizetype>(i)]));
    QStringList keys{QString::fromLatin1(names::main_window::kControlLightOnText),
                     QString::fromLatin1(names::main_window::kControlLightOffText),
                     QString::fromLatin1(names::main_window::kTrayMenuExitText),
                     QString::fromLatin1(names::power_indicator::kPhoneIphoneText),
                     QString::fromLatin1(names::power_indicator::kPhoneSamsungText),
                     QString::fromLatin1(names::power_indicator::kPhoneOtherText),
                     QString::fromLatin1(names::power_indicator::kPhoneNoDeviceText),
                     QString::fromLatin1(names::mouse_settings::kOutOfReachText)};
    for (const names::device_option::KindLook& look : names::device_option::kKindLooks)
        keys << QString::fromLatin1(look.name_text);
    for (const char* key : names::headset_panels::kLanguageKeys) keys << QString::fromLatin1(key);
    for (const QString& file : ui_files(skin_folder()))
        keys << values_in_ui(file, {QStringLiteral("langkey"), QStringLiteral("tipkey")});
    // The parse must have reached the layouts' own keys, not only the ones named above.
    QVERIFY(keys.contains(QStringLiteral("keyboard_key_Esc")));
    QVERIFY(keys.contains(QStringLiteral("confirm_btn_text")));
    for (const QString& key : keys)
        for (size_t i = 0; i < languages.size(); ++i)
            QVERIFY2(languages[i].contains(key),
                     qPrintable(key + QStringLiteral(" missing in ") + language_files()[static_cast<qsizetype>(i)]));
}

void SkinLayoutsTest::languageFilesShareOneKeySet() {
    const QStringList english = language_ids(language_files()[0]);
    const QStringList chinese = language_ids(language_files()[1]);
    QVERIFY(!english.isEmpty());
    for (const QStringList& ids : {english, chinese}) {
        const QSet<QString> unique(ids.begin(), ids.end());
        QCOMPARE(unique.size(), ids.size());
    }
    const QSet<QString> english_set(english.begin(), english.end());
    const QSet<QString> chinese_set(chinese.begin(), chinese.end());
    QVERIFY2(english_set == chinese_set,
             qPrintable(QStringList((english_set - chinese_set).values() + (chinese_set - english_set).values())
                            .join(u' ')));
}

void SkinLayoutsTest::languageListNamesItsFiles() {
    QFile list(paths_.program_folder() + QStringLiteral("/DefaultData/Language.config"));
    QVERIFY(list.open(QIODevice::ReadOnly));
    const QJsonArray entries = QJsonDocument::fromJson(list.readAll()).object().value(u"Language").toArray();
    QVERIFY(entries.size() >= 2);
    QSet<int> ids;
    for (const QJsonValue& value : entries) {
        const QJsonObject entry = value.toObject();
        ids.insert(entry.value(u"Language_ID").toInt(-1));
        ui::LanguageTexts texts;
        const QString file = entry.value(u"Language_file").toString();
        QVERIFY2(texts.load(paths_.resource_file(file)), qPrintable(file));
        // The list entry and the file it names must speak of the same language.
        QCOMPARE(texts.language_name(), entry.value(u"Language_text").toString());
    }
    QCOMPARE(ids.size(), entries.size());
    QVERIFY(!ids.contains(-1));
}

void SkinLayoutsTest::everyImageTheSkinNamesIsDrawn() {
    if (!QFileInfo::exists(paths_.resource_file(u"common/background.png")))
        QSKIP("the skin's images are drawn when the program folder is assembled (target ilmo_skin)");
    QStringList images;
    for (const QString& file : ui_files(skin_folder()))
        images << values_in_ui(file,
                               {QStringLiteral("normalimage"), QStringLiteral("hotimage"),
                                QStringLiteral("pushedimage"), QStringLiteral("selectedimage"),
                                QStringLiteral("userdata")},
                               {QStringLiteral("pixmap"), QStringLiteral("normaloff"), QStringLiteral("normalon")});
    namespace option = names::device_option;
    for (const option::KindLook& look : option::kKindLooks)
        for (const char* suffix : {option::kNormalSuffix, option::kSelectedSuffix, option::kSynchroNormalSuffix,
                                   option::kSynchroSelectedSuffix})
            images << QString::fromLatin1(option::kIconFolder) + QString::fromLatin1(look.stem) +
                          QString::fromLatin1(suffix);
    namespace power = names::power_indicator;
    for (const char* image : {power::kPowered, power::kPowering, power::kPower, power::kPhoneIphone,
                              power::kPhoneSamsung, power::kPhoneOther, power::kPhoneNoDevice,
                              names::skin_frame::kDefaultImage})
        images << QString::fromLatin1(image);
    QFile style(paths_.resource_file(u"style.qss"));
    QVERIFY(style.open(QIODevice::ReadOnly));
    const QRegularExpression skin_url(QStringLiteral(R"(url\(skin:([^)]+)\))"));
    for (const QRegularExpressionMatch& match : skin_url.globalMatch(QString::fromUtf8(style.readAll())))
        images << match.captured(1);
    QVERIFY(images.size() > 80);
    for (const QString& image : images)
        QVERIFY2(QFileInfo::exists(paths_.resource_file(image)), qPrintable(image));
}

}  // namespace ilmo::shell

QTEST_MAIN(ilmo::shell::SkinLayoutsTest)
#include "SkinLayoutsTest.moc"
