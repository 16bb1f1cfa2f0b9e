// The main window and the About window together, watched from the running
// event loop: the Help command, the close box, and "Quit".
#include <QApplication>
#include <QPointer>
#include <QTest>

#include "WindowFixture.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

// exec() returns this when the program outlives a test's own timers.
constexpr int kStillRunning = 99;
constexpr int kGiveUpMilliseconds = 5000;
// Long enough for a wrongly ended event loop to have returned.
constexpr int kLingerMilliseconds = 300;

int visibleAboutWindows() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += window->objectName() == "frmAbout" && window->isVisible();
    return count;
}

// Runs the event loop; `scope` owns the timers that drive it, so none of
// them outlives the test.
int runProgram(QObject& scope) {
    QTimer::singleShot(kGiveUpMilliseconds, &scope, [] { QCoreApplication::exit(kStillRunning); });
    return QCoreApplication::exec();
}

}  // namespace

class ProgramLifetimeTest : public QObject {
    Q_OBJECT

private slots:
    void helpTwiceOpensOneAboutWindowAndBlocksNothing() {
        ProgramUnderTest run;
        run.choose("mnuaswitch");
        QPointer<QWidget> first = run.program.about().window();
        QVERIFY(QTest::qWaitForWindowExposed(first));

        run.choose("mnuaswitch");

        QCOMPARE(run.program.about().window(), first.data());
        QCOMPARE(visibleAboutWindows(), 1);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        run.setBoard(columnStripes());
        run.click(cellCentre(2, 2));
        QCOMPARE(selectedColumns(run.game().board()), QList<int>{2});
    }

    // The close box takes only the main window; the program ends when the
    // About window closes too.
    void closingTheMainWindowLeavesAboutOpenAndTheProgramRunning() {
        ProgramUnderTest run;
        run.choose("mnuaswitch");
        QPointer<QWidget> about = run.program.about().window();
        bool aboutOpenAlone = false;
        QObject scope;
        QTimer::singleShot(0, &scope, [&] { run.window().close(); });
        QTimer::singleShot(kLingerMilliseconds, &scope, [&] {
            aboutOpenAlone = about && about->isVisible() && !run.window().isVisible();
            if (about) about->close();
        });

        QCOMPARE(runProgram(scope), 0);
        QVERIFY(aboutOpenAlone);
    }

    void closingTheMainWindowAloneEndsTheProgram() {
        ProgramUnderTest run;
        QObject scope;
        QTimer::singleShot(0, &scope, [&] { run.window().close(); });
        QCOMPARE(runProgram(scope), 0);
    }

    void quitEndsTheProgramAndTheAboutWindowAtOnce() {
        ProgramUnderTest run;
        run.choose("mnuaswitch");
        QPointer<QWidget> about = run.program.about().window();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        bool allGoneAtOnce = false;
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            run.choose("mnuFileQuit");
            allGoneAtOnce = about.isNull() && !run.window().isVisible() && !run.window().pic();
        });

        QCOMPARE(runProgram(scope), 0);
        QVERIFY(allGoneAtOnce);
    }
};

QTEST_MAIN(ProgramLifetimeTest)
#include "ProgramLifetimeTest.moc"
