// The profile panel on a real page layout: what the user's clicks do to the list, the files
// and the device page.

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ShellSupport.h"
#include "macros/MacroOutcome.h"
#include "profiles/JsonFile.h"
#include "shell/CDeviceOptionUI.h"
#include "shell/CDevicePage.h"
#include "shell/CDeviceProfileUI.h"
#include "shell/names/ProfilePanelNames.h"
#include "shell/ui/ControlLookup.h"
#include "shell/ui/LanguageTexts.h"
#include "shell/ui/Notification.h"

using namespace ilmo;
using namespace ilmo::shell;

namespace {

constexpr int kMousePage = 0;
constexpr int kKeyboardPage = 1;
constexpr int kPadPage = 2;
constexpr int kHeadsetPage = 3;

QString latin(const char* text) { return QString::fromLatin1(text); }

QStringList combo_items(QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

// A panel on its own layout, with answers and file choices the test decides.
struct LonePanel {
    explicit LonePanel(testing::ShellRig& rig)
        : layout(rig.skin().build(latin(names::profile_panel::kUiFile), nullptr, nullptr)) {
        CDeviceProfileUI::Hooks hooks;
        hooks.confirm = [this](const QString& key) {
            asked << key;
            return agree;
        };
        hooks.notify = [this](const QString& key) { notices << key; };
        hooks.choose_file = [this](bool) { return chosen_file; };
        hooks.profile_loaded = [this](const std::filesystem::path& path) { loaded.push_back(path); };
        hooks.trace = [this](std::string_view line) {
            traces << QString::fromUtf8(line.data(), line.size());
        };
        panel = std::make_unique<CDeviceProfileUI>(layout.get(), rig.skin(), hooks);
        combo = ui::find_control<QComboBox>(layout.get(), latin(names::profile_panel::kProfileCombo));
        name_edit = ui::find_control<QLineEdit>(layout.get(), latin(names::profile_panel::kProfileNameEdit));
    }
    std::unique_ptr<QWidget> layout;
    std::unique_ptr<CDeviceProfileUI> panel;
    QComboBox* combo = nullptr;
    QLineEdit* name_edit = nullptr;
    bool agree = true;
    QString chosen_file;
    QStringList asked;
    QStringList notices;
    QStringList traces;
    std::vector<std::filesystem::path> loaded;

    bool click(const QString& name) {
        return panel->handle_notification({QStringLiteral("click"), name, nullptr, 0, {}});
    }
};

std::filesystem::path default_keyboard_document() {
    return std::filesystem::path(testing::program_folder().toStdString()) / "DefaultData" /
           "RM52X30C.Json";
}

}  // namespace

class ProfilePanelTest : public QObject {
    Q_OBJECT
private slots:
    void everyPageStartsWithItsFirstProfileLoaded() {
        testing::ShellRig rig;
        rig.window().initialise();
        for (int page = 0; page < 4; ++page) {
            CDevicePage* p = rig.window().page(page);
            QVERIFY(p->profile_panel() != nullptr);
            auto* combo = ui::find_control<QComboBox>(p, latin(names::profile_panel::kProfileCombo));
            QCOMPARE(combo_items(combo), QStringList{"profile1"});
            QVERIFY(p->profile_data() != nullptr);
            QVERIFY(std::filesystem::exists(p->profile_data()->document_path()));
            // The first load took the model's default section into the document.
            QVERIFY(!p->profile_data()->section().isNull());
        }
    }

    void tabsFollowTheDeviceKind() {
        testing::ShellRig rig;
        rig.window().initialise();
        auto tab_visible = [&](int page, const char* tab) {
            return ui::find_control<QWidget>(rig.window().page(page), latin(tab))->isVisibleTo(rig.window().page(page));
        };
        namespace n = names::profile_panel;
        QVERIFY(tab_visible(kMousePage, n::kCursorTab));
        QVERIFY(!tab_visible(kKeyboardPage, n::kCursorTab));
        QVERIFY(tab_visible(kKeyboardPage, n::kMacroTab));
        for (const char* hidden : {n::kCursorTab, n::kMacroTab, n::kSystemTab, n::kKeyTab})
            QVERIFY(!tab_visible(kPadPage, hidden));
        for (const char* shown : {n::kVoiceTab, n::kMagicTab, n::kVirtualTab})
            QVERIFY(tab_visible(kHeadsetPage, shown));
        QVERIFY(!tab_visible(kHeadsetPage, n::kKeyTab));
    }

