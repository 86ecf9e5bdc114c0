#pragma once

#include <QList>
#include <QPoint>
#include <QStringList>
#include <QWidget>

class QRubberBand;

namespace ilmo::shell::ui {

class CDeviceKeyButtonUI;

// Holds the key buttons of a device picture and lets the user select them: a click selects
// one key (or clears the selection on empty space), Shift or Ctrl toggles the clicked key,
// and dragging a rubber band selects every key the band touches (added to the selection
// with Shift or Ctrl). Each finished click or drag emits selection_finished().
class CSelectPanelUI : public QWidget {
    Q_OBJECT
public:
    explicit CSelectPanelUI(QWidget* parent = nullptr);

    // All key buttons inside, in tree order; hidden ones included.
    QList<CDeviceKeyButtonUI*> keys() const;
    QList<CDeviceKeyButtonUI*> selected_keys() const;
    QStringList selected_names() const;

    // Selections made by code do not emit selection_finished().
    void set_selected_names(const QStringList& names);
    void clear_selection();

signals:
    void selection_finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect key_rect(const CDeviceKeyButtonUI& key) const;
    CDeviceKeyButtonUI* key_at(QPoint pos) const;
    void finish_click(QPoint pos, bool toggling);
    void finish_band(const QRect& band, bool adding);

    QRubberBand* band_ = nullptr;
    QPoint press_pos_;
    bool pressed_ = false;
    bool dragging_ = false;
};

}  // namespace ilmo::shell::ui
