// The About window opened through the Help command's launcher: its frame and
// text, where it opens, how it closes, and the links it follows.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "about/AboutLauncher.h"
#include "about/AboutTexts.h"
#include "about/Centring.h"

using pelmora::about::AboutLauncher;
using pelmora::about::AboutWindow;
using pelmora::about::centredTopLeftPixels;
using pelmora::about::keptOnScreen;

namespace {

// Shows the window through the launcher and waits until it is on screen.
AboutWindow* launch(AboutLauncher& launcher) {
    launcher.show();
    AboutWindow* window = launcher.window();
    return window && QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

// The outer rectangle sits in the middle of the primary screen, to within
// the half pixel lost by whole-pixel positions.
bool isCentred(const QWidget& window) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect outer = window.frameGeometry();
    return qAbs(outer.left() - (screen.left() + (screen.width() - outer.width()) / 2.0)) < 1.0 &&
           qAbs(outer.top() - (screen.top() + (screen.height() - outer.height()) / 2.0)) < 1.0;
}

// Everything the player can see of a window, to tell whether a click changed any of it.
QStringList visibleState(const QWidget& window) {
    QStringList state = {window.windowTitle(), QString::number(window.isVisible())};
    for (const QWidget* widget : window.findChildren<QWidget*>())
        state << widget->objectName() + QString::number(widget->isVisible()) +
                     widget->property("text").toString() + widget->property("plainText").toString();
    return state << QString::number(QApplication::topLevelWidgets().size());
}

// The three links, literally: the product's page, a mail to support and the
// maker's home page.
const QString kProductPage = "http://www.pelmora-games.example/pelmora";
const QString kSupportMail = "mailto:support@pelmora-games.example";
const QString kMakersHome = "http://www.pelmora-games.example/";

}  // namespace

class AboutTest : public QObject {
    Q_OBJECT

    QStringList opened_;
    AboutLauncher launcher_{[this](const QUrl& link) { opened_ << link.toString(); return true; }};

private slots:
    void cleanup() {
        launcher_.closeWindow();
        opened_.clear();
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    }

    // Centred by its outer size; on a screen too short for it (640 x 480, a
    // panel along the top), its title bar stays on the screen.
    void centringKeepsTheTitleBarOnTheScreen() {
        const QRect screen(0, 0, 640, 480), belowPanel(0, 28, 640, 452);
        const QSize outer(373, 566);
        const QPoint centred = centredTopLeftPixels(screen, outer);
        QCOMPARE(centred, QPoint(133, -43));
        QCOMPARE(keptOnScreen(centred, belowPanel), QPoint(133, 28));
        QCOMPARE(keptOnScreen(centred, screen), QPoint(133, 0));
        const QPoint fits = centredTopLeftPixels(QRect(0, 0, 1024, 768), outer);
        QCOMPARE(keptOnScreen(fits, QRect(0, 28, 1024, 740)), fits);
        QCOMPARE(keptOnScreen(QPoint(-7, 5), QRect(-1280, 0, 2560, 1024)), QPoint(-7, 5));  // a screen left of the first
    }

    void frameAndHowToPlayText() {
        AboutWindow* window = launch(launcher_);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("About Pelmora"));
        QCOMPARE(window->size(), QSize(367, 565));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(isCentred(*window));
        // Centring works from wherever the window happens to be.
        window->move(3, 5);
        QVERIFY(!isCentred(*window));
        window->centreOnScreen();
        QVERIFY(isCentred(*window));