    void confirmedOperationsChangeTheListAndCancelledOnesDoNot() {
        testing::ShellRig rig;
        QTemporaryDir folder;
        LonePanel lone(rig);
        const auto default_document = std::filesystem::path(testing::program_folder().toStdString()) /
                                      "DefaultData" / "RM52X30C.Json";
        QVERIFY(lone.panel->initialise(device::DeviceKind::Keyboard, folder.path().toStdString(), default_document, identifiers_));
        lone.agree = false;
        lone.panel->add_profile();
        QCOMPARE(combo_items(lone.combo), QStringList{"profile1"});
        QCOMPARE(lone.asked, QStringList{"message_text_27"});
        lone.agree = true;
        lone.panel->add_profile();
        lone.panel->copy_profile();
        QCOMPARE(combo_items(lone.combo), (QStringList{"profile1", "profile2", "profile1 copy"}));
        // The profile in use stays the first one.
        QCOMPARE(lone.combo->currentIndex(), 0);

        lone.name_edit->setText("   ");
        lone.panel->rename_profile();
        QCOMPARE(lone.notices, QStringList{"message_text_25"});
        lone.name_edit->setText("PROFILE2");
        lone.panel->rename_profile();
        QCOMPARE(lone.notices.last(), QString("message_text_5"));
        lone.name_edit->setText("Raid night");
        lone.panel->rename_profile();
        QCOMPARE(lone.combo->itemText(0), QString("Raid night"));

        lone.panel->select_profile(2);
        QCOMPARE(lone.combo->currentIndex(), 2);
        QCOMPARE(lone.loaded.back().filename().string().substr(0, 2), std::string("20"));
        lone.panel->delete_profile();
        QCOMPARE(combo_items(lone.combo), (QStringList{"Raid night", "profile2"}));
        QCOMPARE(lone.combo->currentIndex(), 1);
        QVERIFY(lone.asked.contains("message_text_29"));
    }

    void importAndExportGoThroughTheChosenFile() {
        testing::ShellRig rig;
        QTemporaryDir folder;
        QTemporaryDir elsewhere;
        LonePanel lone(rig);
        const auto default_document = std::filesystem::path(testing::program_folder().toStdString()) /
                                      "DefaultData" / "RM52X31C.Json";
        QVERIFY(lone.panel->initialise(device::DeviceKind::Mouse, folder.path().toStdString(), default_document, identifiers_));
        lone.chosen_file = elsewhere.filePath("mine.json");
        lone.panel->export_profile();
        QVERIFY(QFile::exists(lone.chosen_file));
        lone.panel->import_profile();
        QCOMPARE(combo_items(lone.combo), (QStringList{"profile1", "mine"}));
        // A cancelled dialog does nothing.
        lone.chosen_file.clear();
        lone.panel->import_profile();
        QCOMPARE(lone.combo->count(), 2);
        // A file that is no profile is ignored without a word.
        lone.chosen_file = elsewhere.filePath("junk.json");
        QFile junk(lone.chosen_file);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("{ not json");
        junk.close();
        lone.panel->import_profile();
        QCOMPARE(lone.combo->count(), 2);
        QVERIFY(lone.notices.isEmpty());
    }

    void choosingInTheComboLoadsTheProfileAfterAPause() {
        testing::ShellRig rig;
        rig.window().initialise();
        // The keyboard's page is the one shown; the mouse page's combo still acts on its own page.
        rig.bus().plug(sim::SimProduct::Keyboard);
        QTRY_VERIFY(rig.window().item(kKeyboardPage)->selected());
        const auto* keyboard = rig.window().page(kKeyboardPage)->profile_data();
        const auto keyboard_document = keyboard->document_path();
        CDevicePage* mouse = rig.window().page(kMousePage);
        mouse->profile_panel()->list()->add_new();
        auto* combo = ui::find_control<QComboBox>(mouse, latin(names::profile_panel::kProfileCombo));
        combo->addItem("profile2");
        const auto before = mouse->profile_data()->document_path();
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        QCOMPARE(mouse->profile_data()->document_path(), before);  // not at once
        QTRY_VERIFY(mouse->profile_data()->document_path() != before);
        QCOMPARE(mouse->profile_data()->document_path(),
                 mouse->profile_panel()->list()->document_path(1));
        QCOMPARE(keyboard->document_path(), keyboard_document);
    }

    void everyFailureIsToldToTheUser() {
        testing::ShellRig rig;
        QTemporaryDir root;
        QFile blocker(root.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        // A folder that is not given would be the working folder: run in an empty one.
        const QString started_in = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root.path()));
        for (const std::filesystem::path& folder :
             {std::filesystem::path(root.filePath("blocker/RM52X30C").toStdString()),
              std::filesystem::path()}) {
            LonePanel lone(rig);
            QVERIFY(lone.panel->initialise(device::DeviceKind::Keyboard, folder, default_keyboard_document(), identifiers_));
            const QStringList no_folder{"message_text_no_profile_folder"};
            QTRY_COMPARE(lone.notices, no_folder);
            lone.chosen_file = root.filePath("chosen.json");
            lone.panel->add_profile();
            lone.panel->import_profile();
            lone.panel->export_profile();
            lone.panel->select_profile(0);
            QCOMPARE(lone.notices, no_folder + no_folder + no_folder + no_folder + no_folder);
            QVERIFY(lone.asked.isEmpty());
        }
        QVERIFY(QDir::setCurrent(started_in));
        QCOMPARE(QDir(root.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{"blocker"});

        // A folder in the way of the index: nothing the panel writes there can land.
        QVERIFY(QDir(root.path()).mkpath("RM52X30C/ProfileList.ini"));
        LonePanel lone(rig);
        QVERIFY(lone.panel->initialise(device::DeviceKind::Keyboard, root.filePath("RM52X30C").toStdString(),
                                       default_keyboard_document(), identifiers_));
        const QStringList write_failed{"message_text_write_failed"};
        QTRY_COMPARE(lone.notices, write_failed);
        // The document reads say why, on the program's trace.
        QVERIFY(!lone.traces.filter("readjsonFile").isEmpty());
    }

