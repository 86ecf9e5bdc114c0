#include "SevenColourArt.h"

#include <QLinearGradient>
#include <QPainter>

#include "ArtSink.h"
#include "shell/names/PalletDialogNames.h"

namespace ilmo::skinart {

void draw_seven_colour_sample(ArtSink& sink) {
    // Drawn large: it fills the dialog's preview as well as its small sample.
    const QSize size(210, 120);
    QImage image = canvas(size);
    QPainter p(&image);
    QLinearGradient bands(0, 0, size.width(), 0);
    const QRgb colours[] = {0xFFFF0000, 0xFFFF8000, 0xFFFFFF00, 0xFF00FF00,
                            0xFF00FFFF, 0xFF0000FF, 0xFF8000FF};
    const int last = static_cast<int>(std::size(colours)) - 1;
    for (int i = 0; i <= last; ++i) bands.setColorAt(static_cast<double>(i) / last, colours[i]);
    p.fillRect(QRect(QPoint(0, 0), size), bands);
    p.end();
    sink.save(image, QLatin1String(ilmo::shell::names::pallet_dialog::kSevenColorImage));
}

}  // namespace ilmo::skinart
