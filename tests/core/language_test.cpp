// Which language the programs speak, and the English translation they carry.
#include "core/language.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace chaserom;

namespace {

TEST(Language, RussianForRussianDesktopsAndTheCLocaleEnglishForTheRest) {
    EXPECT_EQ(chooseLanguage({}, {}, QLocale(QLocale::C)), Language::Russian);
    EXPECT_EQ(chooseLanguage({}, {}, QLocale(QStringLiteral("ru_RU"))), Language::Russian);
    EXPECT_EQ(chooseLanguage({}, {}, QLocale(QStringLiteral("en_US"))), Language::English);
    EXPECT_EQ(chooseLanguage({}, {}, QLocale(QStringLiteral("de_DE"))), Language::English);
    // The choice stored in the editor, then the command line, come first.
    EXPECT_EQ(chooseLanguage({}, Language::English, QLocale(QLocale::C)), Language::English);
    EXPECT_EQ(
        chooseLanguage(Language::Russian, Language::English, QLocale(QStringLiteral("en_US"))),
        Language::Russian);
}

TEST(Language, TheOptionIsFoundAndTakenOutWhereverItStands) {
    const QStringList split = {QStringLiteral("--language"), QStringLiteral("en"),
                               QStringLiteral("gif"), QStringLiteral("x.bin")};
    EXPECT_EQ(languageArgument(split), QStringLiteral("en"));
    EXPECT_EQ(withoutLanguageArgument(split),
              (QStringList{QStringLiteral("gif"), QStringLiteral("x.bin")}));
    const QStringList joined = {QStringLiteral("x.bin"), QStringLiteral("--language=ru")};
    EXPECT_EQ(languageArgument(joined), QStringLiteral("ru"));
    EXPECT_EQ(withoutLanguageArgument(joined), QStringList{QStringLiteral("x.bin")});
    // After "--" it is a file name.
    const QStringList file = {QStringLiteral("--"), QStringLiteral("--language")};
    EXPECT_FALSE(languageArgument(file));
    EXPECT_EQ(withoutLanguageArgument(file), file);
    EXPECT_FALSE(languageNamed(QStringLiteral("fr")));
    EXPECT_EQ(languageNamed(QStringLiteral("en")), Language::English);
}

TEST(Translation, EveryEnglishTextIsFinishedHasNoRussianAndKeepsItsPlaceholders) {
    QFile file(QStringLiteral(CHASEROM_TRANSLATION));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&file);
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    const QRegularExpression placeholder(QStringLiteral("%L?\\d|%n"));
    const auto placeholders = [&](const QString& text) {
        QStringList found;
        for (const auto& match : placeholder.globalMatch(text)) {
            found << match.captured().remove(u'L');
        }
        found.sort();
        return found;
    };
    int messages = 0;
    QString source;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (ts.name() == QLatin1String("source")) {
            source = ts.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (ts.name() == QLatin1String("translation")) {
            ++messages;
            EXPECT_NE(ts.attributes().value(QLatin1String("type")), QLatin1String("unfinished"))
                << source.toStdString();
            const QString english = ts.readElementText(QXmlStreamReader::IncludeChildElements);
            EXPECT_FALSE(english.isEmpty()) << source.toStdString();
            EXPECT_FALSE(cyrillic.match(english).hasMatch()) << english.toStdString();
            EXPECT_EQ(placeholders(english), placeholders(source)) << source.toStdString();
        }
    }
    EXPECT_FALSE(ts.hasError()) << ts.errorString().toStdString();
    EXPECT_GT(messages, 400);
}

} // namespace