    void everyNoticeHasAWordingInBothLanguages() {
        testing::ShellRig rig;
        QStringList keys;
        for (int outcome = 0; outcome <= static_cast<int>(profiles::ProfileOutcome::NoFolder);
             ++outcome) {
            const std::string_view key =
                profiles::notice_key(static_cast<profiles::ProfileOutcome>(outcome));
            if (!key.empty()) keys << QString::fromLatin1(key.data(), key.size());
        }
        keys << QString::fromLatin1(profiles::kSetAsideNotice)
             << QString::fromLatin1(profiles::kWriteFailedNotice);
        namespace notice = macros::notice;
        for (const std::string_view key :
             {notice::kNewLimit, notice::kImportLimit, notice::kManyEvents, notice::kBlankName,
              notice::kNameTaken, notice::kDeleteUsedMacro, notice::kWriteFailed,
              notice::kTooManyEvents})
            keys << QString::fromLatin1(key.data(), key.size());
        QVERIFY(keys.contains("message_text_no_profile_folder"));
        for (const char* file : {"lang/lan_en.xml", "lang/lan_zh.xml"}) {
            ui::LanguageTexts texts;
            QVERIFY(texts.load(rig.skin().paths().resource_file(QString::fromLatin1(file))));
            for (const QString& key : keys)
                QVERIFY2(texts.contains(key), qPrintable(key + u' ' + file));
        }
    }

    void buttonNotificationsReachTheirOperations() {
        testing::ShellRig rig;
        QTemporaryDir folder;
        LonePanel lone(rig);
        QVERIFY(lone.panel->initialise(device::DeviceKind::Keyboard, folder.path().toStdString(), default_keyboard_document(),
                                       identifiers_));
        // Names are compared ignoring case, except the menu's.
        QVERIFY(lone.click("DEVICE_ADD_BTN"));
        QCOMPARE(combo_items(lone.combo), (QStringList{"profile1", "profile2"}));
        auto* menu = ui::find_control<QWidget>(lone.layout.get(),
                                               latin(names::profile_panel::kProfileMenuLayout));
        QVERIFY(!lone.click("Profile_Fun_Spread_Btn"));
        QVERIFY(menu->isHidden());
        QVERIFY(lone.click("profile_fun_spread_btn"));
        QVERIFY(!menu->isHidden());
        QVERIFY(!lone.click("closebtn"));
        // A control of another panel, even under the same name, is not this panel's.
        QWidget elsewhere;
        QVERIFY(!lone.panel->handle_notification({"click", "device_add_btn", &elsewhere, 0, {}}));
        QCOMPARE(lone.combo->count(), 2);

        // "Restore factory settings": asked first, then the default document is loaded again.
        const std::filesystem::path document = lone.panel->current_document();
        Json::Value changed = profiles::read_json_file(document);
        changed["Device"][0]["LightInfo"]["SelectItem"] = 99;
        QVERIFY(profiles::write_json_file(document, changed));
        lone.agree = false;
        QVERIFY(lone.click("default_btn"));
        QCOMPARE(profiles::read_json_file(document), changed);
        lone.agree = true;
        const size_t loads = lone.loaded.size();
        QVERIFY(lone.click("default_btn"));
        QCOMPARE(lone.asked.last(), QString("message_text_22"));
        QCOMPARE(profiles::read_json_file(document)["Device"],
                 profiles::read_json_file(default_keyboard_document())["Device"]);
        QCOMPARE(lone.loaded.size(), loads + 1);
        QCOMPARE(lone.loaded.back(), document);
    }

    void aChoiceInTheDropDownLoadsAfterThePanelsOwnPause() {
        testing::ShellRig rig;
        QTemporaryDir folder;
        LonePanel lone(rig);
        QVERIFY(lone.panel->initialise(device::DeviceKind::Mouse, folder.path().toStdString(), default_keyboard_document(),
                                       identifiers_));
        lone.panel->add_profile();
        lone.combo->setCurrentIndex(1);
        QVERIFY(lone.panel->handle_notification(
            {"itemselect", latin(names::profile_panel::kProfileCombo), lone.combo, 1, {}}));
        QVERIFY(lone.loaded.empty());  // not at once
        QTRY_COMPARE(lone.loaded.size(), size_t{1});
        QCOMPARE(lone.loaded.back(), lone.panel->list()->document_path(1));
        QCOMPARE(lone.panel->list()->selected(), 1);
    }

private:
    profiles::TimestampIdSource identifiers_;
};

QTEST_MAIN(ProfilePanelTest)
#include "ProfilePanelTest.moc"
