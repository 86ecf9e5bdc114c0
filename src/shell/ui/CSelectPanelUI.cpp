#include "shell/ui/CSelectPanelUI.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QStyleOption>

#include "shell/ui/CDeviceKeyButtonUI.h"

namespace ilmo::shell::ui {

namespace {
bool toggling_modifiers(Qt::KeyboardModifiers modifiers) {
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
}
}  // namespace

CSelectPanelUI::CSelectPanelUI(QWidget* parent) : QWidget(parent) {}

QList<CDeviceKeyButtonUI*> CSelectPanelUI::keys() const {
    return findChildren<CDeviceKeyButtonUI*>();
}

QList<CDeviceKeyButtonUI*> CSelectPanelUI::selected_keys() const {
    QList<CDeviceKeyButtonUI*> selected;
    for (CDeviceKeyButtonUI* key : keys())
        if (key->is_selected()) selected << key;
    return selected;
}

QStringList CSelectPanelUI::selected_names() const {
    QStringList names;
    for (const CDeviceKeyButtonUI* key : selected_keys()) names << key->objectName();
    return names;
}

void CSelectPanelUI::set_selected_names(const QStringList& names) {
    for (CDeviceKeyButtonUI* key : keys()) key->set_selected(names.contains(key->objectName()));
}

void CSelectPanelUI::clear_selection() {
    for (CDeviceKeyButtonUI* key : keys()) key->set_selected(false);
}

void CSelectPanelUI::paintEvent(QPaintEvent*) {
    // Lets a style sheet give the panel a background, as it would a plain QWidget.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

QRect CSelectPanelUI::key_rect(const CDeviceKeyButtonUI& key) const {
    return QRect(key.mapTo(this, QPoint(0, 0)), key.size());
}

CDeviceKeyButtonUI* CSelectPanelUI::key_at(QPoint pos) const {
    const QList<CDeviceKeyButtonUI*> all = keys();
    // Later keys are painted over earlier ones, so the last hit is the one on top.
    for (auto it = all.crbegin(); it != all.crend(); ++it)
        if ((*it)->isVisibleTo(this) && key_rect(**it).contains(pos)) return *it;
    return nullptr;
}

void CSelectPanelUI::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return event->ignore();
    pressed_ = true;
    dragging_ = false;
    press_pos_ = event->position().toPoint();
}

void CSelectPanelUI::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_) return event->ignore();
    const QPoint pos = event->position().toPoint();
    if (!dragging_ && (pos - press_pos_).manhattanLength() < QApplication::startDragDistance())
        return;
    dragging_ = true;
    if (!band_) band_ = new QRubberBand(QRubberBand::Rectangle, this);
    band_->setGeometry(QRect(press_pos_, pos).normalized());
    band_->show();
}

void CSelectPanelUI::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressed_ || event->button() != Qt::LeftButton) return event->ignore();
    pressed_ = false;
    const bool toggling = toggling_modifiers(event->modifiers());
    if (dragging_) {
        band_->hide();
        finish_band(QRect(press_pos_, event->position().toPoint()).normalized(), toggling);
    } else {
        finish_click(press_pos_, toggling);
    }
    dragging_ = false;
    emit selection_finished();
}

void CSelectPanelUI::finish_click(QPoint pos, bool toggling) {
    CDeviceKeyButtonUI* hit = key_at(pos);
    if (toggling) {
        if (hit) hit->set_selected(!hit->is_selected());
        return;
    }
    for (CDeviceKeyButtonUI* key : keys()) key->set_selected(key == hit);
}

void CSelectPanelUI::finish_band(const QRect& band, bool adding) {
    for (CDeviceKeyButtonUI* key : keys()) {
        const bool touched = key->isVisibleTo(this) && key_rect(*key).intersects(band);
        if (touched)
            key->set_selected(true);
        else if (!adding)
            key->set_selected(false);
    }
}

}  // namespace ilmo::shell::ui
