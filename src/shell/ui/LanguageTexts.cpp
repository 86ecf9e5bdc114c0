#include "shell/ui/LanguageTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QXmlStreamReader>

namespace ilmo::shell::ui {

namespace {

struct ParsedLanguage {
    QString name;
    QHash<QString, QString> texts;
};

bool parse(QIODevice& device, ParsedLanguage& out) {
    QXmlStreamReader xml(&device);
    if (!xml.readNextStartElement() || xml.name() != u"Language") return false;
    out.name = xml.attributes().value(QLatin1String("name")).toString();
    while (xml.readNextStartElement()) {
        if (xml.name() != u"Text") {
            xml.skipCurrentElement();
            continue;
        }
        const QString id = xml.attributes().value(QLatin1String("id")).toString();
        const QString wording = xml.readElementText();
        if (!id.isEmpty()) out.texts.insert(id, wording);
    }
    // Reaching the end of <Language> is not enough: what follows must be well formed too.
    while (!xml.atEnd()) xml.readNext();
    return !xml.hasError();
}

void apply_text(QObject& object, const QString& wording) {
    if (auto* label = qobject_cast<QLabel*>(&object))
        label->setText(wording);
    else if (auto* button = qobject_cast<QAbstractButton*>(&object))
        button->setText(wording);
    else if (auto* group = qobject_cast<QGroupBox*>(&object))
        group->setTitle(wording);
    else if (auto* edit = qobject_cast<QLineEdit*>(&object))
        edit->setPlaceholderText(wording);
    else if (auto* action = qobject_cast<QAction*>(&object))
        action->setText(wording);
}

}  // namespace

bool LanguageTexts::load(const QString& file) {
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) return false;
    ParsedLanguage parsed;
    if (!parse(input, parsed)) return false;
    language_name_ = std::move(parsed.name);
    texts_ = std::move(parsed.texts);
    return true;
}

QString LanguageTexts::text(QStringView key) const {
    const auto it = texts_.constFind(key.toString());
    return it == texts_.cend() ? key.toString() : *it;
}

void LanguageTexts::apply(QWidget* root) const {
    if (!root) return;
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    for (QObject* object : objects) {
        const QString key = object->property("langkey").toString();
        if (!key.isEmpty()) apply_text(*object, text(key));

        const QString tip_key = object->property("tipkey").toString();
        if (!tip_key.isEmpty()) {
            if (auto* widget = qobject_cast<QWidget*>(object))
                widget->setToolTip(text(tip_key));
            else if (auto* action = qobject_cast<QAction*>(object))
                action->setToolTip(text(tip_key));
        }

        if (auto* combo = qobject_cast<QComboBox*>(object)) {
            for (int i = 0; i < combo->count(); ++i) {
                const QString item_key = combo->itemData(i, kLanguageKeyRole).toString();
                if (!item_key.isEmpty()) combo->setItemText(i, text(item_key));
            }
        }
    }
}

}  // namespace ilmo::shell::ui
