#include "shell/ui/NotificationBridge.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QSlider>
#include <QTextEdit>

#include <memory>

#include "shell/ui/CColorPaletteUI.h"
#include "shell/ui/CSelectPanelUI.h"
#include "shell/ui/Notification.h"
#include "shell/ui/NotificationSink.h"

namespace ilmo::shell::ui {

namespace {

void send(NotificationSink* sink, const QString& type, QObject* control, int wparam = 0,
          QVariant value = {}) {
    sink->notify(Notification{type, control->objectName(), control, wparam, std::move(value)});
}

bool is_reported(const QObject* object) {
    const QString name = object->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

}  // namespace

NotificationBridge::NotificationBridge(QObject* parent) : QObject(parent) {}

void NotificationBridge::attach(QWidget* root, NotificationSink* sink) {
    if (!root || !sink) return;
    if (!roots_.contains(root)) {
        watch(root, sink, roots_);
        // Attached after it is already on screen: the first Show has passed, so the window
        // still hears "windowinit", once control is back in the event loop.
        if (root->isVisible()) {
            initialised_roots_.insert(root);
            QMetaObject::invokeMethod(
                this,
                [this, root, sink] {
                    if (roots_.contains(root)) send(sink, QStringLiteral("windowinit"), root);
                },
                Qt::QueuedConnection);
        }
    }
    if (is_reported(root)) connect_control(root, sink);
    for (QWidget* child : root->findChildren<QWidget*>())
        if (is_reported(child)) connect_control(child, sink);
}

void NotificationBridge::watch(QObject* object, NotificationSink* sink,
                               QHash<QObject*, NotificationSink*>& table) {
    forget_when_destroyed(object);
    table.insert(object, sink);
    object->installEventFilter(this);
}

void NotificationBridge::forget_when_destroyed(QObject* object) {
    if (tracked_.contains(object)) return;
    tracked_.insert(object);
    // A later widget may be given the same address; it must start unconnected.
    connect(object, &QObject::destroyed, this, [this](QObject* gone) {
        tracked_.remove(gone);
        controls_.remove(gone);
        roots_.remove(gone);
        focus_watch_.remove(gone);
        initialised_roots_.remove(gone);
    });
}

void NotificationBridge::connect_control(QWidget* control, NotificationSink* sink) {
    if (controls_.contains(control)) return;
    watch(control, sink, controls_);

    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        connect_button(button, sink);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        connect(combo, &QComboBox::activated, this, [sink, combo](int index) {
            send(sink, QStringLiteral("itemselect"), combo, index, index);
        });
    } else if (auto* slider = qobject_cast<QSlider*>(control)) {
        connect(slider, &QSlider::valueChanged, this, [sink, slider](int value) {
            send(sink, QStringLiteral("valuechanged"), slider, value, value);
        });
        connect(slider, &QSlider::sliderMoved, this, [sink, slider](int value) {
            send(sink, QStringLiteral("movevaluechanged"), slider, value, value);
        });
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        connect(edit, &QLineEdit::textEdited, this, [sink, edit](const QString& text) {
            send(sink, QStringLiteral("textchanged"), edit, 0, text);
        });
        connect(edit, &QLineEdit::returnPressed, this,
                [sink, edit] { send(sink, QStringLiteral("return"), edit, 0, edit->text()); });
        watch(edit, sink, focus_watch_);
    } else if (auto* text_edit = qobject_cast<QTextEdit*>(control)) {
        connect(text_edit, &QTextEdit::textChanged, this, [sink, text_edit] {
            send(sink, QStringLiteral("textchanged"), text_edit, 0, text_edit->toPlainText());
        });
        watch(text_edit, sink, focus_watch_);
    } else if (auto* plain_edit = qobject_cast<QPlainTextEdit*>(control)) {
        connect(plain_edit, &QPlainTextEdit::textChanged, this, [sink, plain_edit] {
            send(sink, QStringLiteral("textchanged"), plain_edit, 0, plain_edit->toPlainText());
        });
        watch(plain_edit, sink, focus_watch_);
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        connect(list, &QListWidget::itemClicked, this, [sink, list](QListWidgetItem* item) {
            const int row = list->row(item);
            send(sink, QStringLiteral("itemclick"), list, row, row);
        });
        connect(list, &QListWidget::currentRowChanged, this, [sink, list](int row) {
            send(sink, QStringLiteral("itemselect"), list, row, row);
        });
        connect(list, &QListWidget::itemActivated, this, [sink, list](QListWidgetItem* item) {
            const int row = list->row(item);
            send(sink, QStringLiteral("itemactivate"), list, row, row);
        });
    } else if (auto* palette = qobject_cast<CColorPaletteUI*>(control)) {
        connect(palette, &CColorPaletteUI::color_changed, this, [sink, palette](QRgb argb) {
            send(sink, QStringLiteral("colorchanged"), palette, 0, argb);
        });
    } else if (auto* panel = qobject_cast<CSelectPanelUI*>(control)) {
        connect(panel, &CSelectPanelUI::selection_finished, this,
                [sink, panel] { send(sink, QStringLiteral("click_select_end"), panel); });
    } else if (auto* menu = qobject_cast<QMenu*>(control)) {
        connect(menu, &QMenu::triggered, this, [sink, menu](QAction* action) {
            // A submenu's actions reach its parent menus too; only the owning menu reports.
            if (!menu->actions().contains(action)) return;
            send(sink, QStringLiteral("menu"), action, 0, action->data());
        });
    }
}

void NotificationBridge::connect_button(QAbstractButton* button, NotificationSink* sink) {
    // Qt's clicked() comes from the user (mouse, keyboard, click()), never from
    // setChecked(). The state at the press tells whether the click changed an option.
    auto checked_at_press = std::make_shared<bool>(button->isChecked());
    connect(button, &QAbstractButton::pressed, this,
            [button, checked_at_press] { *checked_at_press = button->isChecked(); });
    connect(button, &QAbstractButton::clicked, this,
            [sink, button, checked_at_press](bool checked) {
                if (!button->isCheckable()) return send(sink, QStringLiteral("click"), button);
                if (checked != *checked_at_press)
                    send(sink, QStringLiteral("selectchanged"), button, checked ? 1 : 0, checked);
                if (qobject_cast<QCheckBox*>(button))
                    send(sink, QStringLiteral("checkclick"), button, checked ? 1 : 0, checked);
            });
}

bool NotificationBridge::hit_first(QWidget* control, const QMouseEvent* event) const {
    // A control that ignores the click (a label) lets Qt pass it to its parents; only the
    // innermost connected control under the pointer reports it.
    QWidget* hit = control->childAt(event->position().toPoint());
    for (; hit != nullptr && hit != control; hit = hit->parentWidget())
        if (controls_.contains(hit)) return false;
    return true;
}

bool NotificationBridge::eventFilter(QObject* watched, QEvent* event) {
    if (NotificationSink* sink = roots_.value(watched)) {
        if (event->type() == QEvent::Show && !initialised_roots_.contains(watched)) {
            initialised_roots_.insert(watched);
            send(sink, QStringLiteral("windowinit"), watched);
        } else if (event->type() == QEvent::Resize) {
            send(sink, QStringLiteral("windowsize"), watched, 0,
                 static_cast<QResizeEvent*>(event)->size());
        }
    }
    if (NotificationSink* sink = controls_.value(watched)) {
        if (event->type() == QEvent::Enter)
            send(sink, QStringLiteral("msenter"), watched);
        else if (event->type() == QEvent::Leave)
            send(sink, QStringLiteral("msleave"), watched);
        else if (event->type() == QEvent::MouseButtonDblClick &&
                 hit_first(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event)))
            send(sink, QStringLiteral("dbclick"), watched);
    }
    if (NotificationSink* sink = focus_watch_.value(watched)) {
        if (event->type() == QEvent::FocusIn)
            send(sink, QStringLiteral("setfocus"), watched);
        else if (event->type() == QEvent::FocusOut)
            send(sink, QStringLiteral("killfocus"), watched);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ilmo::shell::ui
