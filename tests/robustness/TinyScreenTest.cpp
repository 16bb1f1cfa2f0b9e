// On a screen smaller than the window the game still plays, and neither
// window says anything the rules do not say.
#include "tests/window/WindowRun.h"

using namespace pelmora;
using namespace pelmora::test_support;

class TinyScreenTest : public QObject {
    Q_OBJECT
private slots:
    void gameAndAboutWorkOnAScreenSmallerThanTheWindow() {
        QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen->size().width() < 633);
        WindowRun run(filled(code::kRed));
        const QSize fixed = run.window().size();
        QCOMPARE(run.window().minimumSize(), run.window().maximumSize());
        run.clickCell(6, 0);
        QCOMPARE(run.label("SelPts")->text(), QString("4140500"));

        run.choose("mnuaswitch");
        QWidget* about = run.program.about().window();
        QVERIFY(about && QTest::qWaitForWindowExposed(about));
        // Too tall to centre: moved down until its title bar is on the screen.
        QCOMPARE(about->frameGeometry().topLeft().y(), screen->availableGeometry().top());
        QVERIFY(about->frameGeometry().left() >= screen->availableGeometry().left());

        QCOMPARE(run.window().size(), fixed);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);  // no message of any kind
    }
};

QTEST_MAIN(TinyScreenTest)
#include "TinyScreenTest.moc"
