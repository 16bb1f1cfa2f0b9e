// Writes the main window and the About window, as the desktop builds them,
// to a JSON file the web page lays itself out from: one table of positions,
// fonts, colours and texts for both front ends.
// Usage: pelmora_webexport OUT.json   (run with QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QUrl>

#include "about/AboutTexts.h"
#include "about/AboutWindow.h"
#include "game/Board.h"
#include "game/Geometry.h"
#include "game/RandomSource.h"
#include "game/Rules.h"
#include "tests/support/SilentSound.h"
#include "tools/webexport/WidgetExport.h"
#include "ui/BoardSurface.h"
#include "ui/BoardCellAccessible.h"
#include "ui/MainWindow.h"
#include "ui/Pictures.h"
#include "ui/sound/SoundConstants.h"
#include "ui/sound/SoundPlayer.h"
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
        {"howToPlay", QString::fromUtf8(about::texts::kHowToPlay)},
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

QJsonObject describeBoard() {
    return {
        {"rows", kRows},
        {"columns", kColumns},
        {"left", kBoardLeft},
        {"top", kBoardTop},
        {"cellWidth", kCellWidth},
        {"cellHeight", kCellHeight},
        {"tickMilliseconds", kTickMilliseconds},
        {"cellNames", cellNames()},
    };
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        qCritical("usage: pelmora_webexport OUT.json");
        return 2;
    }
    test_support::SilentSound sound;
    MixingGenerator generator(1);
    SystemLocalClock clock;
    RandomSource random(generator, clock);
    MainWindow window(sound, random);

    const QJsonObject layout{
        {"twipsPerPixel", kTwipsPerPixel},
        {"board", describeBoard()},
        {"sounds", QJsonArray{Game::kClearSound, Game::kWinSound}},
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
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qCritical("cannot write %s", argv[1]);
        return 1;
    }
    out.write(QJsonDocument(layout).toJson(QJsonDocument::Indented));
    return out.flush() ? 0 : 1;
}
