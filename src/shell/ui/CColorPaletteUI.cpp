#include "shell/ui/CColorPaletteUI.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace ilmo::shell::ui {

namespace {
constexpr int kGap_px = 6;
constexpr int kMarkerRadius_px = 4;
constexpr int kMaxHue = 359;
constexpr int kMaxLevel = 255;

int scale_to(int offset, int span, int max) {
    if (span <= 1) return 0;
    return std::clamp(offset, 0, span - 1) * max / (span - 1);
}

int position_of(int level, int max, int span) {
    return span <= 1 ? 0 : level * (span - 1) / max;
}
}  // namespace

CColorPaletteUI::CColorPaletteUI(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::CrossCursor);
}

void CColorPaletteUI::set_select_color(QRgb argb) {
    color_ = argb | 0xFF000000u;
    int hue = -1;
    QColor(color_).getHsv(&hue, &saturation_, &value_);
    if (hue >= 0) hue_ = hue;
    update();
}

void CColorPaletteUI::set_bar_height(int height_px) {
    bar_height_px_ = std::max(height_px, 1);
    rebuild_field_image();
    update();
}

QSize CColorPaletteUI::sizeHint() const {
    return {240, 160};
}

QRect CColorPaletteUI::field_rect() const {
    return QRect(0, 0, width(), std::max(height() - bar_height_px_ - kGap_px, 1));
}

QRect CColorPaletteUI::bar_rect() const {
    return QRect(0, height() - bar_height_px_, width(), bar_height_px_);
}

void CColorPaletteUI::rebuild_field_image() {
    const QRect field = field_rect();
    field_image_ = QImage(field.size(), QImage::Format_RGB32);
    for (int y = 0; y < field.height(); ++y) {
        const int saturation = kMaxLevel - scale_to(y, field.height(), kMaxLevel);
        auto* line = reinterpret_cast<QRgb*>(field_image_.scanLine(y));
        for (int x = 0; x < field.width(); ++x)
            line[x] =
                QColor::fromHsv(scale_to(x, field.width(), kMaxHue), saturation, kMaxLevel).rgb();
    }
}

void CColorPaletteUI::resizeEvent(QResizeEvent*) {
    rebuild_field_image();
}

void CColorPaletteUI::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect field = field_rect();
    const QRect bar = bar_rect();
    if (field_image_.size() != field.size()) rebuild_field_image();
    painter.drawImage(field.topLeft(), field_image_);

    QLinearGradient strip(bar.topLeft(), bar.topRight());
    strip.setColorAt(0, Qt::black);
    strip.setColorAt(1, QColor::fromHsv(hue_, saturation_, kMaxLevel));
    painter.fillRect(bar, strip);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(value_ > 128 && saturation_ < 100 ? Qt::black : Qt::white, 1.5));
    const QPoint field_marker(
        field.left() + position_of(hue_, kMaxHue, field.width()),
        field.top() + position_of(kMaxLevel - saturation_, kMaxLevel, field.height()));
    painter.drawEllipse(field_marker, kMarkerRadius_px, kMarkerRadius_px);

    const int bar_x = bar.left() + position_of(value_, kMaxLevel, bar.width());
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(bar_x, bar.top(), bar_x, bar.bottom());
}

void CColorPaletteUI::pick(QPoint pos) {
    if (drag_ == Drag::Field) {
        const QRect field = field_rect();
        hue_ = scale_to(pos.x() - field.left(), field.width(), kMaxHue);
        saturation_ = kMaxLevel - scale_to(pos.y() - field.top(), field.height(), kMaxLevel);
    } else if (drag_ == Drag::Bar) {
        const QRect bar = bar_rect();
        value_ = scale_to(pos.x() - bar.left(), bar.width(), kMaxLevel);
    } else {
        return;
    }
    const QRgb picked = QColor::fromHsv(hue_, saturation_, value_).rgb() | 0xFF000000u;
    update();
    if (picked == color_) return;
    color_ = picked;
    emit color_changed(color_);
}

void CColorPaletteUI::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return event->ignore();
    const QPoint pos = event->position().toPoint();
    drag_ = field_rect().contains(pos) ? Drag::Field
            : bar_rect().contains(pos) ? Drag::Bar
                                       : Drag::None;
    pick(pos);
}

void CColorPaletteUI::mouseMoveEvent(QMouseEvent* event) {
    pick(event->position().toPoint());
}

void CColorPaletteUI::mouseReleaseEvent(QMouseEvent* event) {
    pick(event->position().toPoint());
    drag_ = Drag::None;
}

}  // namespace ilmo::shell::ui
