// The main window driven through its real widgets: presses on the drawn
// grid, the status labels through a scripted game, the pixels of `dest`,
// the frame and menus, the About window alongside, and the real sound
// player. CTest runs the pixel cases again at two device pixels to the
// pixel, and on two screens of different resolutions.
#include <QtTest>
#include <QtWidgets>

#include <SDL.h>

#include <algorithm>
#include <cstdlib>

#include "ui/BoardSurface.h"
#include "program/GameProgram.h"
#include "ui/TileHolder.h"
#include "ui/sound/SdlSoundPlayer.h"

using namespace pelmora;

namespace {

struct RecordingSound final : SoundPlayer {
    void playAndWait(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

std::string besideProgram(const char* name) { return (qApp->applicationDirPath() + '/' + name).toStdString(); }

// One shown run of the game, dealt from a fixed seed, its links inert.
// Timer1 is held, so boxes move only when a test ticks.
struct Run {
    explicit Run(SoundPlayer* sound = nullptr)
        : program(sound ? *sound : recorded, std::make_unique<MixingGenerator>(0x5eed),
                  [](const QUrl&) { return false; }) {
        timer1()->stop();
        window().show();
        if (!QTest::qWaitForWindowExposed(&window())) qFatal("the main window never showed");
    }
    ~Run() { program.about().closeWindow(); }  // the launcher leaves it open

    MainWindow& window() { return program.window(); }
    Game& game() { return program.window().game(); }
    QTimer* timer1() { return window().findChild<QTimer*>("Timer1"); }
    QLabel* label(const char* name) { return window().findChild<QLabel*>(name); }
    QStringList texts(std::initializer_list<const char*> names) {
        QStringList shown;
        for (const char* name : names) shown << label(name)->text();
        return shown;
    }
    void choose(const char* command) { window().findChild<QAction*>(command)->trigger(); }
    void tick() { QMetaObject::invokeMethod(timer1(), "timeout", Qt::DirectConnection); }
    void click(QPoint pixel, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(&window().dest(), button, modifiers, pixel);
    }
    void setBoard(const Board& board) { game().board() = board; game().DrawBoard(); }

    RecordingSound recorded;  // the sound player unless one is passed in
    GameProgram program;
};

// Each column (each row) one colour, its neighbours another: a press
// selects within its own column (row) only.
Board striped(bool alongColumns) {
    Board board;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            board.at(row, column) = alongColumns ? "rg"[column % 2] : "by"[row % 2];
    return board;
}

// The columns (rows) holding a selected box, ascending.
QList<int> selectedLines(const Board& board, bool columns) {
    QList<int> lines;
    for (int line = 0; line < (columns ? kColumns : kRows); ++line)
        for (int across = 0; across < (columns ? kRows : kColumns) && !lines.contains(line); ++across)
            if (isSelectedBox(columns ? board.at(across, line) : board.at(line, across))) lines << line;
    return lines;
}

// An empty board but for the given cells.
Board withCodes(std::initializer_list<std::tuple<int, int, char>> cells) {
    Board board;
    board.clear('X');
    for (auto [row, column, code] : cells) board.at(row, column) = code;
    return board;
}

// The drawn grid in pixels of `dest`: cells 47 x 48 from (2, 5).
QRect cellRect(int row, int column) { return QRect(2 + 47 * column, 5 + 48 * row, 47, 48); }
QPoint cellCentre(int row, int column) { return cellRect(row, column).center(); }

// A normal tile's stretched black margin stays within a few steps of black.
bool isBlack(QRgb pixel) { return std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) <= 24; }

struct Drawing {
    explicit Drawing(const QPixmap& picture)
        : image(picture.toImage().convertToFormat(QImage::Format_RGB32)), ratio(picture.devicePixelRatio()) {}
    QRect device(QRect logical) const { return QRect(logical.topLeft() * ratio, logical.size() * ratio); }
    // The device pixels of a cell's outermost ring of logical pixels.
    QList<QRgb> edgeOf(int row, int column) const {
        const QRect cell = cellRect(row, column), outer = device(cell), inner = device(cell.adjusted(1, 1, -1, -1));
        QList<QRgb> ring;
        for (int y = outer.top(); y <= outer.bottom(); ++y)
            for (int x = outer.left(); x <= outer.right(); ++x)
                if (!inner.contains(x, y)) ring << image.pixel(x, y);
        return ring;
    }
    // Largest channel difference between a drawn cell and a picture
    // stretched to it: rounding only (at most 2) when it is that picture;
    // the picture of the other resolution misses by far more.
    int missBy(int row, int column, const QString& picture) const {
        const QRect cell = device(cellRect(row, column));
        const QImage drawn = image.copy(cell), wanted = QImage(picture).convertToFormat(QImage::Format_RGB32)
            .scaled(cell.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int largest = 0;
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x)
                for (int shift : {0, 8, 16})  // blue, green, red
                    largest = std::max(largest, std::abs(int(drawn.pixel(x, y) >> shift & 255) -
                                                         int(wanted.pixel(x, y) >> shift & 255)));
        return largest;
    }
    const QImage image;
    const qreal ratio;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The surface is 617 x 350; the grid covers x 2..612 and y 5..340. Each
    // press at a first or last pixel of its column and of its row, or just
    // off the grid (-1: no cell).
    void pressesReachTheCellUnderThem() {
        const std::tuple<QPoint, int, int> presses[] = {
            {{1, 172}, -1, -1},  {{2, 172}, 3, 0},    {{48, 5}, 0, 0},      {{49, 52}, 0, 1},
            {{565, 53}, 1, 11},  {{566, 292}, 5, 12}, {{612, 340}, 6, 12},  {{613, 200}, -1, -1},
            {{300, 4}, -1, -1},  {{300, 341}, -1, -1}};
        Run run;
        for (const auto& [pixel, row, column] : presses)
            for (bool columns : {true, false}) {
                run.setBoard(striped(columns));
                run.click(pixel);
                const int line = columns ? column : row;
                // Expected: [] or [line].
                QVERIFY2(selectedLines(run.game().board(), columns) == QList<int>(line >= 0, line),
                         qPrintable(QString("press at %1,%2").arg(pixel.x()).arg(pixel.y())));
            }
    }

