// The game in each of its languages: which catalogue a player's languages
// choose, every text of the windows read from that catalogue (checked
// against the .ts file itself), nothing left in English, and English exactly
// as without any catalogue under C and en_US.
#include <QtTest>
#include <QtWidgets>

#include <sys/stat.h>

#include "tests/l10n/ShownTexts.h"
#include "widgets/CatalogueFile.h"
#include "widgets/Catalogues.h"

using namespace pelmora;
using namespace pelmora::test_support;

namespace {

// Texts that are the same in every language: the program's name and the
// product's address.
const QStringList kSameEverywhere = {"Pelmora", "http://www.pelmora-games.example/pelmora"};

// source -> translation, straight from l10n/pelmora_<language>.ts; a
// <byte value="xd"/> in either is a carriage return.
QHash<QString, QString> readCatalogue(const QString& language) {
    QFile file(QStringLiteral(PELMORA_SOURCE_DIR "/l10n/pelmora_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly)) qFatal("no catalogue for %s", qPrintable(language));
    QXmlStreamReader xml(&file);
    QHash<QString, QString> catalogue;
    QString source, *into = nullptr, text;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.name();
        if (xml.isStartElement() && (name == u"source" || name == u"translation")) {
            text.clear();
            into = &text;
        } else if (xml.isStartElement() && name == u"byte" && into) {
            *into += QChar(xml.attributes().value("value").mid(1).toUShort(nullptr, 16));  // "xd"
        } else if (xml.isCharacters() && into) {
            *into += xml.text();
        } else if (xml.isEndElement() && name == u"source") {
            source = text;
            into = nullptr;
        } else if (xml.isEndElement() && name == u"translation") {
            catalogue[source] = text;
            into = nullptr;
        }
    }
    if (xml.hasError() || catalogue.isEmpty()) qFatal("cannot read the %s catalogue", qPrintable(language));
    return catalogue;
}

bool hasLetters(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// What `english` (shown at `where`) must read in the catalogue's language.
QString expected(const QString& where, const QString& english, const QHash<QString, QString>& catalogue,
                 const QString& language) {
    if (!hasLetters(english) || kSameEverywhere.contains(english)) return english;
    static const QRegularExpression nextLevel("^NEXT LEVEL: (\\d+)$");
    if (const auto match = nextLevel.match(english); match.hasMatch())
        return catalogue.value("NEXT LEVEL: %1").arg(match.captured(1));
    if (where == "message/ok") {
        // Qt's own catalogue, loaded here as Qt loads it.
        QTranslator qt;
        if (!qt.load(QLocale(language), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            return english;
        return qt.translate("QPlatformTheme", english.toUtf8());
    }
    QString source = english;
    // The text box gives its lines back without CR, no-break spaces as spaces.
    if (where == "about/Text1") source.replace("\n", "\r\n");
    if (!catalogue.contains(source)) return "<not in the catalogue> " + english;
    QString translation = catalogue.value(source);
    return where == "about/Text1" ? translation.replace("\r\n", "\n").replace(QChar(0xA0), ' ') : translation;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void thePlayersLanguagesChooseTheCatalogue_data() {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German in Germany") << QStringList{"de-DE", "de"} << "de";
        QTest::newRow("German in Austria") << QStringList{"de-AT"} << "de";
        QTest::newRow("Portuguese in Portugal") << QStringList{"pt-PT", "pt"} << "pt_BR";
        QTest::newRow("Brazilian, any case") << QStringList{"PT_br"} << "pt_BR";
        QTest::newRow("Swedish, then Dutch") << QStringList{"sv-SE", "sv", "nl"} << "nl";
        QTest::newRow("English first") << QStringList{"en-GB", "de"} << "";
        QTest::newRow("nothing the game has") << QStringList{"ja-JP", "C"} << "";
    }
    void thePlayersLanguagesChooseTheCatalogue() {
        QFETCH(QStringList, preferred);
        QFETCH(QString, chosen);
        QCOMPARE(Catalogues::choose(preferred, Catalogues::languages()), chosen);
    }

    void everyLanguageHasItsCatalogue() {
        QCOMPARE(Catalogues::languages(), QStringList({"de", "es", "fr", "it", "nl", "pt_BR"}));
    }

    void cAndEnglishShowTheGamesOwnTexts() {
        const QMap<QString, QString> own = shownTexts();
        QCOMPARE(own.value("main/Label3"), QString("LEVEL UP"));
        for (const char* name : {"C", "en_US"}) {
            const Catalogues catalogues{QLocale(name)};
            QCOMPARE(catalogues.language(), QString());
            QCOMPARE(shownTexts(), own);
        }
    }

    void everyTextIsInThePlayersLanguage_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : Catalogues::languages()) QTest::newRow(qPrintable(language)) << language;
    }
    void everyTextIsInThePlayersLanguage() {
        QFETCH(QString, language);
        const QMap<QString, QString> english = shownTexts();
        const Catalogues catalogues{QLocale(language)};
        QCOMPARE(catalogues.language(), language);
        const QMap<QString, QString> shown = shownTexts();
        const QHash<QString, QString> catalogue = readCatalogue(language);
        QCOMPARE(shown.keys(), english.keys());
        int translated = 0;
        for (auto [where, text] : english.asKeyValueRange()) {
            const QString wanted = expected(where, text, catalogue, language);
            QVERIFY2(shown.value(where) == wanted, qPrintable(QString("%1: %2 instead of %3")
                                                                  .arg(where, shown.value(where), wanted)));
            translated += shown.value(where) != text;
        }
        QVERIFY(translated > english.size() / 2);  // the check above had something to check
    }

    // Alt and a letter opens one menu, and a letter chooses one command.
    void accessKeysAreOnePerMenu() {
        const auto letters = [](const QList<QAction*>& actions) {
            QString keys;
            for (const QAction* action : actions)
                if (const qsizetype at = action->text().indexOf('&'); at >= 0)
                    keys += action->text()[at + 1].toLower();
            return keys;
        };
        for (const QString& language : Catalogues::languages()) {
            const Catalogues catalogues{QLocale(language)};
            WindowRun run;
            QList<QList<QAction*>> menus = {run.window().menuBar()->actions()};
            for (QAction* top : menus.first()) menus << top->menu()->actions();
            for (const QList<QAction*>& menu : menus) {
                const QString keys = letters(menu);
                QVERIFY2(QSet<QChar>(keys.begin(), keys.end()).size() == keys.size(),
                         qPrintable(language + ": " + keys));
            }
        }
    }

    // Qt's catalogue is read only when it is what it claims to be.
    void catalogueFilesAreCheckedBeforeQtReadsThem() {
        QTemporaryDir dir;
        const auto write = [&](const char* name, const QByteArray& bytes) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) qFatal("cannot write");
            return file.fileName();
        };
        QFile own(":/pelmora/i18n/pelmora_de.qm");
        QVERIFY(own.open(QIODevice::ReadOnly));
        const QByteArray real = own.readAll();
        QCOMPARE(catalogueFile::read(write("real.qm", real)), std::optional<QByteArray>(real));
        QVERIFY(!catalogueFile::read(write("empty.qm", {})));
        QVERIFY(!catalogueFile::read(write("text.qm", QByteArray(64, 'x'))));
        QVERIFY(!catalogueFile::read(write("huge.qm", real + QByteArray(catalogueFile::kLargestBytes, '\0'))));
        QVERIFY(!catalogueFile::read(dir.path()));
        QVERIFY(!catalogueFile::read(dir.filePath("missing.qm")));
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("fifo.qm")).constData(), 0600) == 0);
        QVERIFY(!catalogueFile::read(dir.filePath("fifo.qm")));  // returns at once, no writer needed
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
