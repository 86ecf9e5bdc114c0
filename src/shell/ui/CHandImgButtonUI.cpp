#include "shell/ui/CHandImgButtonUI.h"

#include <QEvent>
#include <QPainter>

namespace ilmo::shell::ui {

CHandImgButtonUI::CHandImgButtonUI(SkinPaths paths, QWidget* parent)
    : QPushButton(parent), paths_(std::move(paths)) {
    setCursor(Qt::PointingHandCursor);
    // Repaint on hover enter and leave, for the hot image.
    setAttribute(Qt::WA_Hover);
}

bool CHandImgButtonUI::event(QEvent* event) {
    // The layout sets the image properties after construction, and code may change them.
    if (event->type() == QEvent::DynamicPropertyChange) {
        images_.clear();
        update();
    }
    return QPushButton::event(event);
}

const QPixmap& CHandImgButtonUI::image(const QByteArray& property) const {
    auto it = images_.find(property);
    if (it == images_.end()) {
        const QString relative = this->property(property.constData()).toString();
        it = images_.insert(
            property, relative.isEmpty() ? QPixmap() : QPixmap(paths_.resource_file(relative)));
    }
    return *it;
}

bool CHandImgButtonUI::has_image(const QByteArray& property) const {
    return !image(property).isNull();
}

QByteArray CHandImgButtonUI::current_image_property() const {
    QByteArrayList order;
    if (isDown()) order << "pushedimage";
    if (isChecked()) order << "selectedimage";
    if (underMouse() || testAttribute(Qt::WA_UnderMouse)) order << "hotimage";
    order << "normalimage";
    for (const QByteArray& property : order)
        if (has_image(property)) return property;
    return {};
}

void CHandImgButtonUI::paintEvent(QPaintEvent* event) {
    const QByteArray property = current_image_property();
    if (property.isEmpty()) return QPushButton::paintEvent(event);

    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), image(property));
    if (!text().isEmpty()) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                       QPalette::ButtonText));
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
}

}  // namespace ilmo::shell::ui
