// The English catalog as it ships: every text translated, in English, with the same blanks.
#include "Catalog.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QStringList placeholders(const QString& text)
{
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

TEST(Catalog, EveryTextIsTranslatedIntoEnglishWithTheSameBlanks)
{
    QString error;
    const std::vector<CatalogMessage> messages = readCatalog(QStringLiteral(QUORVEL_CATALOG), &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_GT(messages.size(), 100u);
    // Letters and quotes that only German uses.
    const QRegularExpression german(QStringLiteral("[äöüÄÖÜß„]"));
    for (const CatalogMessage& m : messages) {
        SCOPED_TRACE((m.context + QStringLiteral(": ") + m.source).toStdString());
        EXPECT_TRUE(m.type.isEmpty()) << "marked " << m.type.toStdString();
        EXPECT_FALSE(m.translation.isEmpty());
        EXPECT_FALSE(m.translation.contains(german)) << m.translation.toStdString();
        EXPECT_EQ(placeholders(m.translation), placeholders(m.source)) << m.translation.toStdString();
    }
}

}  // namespace
