// The main window driven through its real widgets: presses reaching the
// rules, the status labels, the frame and menus, the About window alongside.
#include <QtTest>
#include <QtWidgets>

#include <algorithm>

#include "tests/window/WindowRun.h"
#include "ui/Pictures.h"
#include "ui/TileHolder.h"

using namespace pelmora;
using namespace pelmora::test_support;

namespace {

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

// No two neighbours share a colour but the red pair at the foot of column 0.
const char* const kOnePair[kRows] = {"brbrbrbrbrbrb", "gygygygygygyg", "rbrbrbrbrbrbr", "ygygygygygygy",
                                     "brbrbrbrbrbrb", "rygygygygygyg", "rbrbrbrbrbrbr"};

std::string besideProgram(const char* name) { return (qApp->applicationDirPath() + '/' + name).toStdString(); }

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
        for (bool columns : {true, false}) {
            const Board board = striped(columns);
            for (const auto& [pixel, row, column] : presses) {
                WindowRun run(board);
                run.click(pixel);
                const int line = columns ? column : row;
                // Expected: [] or [line].
                QVERIFY2(selectedLines(run.game().board(), columns) == QList<int>(line >= 0, line),
                         qPrintable(QString("press at %1,%2").arg(pixel.x()).arg(pixel.y())));
            }
        }
    }

    void everyButtonAndModifierActsAlike() {
        const std::pair<Qt::MouseButton, Qt::KeyboardModifiers> presses[] = {
            {Qt::LeftButton, {}}, {Qt::RightButton, Qt::ControlModifier}, {Qt::MiddleButton, Qt::AltModifier}};
        for (auto [button, modifiers] : presses) {
            WindowRun run(striped(true));
            const QPoint at = WindowRun::pixelOf(middleOfCell(4, 3));
            run.click(at, button, modifiers);
            QCOMPARE(selectedLines(run.game().board(), true), QList<int>{3});
            run.click(at, button, modifiers);
            QCOMPARE(run.label("Pts")->text(), QString("24500"));
            QCOMPARE(run.silent.last, besideProgram("clearbox.wav"));
        }
    }

    void labelsStartFromTheFirstDeal() {
        WindowRun run;
        QCOMPARE(run.texts({"lvl", "Pts", "SelPts", "Nmmc", "NEXTLEVEL", "Label4"}),
                 QStringList({"1", "0", "", "", "NEXT LEVEL: 200000", "91"}));
    }

    void aSelectionAndItsRemovalShowInTheLabels() {
        WindowRun run(rowsBoard(kOnePair));
        run.clickCell(6, 0);
        QCOMPARE(run.texts({"SelPts", "Pts"}), QStringList({"2000", "0"}));
        run.clickCell(5, 0);
        // Total, then red, blue, green and yellow.
        QCOMPARE(run.texts({"Pts", "SelPts", "Label4", "Label6", "Label8", "Label10", "Label12"}),
                 QStringList({"2000", "", "89", "25", "26", "19", "19"}));
        QCOMPARE(run.silent.plays, 1L);
        QCOMPARE(run.silent.last, besideProgram("clearbox.wav"));
    }

    // The box above the pair dropped at once; the four above it come down
    // one per tick, and the first tick shows the Reset cost.
    void ticksSettleTheBoardOnePassAtATime() {
        WindowRun run(rowsBoard(kOnePair));
        run.clickCell(6, 0);
        run.clickCell(5, 0);
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
    }

    void resetChargesAndTheNextTickShowsTheNextCost() {
        WindowRun run;
        run.tick();
        run.choose("mnuFileNew");
        QCOMPARE(run.texts({"Pts", "Nmmc"}), QStringList({"-15000", "15000"}));
        run.tick();
        QCOMPARE(run.label("Nmmc")->text(), QString("35000"));
    }

    // The message box is answered from inside its own event loop.
    void levelUpWithTooFewPointsSaysSoAndStartsOver() {
        WindowRun run;
        run.choose("mnuFileNew");
        QStringList boxes;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes << box->windowTitle() + ": " + box->text() + QString(" [%1]").arg(box->buttons().size());
                box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
            }
        });
        answer.start(0);
        QTest::mouseClick(run.label("Label3"), Qt::LeftButton);
        QCOMPARE(boxes, QStringList{"Nope: You need more points! [1]"});
        QCOMPARE(run.texts({"lvl", "Pts", "Label4"}), QStringList({"1", "0", "91"}));
        run.tick();
        QCOMPARE(run.label("Nmmc")->text(), QString("15000"));
    }

    // One colour everywhere: a press selects all 91 boxes, worth 4140500.
    // The points stay; the threshold shown catches up at the next tick.
    void levelUpWithEnoughPointsPlaysTheWinSoundAndGoesUp() {
        WindowRun run(filled(code::kRed));
        run.clickCell(3, 6);
        run.clickCell(3, 6);
        QCOMPARE(run.label("Pts")->text(), QString("4140500"));
        QTest::mouseClick(run.label("Label3"), Qt::LeftButton);
        QCOMPARE(run.silent.last, besideProgram("win.wav"));
        QCOMPARE(run.texts({"lvl", "Pts", "NEXTLEVEL"}), QStringList({"2", "4140500", "NEXT LEVEL: 200000"}));
        run.tick();
        QCOMPARE(run.label("NEXTLEVEL")->text(), QString("NEXT LEVEL: 450000"));
    }

    // Every picture the main window and its tile holder name loads, in both
    // resolutions: a missing resource would otherwise draw nothing.
    void everyPictureTheWindowUsesLoads() {
        WindowRun run;
        QStringList names;
        for (const PictureBox* box : run.window().findChildren<PictureBox*>()) names << box->pictureName();
        for (const QLabel* box : tileHolder()->findChildren<QLabel*>()) names << box->objectName();
        QCOMPARE(names.size(), 1 + 4 + 8);  // background, legends, tiles
        for (const QString& name : names)
            for (qreal ratio : {1.0, 2.0})
                QVERIFY2(!Picture(name).at(ratio).isNull(), qPrintable(QString("%1 at %2x").arg(name).arg(ratio)));
        const QIcon icon = run.window().windowIcon();
        QCOMPARE(icon.availableSizes().size(), 3);  // 16, 32 and 48
        for (QSize size : icon.availableSizes()) QCOMPARE(icon.pixmap(size).size(), size);
    }

    // Every control at its place, in pixels (twips / 15), in creation order.
    void controlsSitAtTheirPlaces() {
        WindowRun run;
        const std::pair<const char*, QRect> places[] = {
            {"Frame1", {0, 456, 633, 33}},   {"Null", {144, 8, 118, 16}},      {"SelPts", {264, 8, 117, 16}},
            {"Null2", {8, 8, 118, 20}},      {"lvl", {104, 8, 35, 20}},        {"Nmmc", {472, 10, 141, 16}},
            {"Null3", {388, 10, 85, 16}},    {"dest", {8, 112, 617, 350}},     {"Image5", {376, 64, 31, 30}},
            {"Image4", {264, 64, 31, 30}},   {"Image3", {144, 64, 29, 30}},    {"Image2", {24, 64, 31, 30}},
            {"NEXTLEVEL", {0, 32, 337, 17}}, {"Label12", {416, 64, 53, 29}},   {"Label10", {304, 64, 53, 29}},
            {"Label8", {184, 64, 53, 29}},   {"Label6", {64, 64, 53, 29}},     {"Label4", {528, 112, 97, 13}},
            {"Label3", {472, 8, 157, 38}},   {"Pts", {8, 3, 309, 25}}};
        for (const auto& [name, place] : places) {
            const QWidget* control = run.window().findChild<QWidget*>(name);
            QVERIFY2(control, name);
            QCOMPARE(control->geometry(), place);
        }
        QCOMPARE(run.timer1()->interval(), 100);
    }

    // Each look of label in its design font's free stand-in, size and weight.
    void labelsAreInTheirDesignFonts() {
        WindowRun run;
        const std::tuple<const char*, const char*, qreal, QFont::Weight> fonts[] = {
            {"Null", "Liberation Sans", 9.75, QFont::Bold},  {"Label6", "Liberation Sans", 18, QFont::Bold},
            {"NEXTLEVEL", "DejaVu Sans", 6.75, QFont::Bold}, {"Label3", "Liberation Sans", 20.25, QFont::Black},
            {"Pts", "DejaVu Sans", 18, QFont::Bold}};
        for (const auto& [name, family, points, weight] : fonts) {
            const QFont font = run.label(name)->font();
            QCOMPARE(font.family(), QString(family));
            QCOMPARE(font.pointSizeF(), points);
            QCOMPARE(font.weight(), weight);
        }
    }

    void frameMenusAndHiddenParts() {
        WindowRun run;
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
        QVERIFY(tileHolder() && !tileHolder()->isVisible());
    }

    // Help twice shows one About window, blocking nothing. The close box
    // takes only the main window, stopping its timer and unloading the
    // picture holder for good; the program ends when About closes too.
    void closingTheMainWindowLeavesAboutOpenAndTheProgramRunning() {
        WindowRun run;
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
        QTimer::singleShot(0, &scope, [&] {
            run.window().close();
            // Queued behind the close: a loop wrongly ended by it never gets here.
            QTimer::singleShot(0, &scope, [&] {
                aboutOpenAlone = about && about->isVisible() && !run.window().isVisible() &&
                                 !tileHolder() && !run.timer1()->isActive();
                if (about) about->close();
            });
        });
        // 99: the program outlived the test.
        QTimer::singleShot(5000, &scope, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(aboutOpenAlone);
    }

    void quitEndsTheProgramAndTheAboutWindowAtOnce() {
        WindowRun run;
        run.choose("mnuaswitch");
        QPointer<QWidget> about = run.program.about().window();
        bool allGoneAtOnce = false;
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            run.choose("mnuFileQuit");
            allGoneAtOnce = about.isNull() && !run.window().isVisible() && !tileHolder();
        });
        // 99: the program outlived the test.
        QTimer::singleShot(5000, &scope, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(allGoneAtOnce);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
