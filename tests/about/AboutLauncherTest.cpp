// Opening, centring and closing the About window through the Help command's
// launcher.
#include <QApplication>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include "about/AboutLauncher.h"
#include "about/Centring.h"

using pelmora::about::AboutLauncher;
using pelmora::about::AboutWindow;

namespace {

bool neverOpens(const QUrl&) { return false; }

// Shows the window through the launcher and waits until it is on screen.
AboutWindow* launch(AboutLauncher& launcher) {
    launcher.show();
    AboutWindow* window = launcher.window();
    if (window != nullptr && !QTest::qWaitForWindowExposed(window))
        return nullptr;
    return window;
}

// Waits until a deleted-on-close window is really gone.
bool waitUntilGone(QPointer<AboutWindow>& window) {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return QTest::qWaitFor([&] { return window.isNull(); });
}

// The window's outer rectangle sits in the middle of the primary screen, to
// within the half pixel lost by whole-pixel positions.
bool isCentredOnScreen(const AboutWindow& window) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect outer = window.frameGeometry();
    const double exactLeft = screen.left() + (screen.width() - outer.width()) / 2.0;
    const double exactTop = screen.top() + (screen.height() - outer.height()) / 2.0;
    return qAbs(outer.left() - exactLeft) < 1.0 && qAbs(outer.top() - exactTop) < 1.0;
}

}  // namespace

class AboutLauncherTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            delete widget;
    }

    void secondLaunchShowsTheSameWindow() {
        AboutLauncher launcher(neverOpens);
        QVERIFY(launcher.window() == nullptr);

        AboutWindow* first = launch(launcher);
        QVERIFY(first != nullptr);
        QVERIFY(first->isVisible());
        AboutWindow* second = launch(launcher);

        QCOMPARE(second, first);
        QCOMPARE(QApplication::topLevelWidgets().count(), 1);
    }

    void launchDoesNotBlockAndHasNoOwner() {
        QWidget mainWindow;
        mainWindow.show();
        AboutLauncher launcher(neverOpens);
        AboutWindow* window = launch(launcher);

        QVERIFY(!window->isModal());
        QCOMPARE(window->windowModality(), Qt::NonModal);
        QVERIFY(window->parentWidget() == nullptr);
        QVERIFY(window->testAttribute(Qt::WA_QuitOnClose));

        mainWindow.close();
        QVERIFY(window->isVisible());
    }

    void opensCentredOnTheScreen() {
        AboutLauncher launcher(neverOpens);
        AboutWindow* window = launch(launcher);
        QVERIFY(isCentredOnScreen(*window));

        // Centring works from wherever the window happens to be.
        window->move(3, 5);
        QVERIFY(!isCentredOnScreen(*window));
        window->centreOnScreen();
        QVERIFY(isCentredOnScreen(*window));
    }

    void centringWorksInFloatingPoint() {
        using pelmora::about::centredTopLeft;
        using pelmora::about::centredTopLeftPixels;
        // An odd difference leaves half a pixel, kept until the pixel step.
        QCOMPARE(centredTopLeft(QRect(0, 0, 1024, 768), QSize(371, 589)), QPointF(326.5, 89.5));
        QCOMPARE(centredTopLeftPixels(QRect(0, 0, 1024, 768), QSize(371, 589)), QPoint(326, 89));
        // A screen that does not start at the origin.
        QCOMPARE(centredTopLeft(QRect(1920, 100, 1280, 1024), QSize(380, 600)),
                 QPointF(2370.0, 312.0));
        // A window larger than the screen hangs over both edges equally.
        QCOMPARE(centredTopLeftPixels(QRect(0, 0, 300, 400), QSize(367, 565)), QPoint(-34, -83));
    }

    void okEnterAndEscapeCloseTheWindow_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK clicked") << "click";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Enter in the text box") << "enter-in-text";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("Escape in the text box") << "escape-in-text";
    }
    void okEnterAndEscapeCloseTheWindow() {
        QFETCH(QString, how);
        AboutLauncher launcher(neverOpens);
        QPointer<AboutWindow> window = launch(launcher);
        QVERIFY(window);
        QApplication::setActiveWindow(window);

        auto* ok = window->findChild<QPushButton*>("cmdOK");
        auto* text = window->findChild<QPlainTextEdit*>("Text1");
        if (how == "click") {
            QTest::mouseClick(ok, Qt::LeftButton);
        } else if (how.endsWith("in-text")) {
            text->setFocus();
            QTest::keyClick(text, how.startsWith("enter") ? Qt::Key_Return : Qt::Key_Escape);
        } else {
            QWidget* target = window->focusWidget() ? window->focusWidget() : window.data();
            QTest::keyClick(target, how == "enter" ? Qt::Key_Return : Qt::Key_Escape);
        }

        QVERIFY(waitUntilGone(window));
        QVERIFY(launcher.window() == nullptr);

        // The next launch builds a new window, centred like the first.
        AboutWindow* next = launch(launcher);
        QVERIFY(next != nullptr);
        QVERIFY(next->isVisible());
        QVERIFY(isCentredOnScreen(*next));
    }

    void closeWindowForQuitDestroysAtOnceWithoutCloseEvent() {
        AboutLauncher launcher(neverOpens);
        QPointer<AboutWindow> window = launch(launcher);
        bool closeEventSeen = false;
        struct CloseSpy : QObject {
            bool* seen;
            explicit CloseSpy(bool* s) : seen(s) {}
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::Close)
                    *seen = true;
                return false;
            }
        } spy(&closeEventSeen);
        window->installEventFilter(&spy);

        launcher.closeWindow();
        QVERIFY(window.isNull());
        QVERIFY(!closeEventSeen);
        QVERIFY(launcher.window() == nullptr);
        launcher.closeWindow();  // nothing open: nothing happens
    }

    void droppingTheLauncherLeavesTheWindowOpen() {
        QPointer<AboutWindow> window;
        {
            AboutLauncher launcher(neverOpens);
            window = launch(launcher);
        }
        QVERIFY(window);
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(AboutLauncherTest)
#include "AboutLauncherTest.moc"
