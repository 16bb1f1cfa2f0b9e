// Presses on `dest` at pixel positions: which cell of the drawn grid they
// reach, and that every button and modifier acts alike.
#include <QTest>

#include "WindowFixture.h"
#include "game/Selection.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

constexpr int kNoCell = -1;

QList<int> reached(int line) { return line == kNoCell ? QList<int>{} : QList<int>{line}; }

}  // namespace

class BoardPressTest : public QObject {
    Q_OBJECT

private slots:
    // The surface is 617 x 350; the grid covers x 2..612 and y 5..340.
    void pressReachesTheColumnUnderIt_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("column");
        QTest::newRow("left margin") << 1 << kNoCell;
        QTest::newRow("column 0, first pixel") << 2 << 0;
        QTest::newRow("column 0, last pixel") << 48 << 0;
        QTest::newRow("column 1, first pixel") << 49 << 1;
        QTest::newRow("column 11, last pixel") << 565 << 11;
        QTest::newRow("column 12, first pixel") << 566 << 12;
        QTest::newRow("column 12, last pixel") << 612 << 12;
        QTest::newRow("right margin") << 613 << kNoCell;
    }
    void pressReachesTheColumnUnderIt() {
        QFETCH(int, x);
        QFETCH(int, column);
        ProgramUnderTest run;
        run.setBoard(columnStripes());
        run.click(QPoint(x, cellCentre(3, 0).y()));
        QCOMPARE(selectedColumns(run.game().board()), reached(column));
    }

    void pressReachesTheRowUnderIt_data() {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("row");
        QTest::newRow("top margin") << 4 << kNoCell;
        QTest::newRow("row 0, first pixel") << 5 << 0;
        QTest::newRow("row 0, last pixel") << 52 << 0;
        QTest::newRow("row 1, first pixel") << 53 << 1;
        QTest::newRow("row 5, last pixel") << 292 << 5;
        QTest::newRow("row 6, first pixel") << 293 << 6;
        QTest::newRow("row 6, last pixel") << 340 << 6;
        QTest::newRow("bottom margin") << 341 << kNoCell;
    }
    void pressReachesTheRowUnderIt() {
        QFETCH(int, y);
        QFETCH(int, row);
        ProgramUnderTest run;
        run.setBoard(rowStripes());
        run.click(QPoint(cellCentre(0, 6).x(), y));
        QCOMPARE(selectedRows(run.game().board()), reached(row));
    }

    // Off the grid the selection stays, but the board is redrawn: the redraw
    // is what refreshes NEXTLEVEL.
    void pressOffTheGridKeepsTheBoardButRedraws() {
        ProgramUnderTest run;
        run.setBoard(columnStripes());
        run.click(cellCentre(2, 5));
        const QStringList selected = rowsOf(run.game().board());
        run.game().restoreProgress(3, 0, 0);

        for (QPoint offGrid : {QPoint(614, 100), QPoint(1, 100), QPoint(300, 2), QPoint(300, 345)})
            run.click(offGrid);

        QCOMPARE(rowsOf(run.game().board()), selected);
        QCOMPARE(run.text("NEXTLEVEL"), QString("NEXT LEVEL: 640000"));
    }

    void everyButtonAndModifierActsAlike_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers();
        QTest::newRow("right with Ctrl") << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("middle with Alt") << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::AltModifier);
        QTest::newRow("left with Shift") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier);
    }
    void everyButtonAndModifierActsAlike() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        ProgramUnderTest run;
        run.setBoard(columnStripes());

        run.click(cellCentre(4, 3), button, modifiers);
        QCOMPARE(selectedColumns(run.game().board()), QList<int>{3});
        const QString value = run.text("SelPts");
        run.click(cellCentre(4, 3), button, modifiers);

        QCOMPARE(run.text("Pts"), value);
        QCOMPARE(run.recorded.played.size(), std::size_t{1});
    }

    // The second press of a double-click arrives as a double-click, which
    // the board ignores: the group is selected, not removed. Sent through
    // the window, as the window system delivers it.
    void aDoubleClickActsAsOnePress() {
        ProgramUnderTest run;
        run.setBoard(columnStripes());
        const QPoint at = run.window().dest().mapTo(&run.window(), cellCentre(3, 4));
        QTest::mouseDClick(run.window().windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        QVERIFY(run.recorded.played.empty());
    }

    // Only the press acts; a release elsewhere adds nothing.
    void thePressActsNotTheRelease() {
        ProgramUnderTest run;
        run.setBoard(columnStripes());
        QTest::mousePress(&run.window().dest(), Qt::LeftButton, Qt::NoModifier, cellCentre(1, 7));
        QCOMPARE(selectedColumns(run.game().board()), QList<int>{7});
        QTest::mouseRelease(&run.window().dest(), Qt::LeftButton, Qt::NoModifier, cellCentre(1, 2));
        QCOMPARE(selectedColumns(run.game().board()), QList<int>{7});
    }

    // Removing column 0 closes it at once, so the pressed cell then holds a
    // box of the former column 1, whose group the same press selects.
    void pressOnTheSelectionRemovesItWithTheClearingSound() {
        ProgramUnderTest run;
        run.setBoard(columnStripes());
        run.click(cellCentre(3, 0));
        const int removed = countSelected(run.game().board());
        QCOMPARE(run.text("SelPts"), QString::number(500 * removed * removed));

        run.click(cellCentre(3, 0));

        QCOMPARE(run.recorded.played, std::vector<std::string>{besideProgram("clearbox.wav")});
        QCOMPARE(run.text("Pts"), QString::number(500 * removed * removed));
        const Board& after = run.game().board();
        QCOMPARE(after.at(3, 0), 'G');
        QCOMPARE(selectedColumns(after), QList<int>{0});
        QCOMPARE(rowsOf(after).first().right(2), QString("rX"));  // column 12 emptied
    }
};

QTEST_MAIN(BoardPressTest)
#include "BoardPressTest.moc"
