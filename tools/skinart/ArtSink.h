#pragma once
// Canvases for the skin's images and the folder they are written to.

#include <QImage>
#include <QString>
#include <QStringList>

namespace ilmo::skinart {

// A transparent canvas of the given logical size. Its device pixel ratio makes painters
// draw in logical units, so images come out sharp when the layouts are scaled up.
QImage canvas(QSize logical, qreal pixel_ratio = 2.0);

class ArtSink {
public:
    explicit ArtSink(QString skin_folder) : skin_folder_(std::move(skin_folder)) {}
    // Writes the image as PNG under the skin folder, creating folders as needed.
    void save(const QImage& image, const QString& relative_path);
    // Paths that could not be written.
    const QStringList& failures() const { return failures_; }
    int written() const { return written_; }

private:
    QString skin_folder_;
    QStringList failures_;
    int written_ = 0;
};

}  // namespace ilmo::skinart
