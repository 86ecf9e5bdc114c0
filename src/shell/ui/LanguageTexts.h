#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <functional>

class QWidget;

namespace ilmo::shell::ui {

// The wording of a language key in the language shown now.
using Translate = std::function<QString(QStringView language_key)>;

// The wording of the language keys ("message_text_24") from one language file:
//   <Language name="English"><Text id="message_text_24">...</Text>...</Language>
// Widgets name their keys in dynamic properties: "langkey" for the text (QLabel,
// QAbstractButton, QGroupBox title, QLineEdit placeholder, QAction), "tipkey" for the
// tooltip; combo items keep theirs in the item data role kLanguageKeyRole.
class LanguageTexts {
public:
    static constexpr int kLanguageKeyRole = Qt::UserRole + 1;

    // False for a missing, unreadable or malformed file; the texts loaded before stay.
    bool load(const QString& file);

    // The key itself when the language has no text for it, so a gap shows up on screen.
    QString text(QStringView key) const;
    bool contains(QStringView key) const { return texts_.contains(key.toString()); }
    // The "name" attribute of the loaded file's root element.
    const QString& language_name() const { return language_name_; }

    // Puts the current wording into every keyed widget under root (root included).
    void apply(QWidget* root) const;

private:
    QHash<QString, QString> texts_;
    QString language_name_;
};

}  // namespace ilmo::shell::ui
