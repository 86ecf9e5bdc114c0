#pragma once

#include <QHash>
#include <QPixmap>
#include <QPushButton>

#include "shell/ui/SkinPaths.h"

namespace ilmo::shell::ui {

// A button drawn from skin images, with the pointing-hand cursor. The images are named by
// dynamic properties, relative to the skin folder: "normalimage", "hotimage" (under the
// mouse), "pushedimage" (held down), "selectedimage" (checked). A missing state falls back
// to the normal image; with no image at all it draws as a plain QPushButton.
class CHandImgButtonUI : public QPushButton {
    Q_OBJECT
public:
    explicit CHandImgButtonUI(SkinPaths paths, QWidget* parent = nullptr);

    // The dynamic property whose image fits the current state, after the fallbacks;
    // empty when no image applies.
    QByteArray current_image_property() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& image(const QByteArray& property) const;
    bool has_image(const QByteArray& property) const;

    SkinPaths paths_;
    mutable QHash<QByteArray, QPixmap> images_;  // loaded on first paint, dropped on change
};

}  // namespace ilmo::shell::ui
