#include "shell/ui/CDeviceKeyButtonUI.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <QEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

#include "shell/ui/CSelectPanelUI.h"

namespace ilmo::shell::ui {

namespace {
constexpr qreal kCornerRadius_px = 3.0;
}  // namespace

CDeviceKeyButtonUI::CDeviceKeyButtonUI(QWidget* parent) : QAbstractButton(parent) {}

void CDeviceKeyButtonUI::set_light_color(QRgb rgb) {
    rgb_ = rgb & 0x00FFFFFFu;
    update();
}

void CDeviceKeyButtonUI::set_brightness(int brightness) {
    brightness_ = std::clamp(brightness, 0, 255);
    update();
}

QColor CDeviceKeyButtonUI::shown_color() const {
    const auto scaled = [this](int channel) { return channel * brightness_ / 256; };
    return QColor(scaled(qRed(rgb_)), scaled(qGreen(rgb_)), scaled(qBlue(rgb_)));
}

void CDeviceKeyButtonUI::set_selected(bool selected) {
    if (selected_ == selected) return;
    selected_ = selected;
    // Style sheets may match [selected="true"]; they look again only after a re-polish.
    style()->unpolish(this);
    style()->polish(this);
    update();
}

void CDeviceKeyButtonUI::set_selection_color(const QColor& color) {
    selection_color_ = color;
    update();
}

int CDeviceKeyButtonUI::index() const {
    const QString name = objectName();
    const qsizetype separator = name.lastIndexOf(u'_');
    if (separator < 0) return -1;
    bool ok = false;
    const int value = QStringView(name).mid(separator + 1).toInt(&ok);
    return ok ? value : -1;
}

QSize CDeviceKeyButtonUI::sizeHint() const {
    return {40, 40};
}

void CDeviceKeyButtonUI::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    const QColor fill = shown_color();

    painter.setBrush(fill);
    painter.setPen(selected_ ? QPen(selection_color_, 2) : QPen(palette().color(QPalette::Mid), 1));
    painter.drawRoundedRect(area, kCornerRadius_px, kCornerRadius_px);

    if (!text().isEmpty()) {
        // Dark text on light colours, light text on dark ones, so the caption stays legible.
        painter.setPen(fill.lightness() > 140 ? Qt::black : Qt::white);
        draw_caption(painter, area.adjusted(2, 1, -2, -1));
    }
}

void CDeviceKeyButtonUI::draw_caption(QPainter& painter, const QRectF& inner) const {
    // Long captions ("Backspace", "Num 7") must stay readable on small keys: first a smaller
    // font, then the words stacked on two lines, and only at the smallest size an ellipsis.
    constexpr int kSmallest_px = 7;
    QFont font = painter.font();
    const int largest_px = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const QString caption = text();
    const qsizetype space = caption.indexOf(u' ');
    for (int size_px = largest_px; size_px >= kSmallest_px; --size_px) {
        font.setPixelSize(size_px);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(caption) <= inner.width()) {
            painter.setFont(font);
            painter.drawText(inner, Qt::AlignCenter, caption);
            return;
        }
        if (space > 0 && 2 * metrics.height() <= inner.height() &&
            metrics.horizontalAdvance(caption.left(space)) <= inner.width() &&
            metrics.horizontalAdvance(caption.mid(space + 1)) <= inner.width()) {
            painter.setFont(font);
            painter.drawText(inner, Qt::AlignCenter,
                             caption.left(space) + u'\n' + caption.mid(space + 1));
            return;
        }
    }
    font.setPixelSize(kSmallest_px);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    painter.drawText(inner, Qt::AlignCenter,
                     metrics.elidedText(caption, Qt::ElideRight, inner.width()));
}

bool CDeviceKeyButtonUI::inside_select_panel() const {
    for (QWidget* ancestor = parentWidget(); ancestor; ancestor = ancestor->parentWidget())
        if (qobject_cast<CSelectPanelUI*>(ancestor)) return true;
    return false;
}

bool CDeviceKeyButtonUI::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            // In a select panel a press, drag or release belongs to the panel (rubber band,
            // modifiers); an ignored mouse event travels up the parent chain.
            if (inside_select_panel()) {
                event->ignore();
                return false;
            }
            break;
        default:
            break;
    }
    return QAbstractButton::event(event);
}

}  // namespace ilmo::shell::ui
