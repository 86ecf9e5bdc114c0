#include "ArtSink.h"

#include <QDir>
#include <QFileInfo>

namespace ilmo::skinart {

QImage canvas(QSize logical, qreal pixel_ratio) {
    QImage image(logical * pixel_ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixel_ratio);
    image.fill(Qt::transparent);
    return image;
}

void ArtSink::save(const QImage& image, const QString& relative_path) {
    const QString path = skin_folder_ + u'/' + relative_path;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) ||
        !image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
        failures_ << relative_path;
        return;
    }
    ++written_;
}

}  // namespace ilmo::skinart