        const char* lines[] = {"Welcome to: Pelmora", "--------------------------------------", "",
            "Usage Instructions:", "-------------------------------",
            "The object of the game is to click on", "sets of the same color in numbers of 2",
            "or more to clear sections of the game", "screen.", "",
            "You can advance levels by clicking on", "\"Level Up\" at the top of the window if",
            "your points match or exceed those", "pre-determined to qualify for the next",
            "difficulty level.", "",
            "If you get stuck you can select \"Reset\"", "from the file menu which will scatter the",
            "colored boxes in another order so as to", "make more moves possible.", "",
            "Good Luck! ;-)"};
        QByteArray expected;
        for (const char* line : lines) expected += QByteArray(line) + "\r\n";
        // The text the program holds ends its lines with CR LF; the box shows them as line breaks.
        QCOMPARE(QByteArray(pelmora::about::texts::kHowToPlay), expected);
        auto* box = window->findChild<QPlainTextEdit*>("Text1");
        QCOMPARE(box->toPlainText().toUtf8(), expected.replace("\r\n", "\n"));
    }

    void okEnterAndEscapeCloseIt_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"OK", "Enter", "Escape", "Enter in the text", "Escape in the text"})
            QTest::newRow(how) << QString(how);
    }
    void okEnterAndEscapeCloseIt() {
        QFETCH(QString, how);
        QPointer<AboutWindow> window = launch(launcher_);
        QVERIFY(window);
        QCOMPARE(launch(launcher_), window.data());  // a second launch shows the same one
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
        QApplication::setActiveWindow(window);

        auto* text = window->findChild<QPlainTextEdit*>("Text1");
        if (how.endsWith("text")) text->setFocus();
        QWidget* target = window->focusWidget() ? window->focusWidget() : window.data();
        if (how == "OK") QTest::mouseClick(window->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        else QTest::keyClick(target, how.startsWith("Enter") ? Qt::Key_Return : Qt::Key_Escape);

        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QTest::qWaitFor([&] { return window.isNull(); }));
        QVERIFY(launcher_.window() == nullptr);
        AboutWindow* next = launch(launcher_);
        QVERIFY(next && next->isVisible() && isCentred(*next));
    }

    // The custom pointer stays over the whole application after a link,
    // replaced rather than stacked: one restore brings back the normal one.
    void eachLinkLabelOpensItsOwnLink() {
        AboutWindow* window = launch(launcher_);
        QVERIFY(window);
        for (const char* name : {"Label1", "Label2", "Label3", "Label8"})
            QTest::mouseClick(window->findChild<QLabel*>(name), Qt::LeftButton);
        // A press on a link released off it follows nothing, as with a button.
        QTest::mousePress(window->findChild<QLabel*>("Label4"), Qt::LeftButton);
        QTest::mouseRelease(window->findChild<QLabel*>("Label4"), Qt::LeftButton, {}, QPoint(-3, -3));
        QVERIFY(opened_.isEmpty());
        QApplication::setOverrideCursor(Qt::WaitCursor);  // someone else's pointer
        for (const char* name : {"Label4", "Label5", "Label7"})
            QTest::mouseClick(window->findChild<QLabel*>(name), Qt::LeftButton);
        QCOMPARE(opened_, QStringList({kProductPage, kSupportMail, kMakersHome}));
        QCoreApplication::processEvents();  // anything the clicks left queued
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        QApplication::restoreOverrideCursor();
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // Tab reaches the three links in the order they sit, and Enter or
    // Space on one follows it as a click does, leaving the window open;
    // back on the button, Enter closes it.
    void linksByKeys() {
        QPointer<AboutWindow> window = launch(launcher_);
        QVERIFY(window);
        QApplication::setActiveWindow(window);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("cmdOK"));
        QStringList order;
        for (int step = 0; step < 5; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
            if (order.back().startsWith("Label"))
                QTest::keyClick(QApplication::focusWidget(), step % 2 ? Qt::Key_Space : Qt::Key_Return);
        }
        QCOMPARE(order, QStringList({"Label5", "Label4", "Text1", "Label7", "cmdOK"}));
        QCOMPARE(opened_, QStringList({kSupportMail, kProductPage, kMakersHome}));
        QVERIFY(window && window->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(QTest::qWaitFor([&] { return window.isNull(); }));
    }

    // To assistive technology each link is a link named by its text, telling
    // where it leads (by its description, unless its name is the address),
    // whose press action follows it; the version line says whose version it is.
    void linksArePressableLinks() {
        AboutWindow* window = launch(launcher_);
        QVERIFY(window);
        QStringList names;
        QStringList leadsTo;
        for (const char* name : {"Label5", "Label4", "Label7"}) {
            QAccessibleInterface* link = QAccessible::queryAccessibleInterface(window->findChild<QLabel*>(name));
            QCOMPARE(link->role(), QAccessible::Link);
            names << link->text(QAccessible::Name);
            const QString description = link->text(QAccessible::Description);
            leadsTo << (description.isEmpty() ? link->text(QAccessible::Name) : description);
            QCOMPARE(link->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
            link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        QCOMPARE(names, QStringList({"Pelmora", kProductPage, "Contact us"}));
        QTRY_COMPARE(opened_, QStringList({kSupportMail, kProductPage, kMakersHome}));
        QCOMPARE(leadsTo, opened_);
        QCOMPARE(QAccessible::queryAccessibleInterface(window->findChild<QLabel*>("Label3"))->text(QAccessible::Name),
                 QString("Pelmora, Version 1.0"));
    }

    void linkThatCannotBeOpenedChangesNothing() {
        AboutLauncher failing([](const QUrl&) { return false; });
        AboutWindow* window = launch(failing);
        QVERIFY(window);
        const QStringList before = visibleState(*window);
        const QRect place = window->frameGeometry();
        for (const char* name : {"Label4", "Label5", "Label7"})
            QTest::mouseClick(window->findChild<QLabel*>(name), Qt::LeftButton);
        QCoreApplication::processEvents();  // anything the clicks left queued
        QCOMPARE(visibleState(*window), before);
        QCOMPARE(window->frameGeometry(), place);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        failing.closeWindow();
    }
};

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