    // The second press of a double-click arrives as a double-click, which
    // the board ignores; sent through the window, as the system delivers it.
    void everyButtonActsAlikeAndADoubleClickOnlySelects() {
        const std::pair<Qt::MouseButton, Qt::KeyboardModifiers> presses[] = {
            {Qt::LeftButton, {}}, {Qt::RightButton, Qt::ControlModifier}, {Qt::MiddleButton, Qt::AltModifier}};
        Run run;
        for (auto [button, modifiers] : presses) {
            run.setBoard(striped(true));
            run.click(cellCentre(4, 3), button, modifiers);
            QCOMPARE(selectedLines(run.game().board(), true), QList<int>{3});
            const int points = run.game().points() + run.label("SelPts")->text().toInt();
            run.click(cellCentre(4, 3), button, modifiers);
            QCOMPARE(run.label("Pts")->text(), QString::number(points));
            QCOMPARE(run.recorded.played.back(), besideProgram("clearbox.wav"));
        }
        run.setBoard(striped(true));
        const QPoint at = run.window().dest().mapTo(&run.window(), cellCentre(3, 4));
        QTest::mouseDClick(run.window().windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(selectedLines(run.game().board(), true), QList<int>{4});
        QCOMPARE(run.recorded.played.size(), std::size_t{3});  // one for each removal, none since
    }

    void scriptedGameUpdatesTheLabels() {
        Run run;
        QCOMPARE(run.texts({"lvl", "Pts", "SelPts", "Nmmc", "NEXTLEVEL", "Label4"}),
                 QStringList({"1", "0", "", "", "NEXT LEVEL: 200000", "91"}));
        // No two neighbours share a colour but the red pair at the foot of column 0.
        Board board;
        const char* rows[] = {"brbrbrbrbrbrb", "gygygygygygyg", "rbrbrbrbrbrbr", "ygygygygygygy",
                              "brbrbrbrbrbrb", "rygygygygygyg", "rbrbrbrbrbrbr"};
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column) board.at(row, column) = rows[row][column];
        run.setBoard(board);
        run.click(cellCentre(6, 0));
        QCOMPARE(run.texts({"SelPts", "Pts"}), QStringList({"2000", "0"}));
        run.click(cellCentre(5, 0));
        // Total, then red, blue, green and yellow.
        QCOMPARE(run.texts({"Pts", "SelPts", "Label4", "Label6", "Label8", "Label10", "Label12"}),
                 QStringList({"2000", "", "89", "25", "26", "19", "19"}));
        QCOMPARE(run.recorded.played, std::vector<std::string>{besideProgram("clearbox.wav")});

        // The box above the pair dropped at once; the four above it come
        // down one per tick.
        int ticks = 0;
        for (Board before; before != run.game().board() && ticks <= 20; ++ticks) {
            before = run.game().board();
            run.tick();
        }
        QCOMPARE(ticks, 5);  // the fifth finds nothing left to move
        QString column0;
        for (int row = 0; row < kRows; ++row) column0 += run.game().board().at(row, 0);
        QCOMPARE(column0, QString("XXbgryb"));
        QCOMPARE(run.label("Nmmc")->text(), QString("15000"));

        run.choose("mnuFileNew");
        QCOMPARE(run.texts({"Pts", "Nmmc"}), QStringList({"-13000", "15000"}));
        run.tick();
        QCOMPARE(run.label("Nmmc")->text(), QString("35000"));

        // LEVEL UP, refused: start over. The poll runs inside the box's own loop.
        QStringList boxes;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes << box->windowTitle() + ": " + box->text() + QString(" [%1]").arg(box->buttons().size());
                box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
            }
        });
        answer.start(10);
        QTest::mouseClick(run.label("Label3"), Qt::LeftButton);
        QCOMPARE(boxes, QStringList{"Nope: You need more points! [1]"});
        QCOMPARE(run.texts({"lvl", "Pts", "Label4"}), QStringList({"1", "0", "91"}));
        run.tick();
        QCOMPARE(run.label("Nmmc")->text(), QString("15000"));

