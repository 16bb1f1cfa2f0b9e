// The status labels through a scripted game, driven through the window's
// own controls: select, remove, settle, Reset, and both answers of LEVEL UP.
#include <QTest>

#include "WindowFixture.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

// No two neighbours share a colour but the red pair at the foot of column
// 0. 27 red, 26 blue, 19 green, 19 yellow.
Board scriptedBoard() {
    return boardFrom({
        "brbrbrbrbrbrb",
        "gygygygygygyg",
        "rbrbrbrbrbrbr",
        "ygygygygygygy",
        "brbrbrbrbrbrb",
        "rygygygygygyg",
        "rbrbrbrbrbrbr",
    });
}

// Selects and removes the red pair: 2000 points.
void removeTheRedPair(ProgramUnderTest& run) {
    run.setBoard(scriptedBoard());
    run.click(cellCentre(6, 0));
    run.click(cellCentre(5, 0));
}

void clickLevelUp(ProgramUnderTest& run) { QTest::mouseClick(run.label("Label3"), Qt::LeftButton); }

int countsTotal(ProgramUnderTest& run) {
    int total = 0;
    for (const char* count : {"Label6", "Label8", "Label10", "Label12"}) total += run.text(count).toInt();
    return total;
}

}  // namespace

class StatusLabelsTest : public QObject {
    Q_OBJECT

private slots:
    void startShowsTheDesignTextsAndTheFirstCounts() {
        ProgramUnderTest run;
        QCOMPARE(run.text("lvl"), QString("1"));
        QCOMPARE(run.text("Pts"), QString("0"));
        QCOMPARE(run.text("SelPts"), QString());
        QCOMPARE(run.text("Nmmc"), QString());  // until the first tick
        QCOMPARE(run.text("NEXTLEVEL"), QString("NEXT LEVEL: 200000"));
        QCOMPARE(run.text("Label4"), QString("91"));
        QCOMPARE(countsTotal(run), 91);
    }

    void scriptedGameUpdatesTheLabels() {
        ProgramUnderTest run;
        run.setBoard(scriptedBoard());
        run.click(cellCentre(6, 0));
        QCOMPARE(run.text("SelPts"), QString("2000"));
        QCOMPARE(run.text("Pts"), QString("0"));

        run.click(cellCentre(5, 0));
        QCOMPARE(run.text("Pts"), QString("2000"));
        QCOMPARE(run.text("SelPts"), QString());
        QCOMPARE(run.text("Label4"), QString("89"));
        QCOMPARE(run.text("Label6"), QString("25"));   // red
        QCOMPARE(run.text("Label8"), QString("26"));   // blue
        QCOMPARE(run.text("Label10"), QString("19"));  // green
        QCOMPARE(run.text("Label12"), QString("19"));  // yellow

        // The removal dropped the box above the pair at once; the four
        // above it come down one per tick.
        QCOMPARE(run.tickUntilSettled(), 4);
        QString column0;
        for (const QString& row : rowsOf(run.game().board())) column0 += row.at(0);
        QCOMPARE(column0, QString("XXbgryb"));
        QCOMPARE(run.text("Nmmc"), QString("15000"));

        run.choose("mnuFileNew");
        QCOMPARE(run.text("Pts"), QString("-13000"));
        // The deal may fill empty cells; it never loses a box.
        QVERIFY(run.text("Label4").toInt() >= 89);
        QCOMPARE(countsTotal(run), run.text("Label4").toInt());
        QCOMPARE(run.text("Nmmc"), QString("15000"));
        run.tick();
        QCOMPARE(run.text("Nmmc"), QString("35000"));
    }

    void refusedLevelUpAsksForMorePointsAndStartsOver() {
        ProgramUnderTest run;
        removeTheRedPair(run);
        run.choose("mnuFileNew");
        run.tick();
        MessageBoxAnswerer answerer;

        clickLevelUp(run);

        QCOMPARE(answerer.answered, 1);
        QCOMPARE(answerer.last->text, QString("You need more points!"));
        QCOMPARE(answerer.last->title, QString("Nope"));
        QCOMPARE(answerer.last->icon, QMessageBox::NoIcon);
        QVERIFY(answerer.last->onlyOk);
        QVERIFY(answerer.last->modal);
        QCOMPARE(run.text("lvl"), QString("1"));
        QCOMPARE(run.text("Pts"), QString("0"));
        QCOMPARE(run.text("Label4"), QString("91"));
        run.tick();
        QCOMPARE(run.text("Nmmc"), QString("15000"));
    }

    // Exactly the threshold is enough. The points stay; the threshold shown
    // catches up at the next tick.
    void levelUpKeepsThePointsAndRaisesTheLevel() {
        ProgramUnderTest run;
        run.game().restoreProgress(1, 200000, 2);
        MessageBoxAnswerer answerer;

        clickLevelUp(run);

        QCOMPARE(answerer.answered, 0);
        QCOMPARE(run.recorded.played, std::vector<std::string>{besideProgram("win.wav")});
        QCOMPARE(run.text("lvl"), QString("2"));
        QCOMPARE(run.text("Pts"), QString("200000"));
        QCOMPARE(run.text("NEXTLEVEL"), QString("NEXT LEVEL: 200000"));
        run.tick();
        QCOMPARE(run.text("NEXTLEVEL"), QString("NEXT LEVEL: 450000"));
        QCOMPARE(run.text("Nmmc"), QString("55000"));  // Resets still count
    }

    // Left alone, the window ticks every 100 ms from its creation on.
    void theTimerTicksByItself() {
        RecordingSound sound;
        GameProgram program(sound);
        auto* timer = program.window().findChild<QTimer*>("Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 100);
        auto* resetCost = program.window().findChild<QLabel*>("Nmmc");
        QTRY_COMPARE_WITH_TIMEOUT(resetCost->text(), QString("15000"), 2000);
    }
};

QTEST_MAIN(StatusLabelsTest)
#include "StatusLabelsTest.moc"
