#pragma once

#include <QColor>
#include <QWidget>

namespace ilmo::shell::ui {

// A ring that fills clockwise from the top as the value goes from 0 to 100, with the
// percentage in the middle. Colours and ring width are properties, so style sheets can set
// them (qproperty-progressColor: ...).
class CCircleProgressUI : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE set_value)
    Q_PROPERTY(QColor trackColor READ track_color WRITE set_track_color)
    Q_PROPERTY(QColor progressColor READ progress_color WRITE set_progress_color)
    Q_PROPERTY(int ringWidth READ ring_width WRITE set_ring_width)
    Q_PROPERTY(bool textVisible READ text_visible WRITE set_text_visible)
public:
    explicit CCircleProgressUI(QWidget* parent = nullptr);

    // Clamped to 0-100.
    void set_value(int percent);
    int value() const { return percent_; }

    QColor track_color() const { return track_color_; }
    void set_track_color(const QColor& color);
    QColor progress_color() const { return progress_color_; }
    void set_progress_color(const QColor& color);
    int ring_width() const { return ring_width_px_; }
    void set_ring_width(int width_px);
    bool text_visible() const { return text_visible_; }
    void set_text_visible(bool visible);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int percent_ = 0;
    QColor track_color_{0x3a, 0x3a, 0x3a};
    QColor progress_color_{0x00, 0xa8, 0xff};
    int ring_width_px_ = 6;
    bool text_visible_ = true;
};

}  // namespace ilmo::shell::ui
