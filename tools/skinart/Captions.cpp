#include "Captions.h"

#include <QFile>
#include <QXmlStreamReader>

namespace ilmo::skinart {

Captions::Captions(const QString& language_file) {
    QFile file(language_file);
    if (!file.open(QIODevice::ReadOnly)) return;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement()) {
        if (xml.name() == u"Language") continue;
        if (xml.name() == u"Text")
            texts_.insert(xml.attributes().value(QLatin1String("id")).toString(), xml.readElementText());
        else
            xml.skipCurrentElement();
    }
}

}  // namespace ilmo::skinart
