#pragma once

#include <QFile>
#include <QString>
#include <QXmlStreamReader>

#include <vector>

// The messages of a Qt Linguist catalog (.ts): each text of the code with its context, its
// translation and the translation's mark ("unfinished", "vanished", "obsolete" or empty when
// done). Empty when the file cannot be read.
struct CatalogMessage {
    QString context, source, translation, type;
};

inline std::vector<CatalogMessage> readCatalog(const QString& path, QString* error = nullptr)
{
    std::vector<CatalogMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (!xml.readNext() || !xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back({context, {}, {}, {}});
        } else if (xml.name() == u"source" && !messages.empty()) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !messages.empty()) {
            messages.back().type = xml.attributes().value(QStringLiteral("type")).toString();
            messages.back().translation = xml.readElementText();
        }
    }
    if (xml.hasError() && error)
        *error = xml.errorString();
    return messages;
}
