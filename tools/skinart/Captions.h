#pragma once
// English wording of the language keys, so the layouts read right before any language is
// applied (in Designer, and in the first frame).

#include <QHash>
#include <QString>

namespace ilmo::skinart {

class Captions {
public:
    // Reads the language file's texts; a file that cannot be read leaves the keys as texts.
    explicit Captions(const QString& language_file);
    QString text(const QString& key) const { return texts_.value(key, key); }

private:
    QHash<QString, QString> texts_;
};

}  // namespace ilmo::skinart
