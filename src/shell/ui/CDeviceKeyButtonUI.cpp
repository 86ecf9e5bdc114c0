#include "shell/ui/CDeviceKeyButtonUI.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <QEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QStyle>

#include <algorithm>
#include <utility>

#include "shell/ui/CSelectPanelUI.h"

namespace ilmo::shell::ui {

namespace {
constexpr qreal kCornerRadius_px = 3.0;

// A caption split at its first space, or after the "+" of a combination ("Fn+" and "Esc");
// two empty lines when it has neither.
std::pair<QString, QString> two_lines(const QString& caption) {
    if (const qsizetype space = caption.indexOf(u' '); space > 0)
        return {caption.left(space), caption.mid(space + 1)};
    if (const qsizetype plus = caption.indexOf(u'+', 1); plus > 0 && plus + 1 < caption.size())
        return {caption.left(plus + 1), caption.mid(plus + 1)};
    return {};
}
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

void CDeviceKeyButtonUI::set_glow(bool glow) {
    glow_ = glow;
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
    if (glow_) {
        draw_glow(painter);
        return;
    }
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
    // Long captions ("Backspace", "Num 7", "Fn+Esc") must stay readable on small keys: first a
    // smaller font, then two lines (split at the first space, or after the "+" of a
    // combination), and only at the smallest size an ellipsis.
    constexpr int kSmallest_px = 7;
    QFont font = painter.font();
    const int largest_px = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const QString caption = text();
    const auto [first_line, second_line] = two_lines(caption);
    for (int size_px = largest_px; size_px >= kSmallest_px; --size_px) {
        font.setPixelSize(size_px);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(caption) <= inner.width()) {
            painter.setFont(font);
            painter.drawText(inner, Qt::AlignCenter, caption);
            return;
        }
        if (!first_line.isEmpty() && 2 * metrics.height() <= inner.height() &&
            metrics.horizontalAdvance(first_line) <= inner.width() &&
            metrics.horizontalAdvance(second_line) <= inner.width()) {
            painter.setFont(font);
            painter.drawText(inner, Qt::AlignCenter, first_line + u'\n' + second_line);
            return;
        }
    }
    font.setPixelSize(kSmallest_px);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    painter.drawText(inner, Qt::AlignCenter,
                     metrics.elidedText(caption, Qt::ElideRight, inner.width()));
}

void CDeviceKeyButtonUI::draw_glow(QPainter& painter) const {
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    const QPointF centre = area.center();
    const qreal halo_radius = std::min(area.width(), area.height()) / 2;
    const qreal core_radius = std::max(3.0, halo_radius * 0.28);
    const QColor lit = shown_color();
    // The halo is as strong as the LED shines: a dark colour leaves only the unlit core.
    const int shine = std::max({lit.red(), lit.green(), lit.blue()});
    QRadialGradient halo(centre, halo_radius);
    const auto faded = [&lit, shine](double share) {
        QColor c = lit;
        c.setAlpha(static_cast<int>(shine * share));
        return c;
    };
    halo.setColorAt(0.0, faded(1.0));
    halo.setColorAt(0.35, faded(0.6));
    halo.setColorAt(0.7, faded(0.18));
    halo.setColorAt(1.0, faded(0.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(centre, halo_radius, halo_radius);

    // A lit core runs towards white, as an LED's hot spot does.
    const QColor core = QColor::fromRgbF(lit.redF() + (1 - lit.redF()) * shine / 510.0,
                                         lit.greenF() + (1 - lit.greenF()) * shine / 510.0,
                                         lit.blueF() + (1 - lit.blueF()) * shine / 510.0);
    painter.setBrush(core);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.drawEllipse(centre, core_radius, core_radius);
    if (selected_) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(selection_color_, 2));
        painter.drawEllipse(centre, core_radius + 4, core_radius + 4);
    }
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
