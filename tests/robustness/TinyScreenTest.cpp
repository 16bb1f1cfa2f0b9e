// On a screen smaller than the window the game still plays, and neither
// window says anything the rules do not say.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "program/GameProgram.h"
#include "tests/support/Boards.h"
#include "tests/support/CellAim.h"
#include "tests/support/Generators.h"
#include "tests/support/SilentSound.h"
#include "ui/BoardSurface.h"
#include "widgets/Twips.h"

using namespace pelmora;
using namespace pelmora::test_support;

class TinyScreenTest : public QObject {
    Q_OBJECT
private slots:
    void gameAndAboutWorkOnAScreenSmallerThanTheWindow() {
        QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen->size().width() < 633);

        // Two same-coloured boxes at the left of the bottom row, no other
        // same-coloured neighbours: a press on one selects both.
        const char* const rows[kRows] = {"brbrbrbrbrbrb", "gygygygygygyg", "rbrbrbrbrbrbr", "ygygygygygygy",
                                         "brbrbrbrbrbrb", "rygygygygygyg", "ggbrbrbrbrbrb"};
        SilentSound silence;
        ScriptedGenerator generator;
        generator.queueDeal(rowsBoard(rows));
        FixedClock clock;
        GameProgram program(silence, generator, clock);
        MainWindow& window = program.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize fixed = window.size();
        QCOMPARE(window.minimumSize(), window.maximumSize());

        const TwipsPoint middle = middleOfCell(kRows - 1, 0);
        QTest::mouseClick(&window.dest(), Qt::LeftButton, {},
                          QPoint(static_cast<int>(middle.x) / kTwipsPerPixel, static_cast<int>(middle.y) / kTwipsPerPixel));
        QCOMPARE(window.findChild<QLabel*>("SelPts")->text(), QString("2000"));

        window.findChild<QAction*>("mnuaswitch")->trigger();
        QVERIFY(program.about().window() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(program.about().window()));
        // Too tall to centre: moved down until its title bar is on the screen.
        QCOMPARE(program.about().window()->frameGeometry().topLeft().y(), screen->availableGeometry().top());
        QVERIFY(program.about().window()->frameGeometry().left() >= screen->availableGeometry().left());

        QCOMPARE(window.size(), fixed);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);  // no message of any kind
        program.about().closeWindow();
    }
};

QTEST_MAIN(TinyScreenTest)
#include "TinyScreenTest.moc"
