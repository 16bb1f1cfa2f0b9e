// The windows as a Wayland compositor sees them (run by
// tools/ci/with-weston.sh under a real Weston): the About window tied to
// the main window while it is open, and the title bars the game draws.
#include "tests/window/WindowRun.h"
#include "widgets/TitleBar.h"
#include "widgets/WaylandWindows.h"

using pelmora::test_support::WindowRun;

class WaylandWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(pelmora::wayland::isWayland()); }

    // Over its main window while that is open; a window of its own, still
    // on screen, once the main window has closed.
    void aboutIsTiedToTheMainWindowWhileItIsOpen() {
        WindowRun run;
        run.choose("mnuaswitch");
        QPointer<QWidget> about = run.program.about().window();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(about->windowHandle()->transientParent(), run.window().windowHandle());
        run.window().close();
        QVERIFY(about->windowHandle()->transientParent() == nullptr);
        QVERIFY(about->isVisible());
    }

    // Qt's fallback frame offers maximise, which Weston answers by ending
    // a client that keeps its size: each window has the game's own bar
    // instead, with the buttons it offers, above contents of unchanged size.
    void eachWindowHasItsOwnBarWithTheButtonsItOffers() {
        WindowRun run;
        run.choose("mnuaswitch");
        QWidget* about = run.program.about().window();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        const auto buttons = [](QWidget* window) {
            QStringList names;
            for (auto* button : window->findChild<QWidget*>("titleBar")->findChildren<QToolButton*>())
                names << button->accessibleName();
            return names;
        };
        QCOMPARE(buttons(&run.window()), QStringList({"Close", "Minimise"}));
        QCOMPARE(buttons(about), QStringList({"Close"}));
        for (QWidget* window : {static_cast<QWidget*>(&run.window()), about})
            QCOMPARE(window->windowFlags(), Qt::Window | Qt::FramelessWindowHint);
        QCOMPARE(run.window().centralWidget()->size(), QSize(633, 486));
        QCOMPARE(run.window().menuBar()->y(), pelmora::TitleBar::kHeight);
        QCOMPARE(about->size(), QSize(367, 565 + pelmora::TitleBar::kHeight));
        QCOMPARE(about->findChild<QWidget*>("cmdOK")->y(), 432 + pelmora::TitleBar::kHeight);

        QTest::mouseClick(run.window().findChild<QToolButton*>("minimiseButton"), Qt::LeftButton);
        QTRY_COMPARE(run.window().windowState(), Qt::WindowMinimized);
        QTest::mouseClick(run.window().findChild<QToolButton*>("closeButton"), Qt::LeftButton);
        QTRY_VERIFY(!run.window().isVisible());
        QVERIFY(about->isVisible());
    }
};

QTEST_MAIN(WaylandWindowTest)
#include "WaylandWindowTest.moc"
