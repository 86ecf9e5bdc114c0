#include "shell/ui/EditProperties.h"

#include <QIntValidator>
#include <QLineEdit>
#include <QLocale>

#include <limits>

namespace ilmo::shell::ui {

namespace {

int int_property(const QLineEdit& edit, const char* name, int fallback) {
    bool ok = false;
    const int value = edit.property(name).toInt(&ok);
    return ok ? value : fallback;
}

void apply_to(QLineEdit& edit) {
    const bool ranged = edit.property("minvalue").isValid() || edit.property("maxvalue").isValid();
    if (edit.property("numberonly").toBool() || ranged) {
        // Digits only unless a negative minimum says otherwise, and no group separators:
        // the handlers read the text back with toInt().
        auto* validator = new QIntValidator(
            int_property(edit, "minvalue", 0),
            int_property(edit, "maxvalue", std::numeric_limits<int>::max()), &edit);
        QLocale plain_digits = QLocale::c();
        plain_digits.setNumberOptions(QLocale::RejectGroupSeparator);
        validator->setLocale(plain_digits);
        edit.setValidator(validator);
    }
    const int max_chars = int_property(edit, "maxchar", 0);
    if (max_chars > 0) edit.setMaxLength(max_chars);
}

}  // namespace

void apply_edit_properties(QWidget* root) {
    if (!root) return;
    if (auto* edit = qobject_cast<QLineEdit*>(root)) apply_to(*edit);
    for (QLineEdit* edit : root->findChildren<QLineEdit*>()) apply_to(*edit);
}

}  // namespace ilmo::shell::ui
