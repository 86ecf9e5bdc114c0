#include "shell/ui/CCircleProgressUI.h"

#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace ilmo::shell::ui {

namespace {
// QPainter angles are in 1/16 degree, counter-clockwise from three o'clock.
constexpr int kTop_16th_deg = 90 * 16;
constexpr int kFullCircle_16th_deg = 360 * 16;
}  // namespace

CCircleProgressUI::CCircleProgressUI(QWidget* parent) : QWidget(parent) {}

void CCircleProgressUI::set_value(int percent) {
    percent_ = std::clamp(percent, 0, 100);
    update();
}

void CCircleProgressUI::set_track_color(const QColor& color) {
    track_color_ = color;
    update();
}

void CCircleProgressUI::set_progress_color(const QColor& color) {
    progress_color_ = color;
    update();
}

void CCircleProgressUI::set_ring_width(int width_px) {
    ring_width_px_ = std::max(width_px, 1);
    update();
}

void CCircleProgressUI::set_text_visible(bool visible) {
    text_visible_ = visible;
    update();
}

QSize CCircleProgressUI::sizeHint() const {
    return {64, 64};
}

void CCircleProgressUI::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);

    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height());
    const qreal inset = ring_width_px_ / 2.0 + 1;
    QRectF ring(0, 0, side, side);
    ring.moveCenter(QRectF(rect()).center());
    ring.adjust(inset, inset, -inset, -inset);

    painter.setPen(QPen(track_color_, ring_width_px_));
    painter.drawEllipse(ring);
    if (percent_ > 0) {
        QPen pen(progress_color_, ring_width_px_);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawArc(ring, kTop_16th_deg, -kFullCircle_16th_deg * percent_ / 100);
    }
    if (text_visible_) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(ring, Qt::AlignCenter, QStringLiteral("%1%").arg(percent_));
    }
}

}  // namespace ilmo::shell::ui
