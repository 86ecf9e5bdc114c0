#pragma once

#include <QHash>
#include <QObject>
#include <QSet>

class QAbstractButton;
class QMouseEvent;
class QWidget;

namespace ilmo::shell::ui {

class NotificationSink;

// Turns the Qt signals of a window's named controls into Notifications for one sink.
//
// What is reported, and whether a change made by code (not by the user) is reported too:
//   buttons, not checkable    clicked             "click"            user only (Qt: clicked)
//   buttons, checkable        state after a click "selectchanged"    user only; wparam/value =
//     (QRadioButton, QCheckBox, checkable QPushButton)     the new state. Clicking an option
//     that is already selected reports nothing, and the option a group deselects in turn is
//     not reported: handlers read the states they need.
//   QComboBox                 activated           "itemselect"       user only; wparam = index.
//     Choosing the current item again reports again, as Qt activates it again.
//   QSlider                   valueChanged        "valuechanged"     any change: handlers of
//     sliders act on the value however it came, so setValue() from code reports as well
//   QSlider                   sliderMoved         "movevaluechanged" user dragging only
//   QLineEdit                 textEdited          "textchanged"      user only
//   QTextEdit, QPlainTextEdit textChanged         "textchanged"      any change (Qt does not
//                                                                    tell them apart)
//   QLineEdit                 returnPressed       "return"
//   edits                     focus in / out      "setfocus" / "killfocus"
//   QListWidget               itemClicked         "itemclick"        wparam = row
//   QListWidget               currentRowChanged   "itemselect"       any change; wparam = row
//   QListWidget               itemActivated       "itemactivate"     wparam = row
//   CColorPaletteUI           colour picked       "colorchanged"     user only; value = 0xFFRRGGBB
//   CSelectPanelUI            selection made      "click_select_end" user only
//   QMenu                     action triggered    "menu"             sender = the action's name,
//                                                                    value = the action's data
//   QCheckBox                 clicked             "checkclick"       user only, after its
//                                                                    "selectchanged"; wparam =
//                                                                    the new state
//   every connected control   double click        "dbclick"          (a button's clicks stay)
//   every connected control   mouse enters/leaves "msenter" / "msleave"
//   the root                  first Show          "windowinit"       once per root
//   the root                  Resize              "windowsize"       value = the new QSize
// Controls whose name is empty or starts with "qt_" (Qt's inner parts) are not connected.
class NotificationBridge : public QObject {
    Q_OBJECT
public:
    explicit NotificationBridge(QObject* parent = nullptr);

    // Connects root and its named descendants to sink. Calling it again for the same root
    // connects only the controls added since; nothing is connected twice.
    void attach(QWidget* root, NotificationSink* sink);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connect_control(QWidget* control, NotificationSink* sink);
    void connect_button(QAbstractButton* button, NotificationSink* sink);
    void watch(QObject* object, NotificationSink* sink, QHash<QObject*, NotificationSink*>& table);
    void forget_when_destroyed(QObject* object);
    bool hit_first(QWidget* control, const QMouseEvent* event) const;

    QSet<QObject*> tracked_;
    QHash<QObject*, NotificationSink*> controls_;     // pointer: enter, leave, double click
    QHash<QObject*, NotificationSink*> roots_;        // show and resize
    QHash<QObject*, NotificationSink*> focus_watch_;  // edits: focus in and out
    QSet<QObject*> initialised_roots_;
};

}  // namespace ilmo::shell::ui
