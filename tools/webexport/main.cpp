// Writes the main window and the About window, as the desktop builds them,
// to a JSON file the web page lays itself out from: one table of positions,
// fonts, colours and texts for both front ends. Beside it, in lang/, the
// texts of each of the game's languages, as the desktop shows them there.
// Usage: pelmora_webexport OUT.json   (run with QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

#include "about/AboutTexts.h"
#include "about/AboutWindow.h"
#include "game/Board.h"
#include "game/Geometry.h"
#include "game/RandomSource.h"
#include "game/Rules.h"
#include "tools/webexport/LanguageTexts.h"
#include "tools/webexport/PageTexts.h"
#include "tools/webexport/WidgetExport.h"
#include "ui/BoardSurface.h"
#include "ui/BoardCellAccessible.h"
#include "ui/GameWords.h"
#include "ui/MainWindow.h"
#include "ui/Pictures.h"
#include "ui/Spoken.h"
#include "ui/sound/SilentSoundPlayer.h"
#include "ui/sound/SoundConstants.h"
#include "widgets/Catalogues.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Twips.h"

namespace {

using namespace pelmora;

QJsonArray describeMenus(const QMenuBar& bar) {
    QJsonArray menus;
    for (const QAction* top : bar.actions()) {
        const QMenu* menu = top->menu();
        if (!menu) continue;
        QJsonArray items;
        for (const QAction* action : menu->actions()) {
            QJsonObject item{{"name", action->objectName()}};
            if (action->isSeparator())
                item["separator"] = true;
            else
                item["text"] = action->text();
            items.append(item);
        }
        menus.append(QJsonObject{{"name", menu->objectName()}, {"title", menu->title()}, {"items", items}});
    }
    return menus;
}

QJsonObject describeMain(MainWindow& window) {
    const QWidget& client = *window.centralWidget();
    const auto* background = qobject_cast<const PictureBox*>(&client);
    return {
        {"caption", window.windowTitle()},
        {"width", client.width()},
        {"height", client.height()},
        {"background", background ? background->pictureName() : QString()},
        {"menuBarHeight", window.menuBar()->sizeHint().height()},
        {"menuFont", webexport::describeFont(*window.menuBar())},
        {"menus", describeMenus(*window.menuBar())},
        {"controls", webexport::describeChildren(client)},
    };
}

// Follows each clickable label's link with an opener that only notes it, so
// the page's labels lead where the desktop's do.
QJsonObject describeAbout() {
    QString followed;
    about::AboutWindow window([&followed](const QUrl& url) {
        followed = url.toString();
        return true;
    });
    QJsonObject links;
    for (ClickableLabel* label : window.findChildren<ClickableLabel*>()) {
        followed.clear();
        emit label->clicked();
        if (!followed.isEmpty()) links[label->objectName()] = followed;
    }
    QApplication::restoreOverrideCursor();
    return {
        {"caption", window.windowTitle()},
        {"width", window.width()},
        {"height", window.height()},
        {"fill", webexport::colourName(window.palette().color(QPalette::Window))},
        {"font", webexport::describeFont(window)},
        {"howToPlay", about::AboutWindow::tr(about::texts::kHowToPlay)},
        {"links", links},
        {"controls", webexport::describeChildren(window)},
    };
}

// What a screen reader calls each cell, by its code, as the desktop names
// them; "empty" for any other code.
QJsonObject cellNames() {
    QJsonObject names;
    for (const char code : {'b', 'g', 'r', 'y', 'B', 'G', 'R', 'Y'})
        names[QString(QChar(code))] = BoardCellAccessible::nameFor(code);
    names["empty"] = BoardCellAccessible::nameFor(code::kEmpty);
    return names;
}

// The sentences a screen reader is told after each move, by their keys, in
// the language installed now, filled in the page as on the desktop.
QJsonObject spokenTemplates() {
    QJsonObject templates;
    for (const spoken::Template& sentence : spoken::templates())
        templates[sentence.key] = spoken::text(sentence);
    return templates;
}

// The grid by its first cell: the page's twin of cellRect steps from it.
QJsonObject describeBoard() {
    const CellRect first = cellRect({0, 0});
    return {
        {"rows", kRows},
        {"columns", kColumns},
        {"left", first.left},
        {"top", first.top},
        {"cellWidth", first.width},
        {"cellHeight", first.height},
        {"tickMilliseconds", kTickMilliseconds},
        {"cellNames", cellNames()},
    };
}

// The texts the rules write in English, as the window shows them, and the
// page's own few; the page looks the rules' texts up by their English.
QJsonObject describeWords() {
    QMessageBox box(QMessageBox::NoIcon, {}, {}, QMessageBox::Ok);
    return {
        {"gameWords", QJsonObject{
            {"nextLevelPrefix", Game::kNextLevelPrefix},
            {"nextLevel", gameWords::status(std::string(Game::kNextLevelPrefix) + "%1")},
            {"messages", QJsonObject{{Game::kRefusalText, gameWords::message(Game::kRefusalText)},
                                     {Game::kRefusalTitle, gameWords::message(Game::kRefusalTitle)}}},
        }},
        {"pageTexts", QJsonObject{
            {"ok", box.button(QMessageBox::Ok)->text()},
            {"close", QCoreApplication::translate(webexport::pageTexts::kContext, webexport::pageTexts::kClose)},
            {"ended", QCoreApplication::translate(webexport::pageTexts::kContext, webexport::pageTexts::kEnded)},
        }},
    };
}

// Both windows as the desktop builds them in the language installed now.
QJsonObject describeLayout() {
    SilentSoundPlayer sound;
    MixingGenerator generator(1);
    SystemLocalClock clock;
    RandomSource random(generator, clock);
    MainWindow window(sound, random);
    QJsonObject layout{
        {"twipsPerPixel", kTwipsPerPixel},
        {"board", describeBoard()},
        {"sounds", QJsonArray{Game::kClearSound, Game::kWinSound}},
        {"spoken", spokenTemplates()},
        {"sound", QJsonObject{
            {"graceMilliseconds", static_cast<int>(sound::kDrainGrace.count())},
            {"gracePercentOfLength", sound::kDrainGracePercentOfLength},
            {"longestMilliseconds", static_cast<int>(std::chrono::milliseconds(sound::kLongestSound).count())},
            {"overrunMilliseconds", static_cast<int>(sound::kLongestOverrun.count())},
            {"mostBytes", static_cast<double>(sound::kMostBytesRead)},
        }},
        {"main", describeMain(window)},
        {"about", describeAbout()},
    };
    const QJsonObject words = describeWords();
    for (auto word = words.begin(); word != words.end(); ++word) layout[word.key()] = word.value();
    return layout;
}

bool writeJson(const QString& path, const QJsonObject& object, QJsonDocument::JsonFormat format) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qCritical("cannot write %s", qPrintable(path));
        return false;
    }
    out.write(QJsonDocument(object).toJson(format));
    return out.flush();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        qCritical("usage: pelmora_webexport OUT.json");
        return 2;
    }
    const QString layoutPath = QString::fromLocal8Bit(argv[1]);
    QJsonObject english = describeLayout();
    // The page's names for the languages, as a browser gives them: "pt-BR".
    QJsonArray languages;
    for (QString language : Catalogues::languages()) languages.append(language.replace('_', '-'));
    english["languages"] = languages;
    if (!writeJson(layoutPath, english, QJsonDocument::Indented)) return 1;

    const QDir folder = QFileInfo(layoutPath).dir().filePath("lang");
    if (!folder.mkpath(".")) return 1;
    for (const QString& language : Catalogues::languages()) {
        const Catalogues catalogues{QLocale(language)};
        QJsonObject translated = describeLayout();
        translated["languages"] = languages;
        const QJsonObject texts = webexport::textsThatDiffer(english, translated).toObject();
        if (!writeJson(folder.filePath(QString(language).replace('_', '-') + ".json"), texts,
                       QJsonDocument::Compact))
            return 1;
    }
    return 0;
}
