// The colour dialog against the shipped layout: the colour option file it reads and writes,
// what its swatches, palette and edits do to the current colour, and the colour OK hands
// back.

#include <QAbstractButton>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "ShellSupport.h"
#include "profiles/JsonFile.h"
#include "shell/Application.h"
#include "shell/CColorSelectWnd.h"
#include "shell/ColorSelection.h"
#include "shell/names/PalletDialogNames.h"
#include "shell/ui/CColorPaletteUI.h"
#include "shell/ui/ControlLookup.h"

using namespace ilmo;
using namespace ilmo::shell;
namespace pallet_names = names::pallet_dialog;

namespace {

QByteArray file_bytes(const std::filesystem::path& path) {
    std::string bytes;
    return profiles::read_file_bytes(path, bytes) ? QByteArray::fromStdString(bytes) : QByteArray();
}

class Dialog {
public:
    Dialog(SkinResources& skin, const QString& folder, QRgb initial)
        : window(nullptr, skin, folder.toStdString(), initial) {}

    template <class T = QAbstractButton>
    T* control(const QString& name) {
        return ui::find_control<T>(&window, name);
    }
    void click(const char* prefix, int index) {
        control(QLatin1String(prefix) + QString::number(index))->click();
    }
    void type(int component, const QString& text) {
        auto* edit = control<QLineEdit>(QLatin1String(pallet_names::kEdits[component]));
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    CColorSelectWnd::Choice ok() {
        control(QLatin1String(pallet_names::kOkBtn))->click();
        return window.choice();
    }

    CColorSelectWnd window;
};

}  // namespace

class ColorSelectWndTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { register_program_controls(skin_); }

    void swatchesStoreIntoTheSelectedCollectedSwatchAndTheFileKeepsThem() {
        QTemporaryDir user;
        const auto file = std::filesystem::path(user.path().toStdString()) / "color_option_info.config";
        Json::Value document;
        Json::Value& info = document["coloroptioninfo"];
        info["palletDialogcoloroption"][3]["color"] = "FF102030";
        info["palletDialogcollectcoloroption"][5]["color"] = "FF405060";
        info["palletDialogcollectcoloroption"][5]["UserData"] = "1";
        info["palletDialogcollectcoloroption"][2]["color"] = "FF0000FF";  // not marked: empty
        info["palletDialogcollectcoloroption_selectitem"] = 5;
        QVERIFY(profiles::write_json_file(file, document));
        const QByteArray before = file_bytes(file);

        {
            Dialog d(skin_, user.path(), 0xFF000001);
            // An empty collected swatch is no choice: nothing is saved, the colour stays.
            d.click(pallet_names::kCollectedPrefix, 2);
            QCOMPARE(file_bytes(file), before);
            d.click(pallet_names::kPresetPrefix, 3);
            QCOMPARE(d.control<QLineEdit>(QLatin1String(pallet_names::kEdits[2]))->text(), QString("48"));
            const CColorSelectWnd::Choice choice = d.ok();
            QCOMPARE(choice.outcome, CColorSelectWnd::kChosen);
            QCOMPARE(choice.color, 0xFF102030u);
        }
        const Json::Value saved = profiles::read_json_file(file)["coloroptioninfo"];
        QCOMPARE(saved["palletDialogcollectcoloroption"][5]["color"].asString(), std::string("FF102030"));
        QCOMPARE(saved["palletDialogcollectcoloroption"][5]["UserData"].asString(), std::string("1"));
        QCOMPARE(saved["palletDialogcoloroption_selectitem"].asInt(), 3);

        // The next dialog shows the collected colour and gives it back.
        Dialog again(skin_, user.path(), 0xFF000001);
        auto* seven = again.control(QLatin1String(pallet_names::kSevenColor));
        seven->setChecked(true);
        again.click(pallet_names::kCollectedPrefix, 5);
        QVERIFY(!seven->isChecked());
        QCOMPARE(again.ok().color, 0xFF102030u);
    }

    void thePaletteFillsTheSelectedSwatchAndTheEditsRebuildTheColour() {
        QTemporaryDir user;
        Dialog d(skin_, user.path(), 0xFF112233);
        // No collected swatch is selected yet: a palette pick is shown, not stored.
        auto* palette = d.control<ui::CColorPaletteUI>(QLatin1String(pallet_names::kPallet));
        emit palette->color_changed(0xFF00FF00);
        QVERIFY(!QFileInfo::exists(user.path() + "/color_option_info.config"));
        QCOMPARE(d.control<QLineEdit>(QLatin1String(pallet_names::kEdits[1]))->text(), QString("255"));

        d.type(0, "18");
        d.type(1, "5x");  // the edit takes digits only
        d.type(2, "86");
        QCOMPARE(palette->select_color(), 0xFF120556u);
        QCOMPARE(d.ok().color, 0xFF120556u);

        // Text that reaches the colour in other ways still cannot leave 0-255.
        QCOMPARE(color_from_components(0xFF112233, {"300", "junk", "-5"}), 0xFFFF2200u);
    }

    void closingChoosesNothing() {
        QTemporaryDir user;
        Dialog d(skin_, user.path(), 0xFF112233);
        d.window.show();
        d.click(pallet_names::kPresetPrefix, 0);
        d.control(QLatin1String(pallet_names::kCloseBtn))->click();
        QVERIFY(!d.window.isVisible());
        QCOMPARE(d.window.result(), 0);
        QCOMPARE(d.window.choice().outcome, CColorSelectWnd::kClosed);
    }

private:
    SkinResources skin_{testing::program_folder()};
};

QTEST_MAIN(ColorSelectWndTest)
#include "ColorSelectWndTest.moc"
