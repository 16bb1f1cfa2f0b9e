// The game in each of its languages: the catalogue a player's languages
// choose; every text of the windows as that catalogue (the .ts file itself)
// says, nothing left in English; English exactly as without any catalogue
// under C and en_US; every text fitting its control.
#include <QtTest>
#include <QtWidgets>

#include <sys/stat.h>

#include "tests/l10n/Fits.h"
#include "tests/l10n/ShownTexts.h"
#include "widgets/CatalogueFile.h"
#include "widgets/Catalogues.h"

using namespace pelmora;
using namespace pelmora::test_support;

namespace {

// The program's name and the product's address read the same everywhere.
const QStringList kSameEverywhere = {"Pelmora", "http://www.pelmora-games.example/pelmora"};

// English -> translation, from l10n/pelmora_<language>.ts. Carriage returns,
// written <byte value="xd"/> there, are left out: the text box shows its
// lines without them.
QHash<QString, QString> readCatalogue(const QString& language) {
    QFile file(QStringLiteral(PELMORA_SOURCE_DIR "/l10n/pelmora_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly)) qFatal("no catalogue for %s", qPrintable(language));
    QXmlStreamReader xml(&file);
    QHash<QString, QString> catalogue;
    QString source, text;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (xml.isStartElement() && (xml.name() == u"source" || xml.name() == u"translation")) text.clear();
        if (xml.isCharacters()) text += xml.text();
        if (xml.isEndElement() && xml.name() == u"source") source = text;
        if (xml.isEndElement() && xml.name() == u"translation")
            catalogue[source] = text;
    }
    return catalogue;
}

// What `english`, shown at `where`, must read in `language`.
QString expected(const QString& where, const QString& english, const QString& language) {
    static const QRegularExpression letter("\\p{L}"), nextLevel("^NEXT LEVEL: (\\d+)$");
    const QHash<QString, QString> catalogue = readCatalogue(language);
    if (!english.contains(letter) || kSameEverywhere.contains(english)) return english;
    if (const auto match = nextLevel.match(english); match.hasMatch())
        return catalogue.value("NEXT LEVEL: %1").arg(match.captured(1));
    if (where == "message/ok") {  // Qt's own catalogue, loaded here as Qt loads it
        QTranslator qt;
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        return qt.load(QLocale(language), "qtbase", "_", folder) ? qt.translate("QPlatformTheme", english.toUtf8())
                                                                 : english;
    }
    // A button is named by its caption without the access key's "&".
    for (auto [source, translation] : catalogue.asKeyValueRange())
        if (source.contains('&') && QString(source).remove('&') == english) return QString(translation).remove('&');
    QString translation = catalogue.value(english, "<not in the catalogue> " + english);
    // The text box gives no-break spaces back as plain ones.
    return where == "about/Text1" ? translation.replace(QChar(0xA0), ' ') : translation;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void thePlayersLanguagesChooseTheCatalogue() {
        const std::pair<QStringList, QString> choices[] = {
            {{"de-AT", "de"}, "de"}, {{"pt-PT", "pt"}, "pt_BR"}, {{"PT_br"}, "pt_BR"},
            {{"sv-SE", "sv", "nl"}, "nl"}, {{"en-GB", "de"}, ""}, {{"ja-JP", "C"}, ""}};
        for (const auto& [preferred, chosen] : choices)
            QCOMPARE(Catalogues::choose(preferred, Catalogues::languages()), chosen);
        QCOMPARE(Catalogues::languages(), QStringList({"de", "es", "fr", "it", "nl", "pt_BR"}));
    }

    void cAndEnglishShowTheGamesOwnTexts() {
        const QMap<QString, QString> own = shownTexts();
        QCOMPARE(own.value("main/Label3"), QString("LEVEL UP"));
        for (const char* name : {"C", "en_US"}) {
            const Catalogues catalogues{QLocale(name)};
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
        const QMap<QString, QString> shown = shownTexts();
        QCOMPARE(shown.keys(), english.keys());
        QString accessKeys;
        for (auto [where, text] : english.asKeyValueRange()) {
            const QString wanted = expected(where, text, language);
            QVERIFY2(shown[where] == wanted, qPrintable(where + ": " + shown[where] + " instead of " + wanted));
            if (where.startsWith("menu/") && shown[where].contains('&'))
                accessKeys += shown[where][shown[where].indexOf('&') + 1].toLower();
        }
        QCOMPARE(shown["main/Label3"] == english["main/Label3"], false);  // a translation was there to check
        // Alt and a letter opens one menu, a letter in it one command.
        QCOMPARE(QSet<QChar>(accessKeys.begin(), accessKeys.end()).size(), accessKeys.size());
    }

    // The layout is fixed, so a longer word would be cut off. ctest runs
    // this at 1x and at 2x; it prints each text's width against its room.
    void everyTextFitsItsControl_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "en_US";
        everyTextIsInThePlayersLanguage_data();
    }
    void everyTextFitsItsControl() {
        QFETCH(QString, language);
        const Catalogues catalogues{QLocale(language)};
        WindowRun run;
        run.choose("mnuaswitch");
        QVERIFY(QTest::qWaitForWindowExposed(run.program.about().window()));
        for (const Fit& fit : mainWindowFits(run.window()) + aboutWindowFits(*run.program.about().window())) {
            const QString line = QString("%1 %2: %3 of %4 px: \"%5\"").arg(language, fit.control)
                                     .arg(fit.used, 0, 'f', 1).arg(fit.room, 0, 'f', 1).arg(fit.text);
            qInfo("%s", qPrintable(line));
            QVERIFY2(fit.used <= fit.room, qPrintable("does not fit: " + line));
        }
    }

    // Qt's catalogue is read only when it is what it claims to be.
    void catalogueFilesAreCheckedBeforeQtReadsThem() {
        QTemporaryDir dir;
        const auto file = [&](const char* name, const QByteArray& bytes) {
            QFile out(dir.filePath(name));
            return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() ? out.fileName() : QString();
        };
        QFile own(":/pelmora/i18n/pelmora_de.qm");
        QVERIFY(own.open(QIODevice::ReadOnly));
        const QByteArray real = own.readAll();
        QCOMPARE(catalogueFile::read(file("real.qm", real)), std::optional<QByteArray>(real));
        for (const QString& refused : {file("text.qm", QByteArray(64, 'x')), dir.path(), dir.filePath("none.qm"),
                                       file("huge.qm", real + QByteArray(catalogueFile::kLargestBytes, '\0'))})
            QVERIFY2(!catalogueFile::read(refused), qPrintable(refused));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("fifo.qm")).constData(), 0600), 0);
        QVERIFY(!catalogueFile::read(dir.filePath("fifo.qm")));  // at once, with no writer
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
