#pragma once
// The profile panel of a device page: the drop-down of the model's profiles, the name edit
// and the buttons that create, copy, rename, delete, import, export and reset profiles. It
// asks the user first where an operation cannot be undone, shows what went wrong, and lets
// the page reload its device when the profile in use changes. Without its profile folder it
// refuses every operation and says why.

#include <QObject>
#include <functional>
#include <memory>

#include "device/DeviceTables.h"
#include "device/Trace.h"
#include "profiles/ProfileList.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QTimer;
class QWidget;

namespace ilmo::shell {

namespace ui {
struct Notification;
}
class SkinResources;

class CDeviceProfileUI : public QObject {
    Q_OBJECT
public:
    // Asks a confirmation (language key) and answers whether the user agreed; shows a
    // notice (language key). The main window gives its message box.
    using Confirm = std::function<bool(const QString& text_key)>;
    using Notify = std::function<void(const QString& text_key)>;
    // Asks for a file to read or to write; empty when the user cancelled.
    using ChooseFile = std::function<QString(bool for_saving)>;

    struct Hooks {
        Confirm confirm;
        Notify notify;
        ChooseFile choose_file;
        // The profile in use changed or was rewritten: the page loads its document.
        std::function<void(const std::filesystem::path& document)> profile_loaded;
        // Hears why a document did not read or write.
        device::TraceSink trace;
    };

    // The pause between a choice in the drop-down and loading that profile.
    static constexpr int kSwitchDelayMs = 400;

    // `panel` is the built profile layout inside the page.
    CDeviceProfileUI(QWidget* panel, SkinResources& skin, Hooks hooks, QObject* parent = nullptr);
    ~CDeviceProfileUI() override;

    // Kind, folder and default document, then the list is read (or made) and shown and the
    // tabs suited to the kind are offered. Returns false when the panel's layout is missing.
    bool initialise(device::DeviceKind device_kind, const std::filesystem::path& profile_folder,
                    const std::filesystem::path& default_document,
                    profiles::TimestampIdSource& identifiers);

    // Handles a notification of one of the panel's own controls (its buttons, and a choice
    // in the drop-down, which is taken up after kSwitchDelayMs); false for any other.
    bool handle_notification(const ui::Notification& n);

    profiles::ProfileList* list() const { return list_.get(); }
    const device::TraceSink& trace_sink() const { return hooks_.trace; }
    // Shows a notice (language key) through the main window's message box.
    void notify_user(const QString& text_key) const {
        if (hooks_.notify) hooks_.notify(text_key);
    }
    // Reads the profile list again (the device changed its profiles itself) and shows it.
    void reload_list();
    int current_index() const;
    std::filesystem::path current_document() const;
    // The name of the profile in use; empty before the list is read.
    std::string current_name() const;

    // Operations behind the panel's controls. Each one refuses, with the notice, while the
    // profile folder is missing.
    void add_profile();
    void delete_profile();
    void copy_profile();
    void import_profile();
    void export_profile();
    void reset_profile();
    void rename_profile();
    void toggle_menu();
    // The combo's choice, taken up after a short pause so that scrolling through the list
    // does not load every profile on the way.
    void select_profile(int index);
    // Selects exactly one of the eight feature tabs (1..8); any other number clears them.
    void select_tab(int tab);

private:
    bool owns(const QObject* control) const;
    bool ready();
    void fill_combo();
    void show_selection(int index);
    void apply_tab_visibility(device::DeviceKind device_kind);
    bool report(const profiles::ProfileResult& result);
    void reload_current();

    QWidget* panel_;
    SkinResources& skin_;
    Hooks hooks_;
    QComboBox* combo_ = nullptr;
    QLineEdit* name_edit_ = nullptr;
    QWidget* menu_ = nullptr;
    QTimer* switch_timer_ = nullptr;
    std::unique_ptr<profiles::ProfileList> list_;
};

}  // namespace ilmo::shell
