// skinart draws the skin's images and writes the device page layouts.
//   skinart images <skin folder>   every image, as PNG, into the (built) skin folder
//   skinart layouts <skin folder>  skin/XML/DeviceXml/*.ui, from the picture geometry, and
//                                  the colour dialog's skin/PalletDialog.ui

#include <QGuiApplication>
#include <QTextStream>

#include "ArtSink.h"
#include "BackgroundArt.h"
#include "ButtonArt.h"
#include "DeviceIconArt.h"
#include "EmblemArt.h"
#include "PageWriter.h"
#include "PalletDialogWriter.h"
#include "PictureArt.h"
#include "PowerArt.h"
#include "SevenColourArt.h"

namespace {

int usage(QTextStream& err) {
    err << "usage: skinart images|layouts <skin folder>\n";
    return 2;
}

int report(QTextStream& err, const QStringList& failures) {
    for (const QString& path : failures) err << "skinart: cannot write " << path << '\n';
    return failures.isEmpty() ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Text-free drawing needs no display; the offscreen platform keeps it that way on
    // build machines.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) return usage(err);

    const QString& folder = args[2];
    if (args[1] == u"layouts")
        return report(err, ilmo::skinart::write_device_pages(folder) +
                               ilmo::skinart::write_pallet_dialog(folder));
    if (args[1] != u"images") return usage(err);

    ilmo::skinart::ArtSink sink(folder);
    ilmo::skinart::draw_backgrounds(sink);
    ilmo::skinart::draw_button_images(sink);
    ilmo::skinart::draw_device_icons(sink);
    ilmo::skinart::draw_power_images(sink);
    ilmo::skinart::draw_device_pictures(sink);
    ilmo::skinart::draw_emblems(sink);
    ilmo::skinart::draw_seven_colour_sample(sink);
    return report(err, sink.failures());
}