        // Exactly the threshold is enough. The points stay; the threshold
        // shown catches up at the next tick.
        run.game().restoreProgress(1, 200000, 2);
        QTest::mouseClick(run.label("Label3"), Qt::LeftButton);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(run.recorded.played.back(), besideProgram("win.wav"));
        QCOMPARE(run.texts({"lvl", "Pts", "NEXTLEVEL"}), QStringList({"2", "200000", "NEXT LEVEL: 200000"}));
        run.tick();
        QCOMPARE(run.texts({"NEXTLEVEL", "Nmmc"}), QStringList({"NEXT LEVEL: 450000", "55000"}));
    }

    // Tiles at (2, 5) and (566, 293), 47 x 48, drawn over a dealt board:
    // all else is wiped black. Each is its whole picture stretched to the
    // cell, from the double-size pictures where a pixel is two device
    // pixels; a normal tile's edge is its black margin, a highlighted one's
    // a lavender bevel. Again on each further screen, as the window moves there.
    void tilesLieOnTheDrawnGridAsTheirPictures() {
        Run run;
        const std::pair<char, const char*> tiles[] = {{'B', "bh"}, {'G', "gh"}, {'R', "rh"}, {'Y', "yh"},
                                                      {'b', "b"},  {'g', "g"},  {'r', "r"},  {'y', "y"}};
        for (QScreen* screen : QGuiApplication::screens()) {
            run.window().windowHandle()->setScreen(screen);
            run.window().move(screen->geometry().topLeft());
            QTRY_COMPARE(run.window().devicePixelRatioF(), screen->devicePixelRatio());
            for (const auto& [code, name] : tiles) {
                run.setBoard(withCodes({{0, 0, code}, {6, 12, code}}));
                const Drawing drawing(run.window().dest().picture());
                QCOMPARE(drawing.ratio, screen->devicePixelRatio());
                QCOMPARE(drawing.image.size(), QSize(617, 350) * drawing.ratio);
                const QString plain = QString(":/pelmora/%1.png").arg(name);
                for (auto [row, column] : {std::pair(0, 0), std::pair(6, 12)}) {
                    const QString own = drawing.ratio == 1.0 ? plain : QString(":/pelmora/%1@2x.png").arg(name);
                    QVERIFY(drawing.missBy(row, column, own) <= 2);
                    if (own != plain) QVERIFY(drawing.missBy(row, column, plain) > 12);
                    for (QRgb pixel : drawing.edgeOf(row, column))
                        QVERIFY(isSelectedBox(code) ? qBlue(pixel) >= 150 && qBlue(pixel) >= qRed(pixel)
                                                    : isBlack(pixel));
                }
                const QRect first = drawing.device({2, 5, 47, 48}), last = drawing.device({566, 293, 47, 48});
                for (int y = 0; y < drawing.image.height(); ++y)
                    for (int x = 0; x < drawing.image.width(); ++x)
                        if (!first.contains(x, y) && !last.contains(x, y) && !isBlack(drawing.image.pixel(x, y)))
                            QFAIL(qPrintable(QStringLiteral("lit outside the tiles at %1,%2").arg(x).arg(y)));
            }
        }
        // What the surface shows is the latest drawing.
        QCOMPARE(run.window().dest().grab().toImage().convertToFormat(QImage::Format_RGB32),
                 Drawing(run.window().dest().picture()).image);
        if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") QCOMPARE(run.window().devicePixelRatioF(), 2.0);
    }

    void frameMenusAndHiddenParts() {
        Run run;
        MainWindow& window = run.window();
        QCOMPARE(window.windowTitle(), QString("Pelmora"));
        QCOMPARE(window.centralWidget()->size(), QSize(633, 486));
        window.resize(900, 700);
        QCOMPARE(window.size(), QSize(633, window.menuBar()->height() + 486));
        // Without CustomizeWindowHint the system adds maximise.
        const Qt::WindowFlags buttons = Qt::WindowMinimizeButtonHint | Qt::CustomizeWindowHint;
        QCOMPARE(window.windowFlags() & (buttons | Qt::WindowMaximizeButtonHint), buttons);
        QStringList captions;
        for (QAction* top : window.menuBar()->actions()) {
            captions << top->text() + ":";
            for (QAction* command : top->menu()->actions()) {
                captions << (command->isSeparator() ? "-" : command->text());
                QVERIFY(command->shortcuts().isEmpty());
            }
        }
        QCOMPARE(captions,
                 QStringList({"&File:", "Reset", "-", "Quit", "&Help:", "How to Play / About Pelmora..."}));

        window.hide();
        window.show();
        QVERIFY(!run.label("Label4")->isVisible());
        QVERIFY(window.pic() && !window.pic()->isVisible());
        QCOMPARE(window.pic()->outerSizeTwips("b"), QSize(705, 720));
    }

    void removalReturnsNoEarlierThanTheClearingSound() {
        SDL_AudioSpec audio;
        Uint8* samples = nullptr;
        Uint32 bytes = 0;
        QVERIFY(SDL_LoadWAV(besideProgram("clearbox.wav").c_str(), &audio, &samples, &bytes));
        SDL_FreeWAV(samples);
        // Its playing time in nanoseconds.
        const qint64 length = bytes * 8'000'000'000LL / (audio.freq * audio.channels * SDL_AUDIO_BITSIZE(audio.format));
        int defaultSounds = 0;
        SdlSoundPlayer sound([&] { ++defaultSounds; });
        Run run(&sound);
        run.setBoard(striped(true));
        run.click(cellCentre(3, 6));
        QElapsedTimer clock;
        clock.start();
        run.click(cellCentre(3, 6));
        QCOMPARE_GE(clock.nsecsElapsed(), length);
        QCOMPARE(defaultSounds, 0);  // the file itself played
        QCOMPARE(run.label("Pts")->text(), QString("24500"));
    }

    // Help twice shows one About window, blocking nothing. The close box
    // takes only the main window, unloading the picture holder for good
    // (the ticks go on); the program ends when About closes too.
    void closingTheMainWindowLeavesAboutOpenAndTheProgramRunning() {
        Run run;
        run.choose("mnuaswitch");
        QPointer<QWidget> about = run.program.about().window();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        run.choose("mnuaswitch");
        QCOMPARE(run.program.about().window(), about.data());
        const QWidgetList all = QApplication::topLevelWidgets();
        auto isAbout = [](QWidget* window) { return window->objectName() == "frmAbout"; };
        QCOMPARE(std::count_if(all.begin(), all.end(), isAbout), 1);
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        bool aboutOpenAlone = false;
        QObject scope;  // owns the timers that drive the loop, so none outlives the test
        run.timer1()->start();
        QTimer::singleShot(0, &scope, [&] { run.window().close(); });
        QTimer::singleShot(300, &scope, [&] {  // long enough for a wrongly ended loop
            aboutOpenAlone = about && about->isVisible() && !run.window().isVisible() && !run.window().pic();
            if (about) about->close();
        });
        // 99: the program outlived the test.
        QTimer::singleShot(5000, &scope, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(aboutOpenAlone);
    }

    void quitEndsTheProgramAndTheAboutWindowAtOnce() {
        Run run;
        run.choose("mnuaswitch");
        QPointer<QWidget> about = run.program.about().window();
        bool allGoneAtOnce = false;
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            run.choose("mnuFileQuit");
            allGoneAtOnce = about.isNull() && !run.window().isVisible() && !run.window().pic();
        });
        // 99: the program outlived the test.
        QTimer::singleShot(5000, &scope, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(allGoneAtOnce);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
