#include <QtTest>

#include <QImage>

#include "SkinFolder.h"
#include "shell/ui/CHandImgButtonUI.h"
#include "shell/ui/CHandImgSelectButtonUI.h"

namespace ilmo::shell::ui {

using testing::SkinFolder;

class HandImgButtonTest : public QObject {
    Q_OBJECT

    SkinFolder skin;

    void write_image(const QString& relative_path) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString path = skin.write(relative_path, {});
        QVERIFY(image.save(path, "PNG"));
    }

private slots:
    void initTestCase() {
        write_image(QStringLiteral("common/btn_normal.png"));
        write_image(QStringLiteral("common/btn_pushed.png"));
        write_image(QStringLiteral("common/btn_selected.png"));
    }

    void picks_the_image_of_its_state_and_falls_back_to_normal() {
        CHandImgSelectButtonUI button(SkinPaths(skin.program_folder()));
        QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(button.isCheckable());
        QCOMPARE(button.current_image_property(), QByteArray());

        button.setProperty("normalimage", "common/btn_normal.png");
        button.setProperty("hotimage", "common/btn_hot_missing.png");
        button.setProperty("pushedimage", "common\\btn_pushed.png");
        button.setProperty("selectedimage", "common/btn_selected.png");
        QCOMPARE(button.current_image_property(), QByteArray("normalimage"));
        button.setDown(true);
        QCOMPARE(button.current_image_property(), QByteArray("pushedimage"));
        button.setDown(false);
        button.setChecked(true);
        QCOMPARE(button.current_image_property(), QByteArray("selectedimage"));

        // Changing a property takes effect without a new button.
        button.setProperty("selectedimage", QVariant());
        QCOMPARE(button.current_image_property(), QByteArray("normalimage"));
    }
};

}  // namespace ilmo::shell::ui

QTEST_MAIN(ilmo::shell::ui::HandImgButtonTest)
#include "HandImgButtonTest.moc"
