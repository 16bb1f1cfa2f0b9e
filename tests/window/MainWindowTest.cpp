// The main window driven through its real widgets: presses and commands
// reaching the rules, the status labels, the frame and menus, the About
// window alongside. Where a press lands is BoardSurfaceTest's.
#include <QtTest>
#include <QtWidgets>

#include <algorithm>

#include "tests/window/WindowRun.h"
#include "ui/Pictures.h"
#include "ui/TileHolder.h"

using namespace pelmora;
using namespace pelmora::test_support;

namespace {

std::string besideProgram(const char* name) { return (qApp->applicationDirPath() + '/' + name).toStdString(); }

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // A press with any button and modifier keys reaches the rules, here
    // selecting a board of one colour.
    void everyButtonAndModifierActsAlike() {
        const std::pair<Qt::MouseButton, Qt::KeyboardModifiers> presses[] = {
            {Qt::LeftButton, {}}, {Qt::RightButton, Qt::ControlModifier}, {Qt::MiddleButton, Qt::AltModifier}};
        for (auto [button, modifiers] : presses) {
            WindowRun run(filled(code::kRed));
            run.click(WindowRun::pixelOf(middleOfCell(4, 3)), button, modifiers);
            QCOMPARE(run.label("SelPts")->text(), QString("4140500"));
        }
    }

    // Each control reaches its handler, sounds are played from beside the
    // program, and after every handler the labels show the game's texts.
    void controlsReachTheirHandlersAndTheLabelsFollow() {
        WindowRun run(filled(code::kRed));
        QCOMPARE(run.statusTexts(), inLabelOrder(run.game().texts()));
        QCOMPARE(run.texts({"lvl", "Pts", "SelPts", "Nmmc", "NEXTLEVEL"}),
                 QStringList({"1", "0", "", "", "NEXT LEVEL: 200000"}));
        run.clickCell(3, 6);  // all 91 boxes selected
        QCOMPARE(run.label("SelPts")->text(), QString("4140500"));
        run.clickCell(3, 6);
        QCOMPARE(run.silent.last, besideProgram("clearbox.wav"));
        QCOMPARE(run.statusTexts(), inLabelOrder(run.game().texts()));
        run.tick();
        QCOMPARE(run.label("Nmmc")->text(), QString("15000"));
        QTest::mouseClick(run.label("Label3"), Qt::LeftButton);
        QCOMPARE(run.silent.last, besideProgram("win.wav"));
        QCOMPARE(run.label("lvl")->text(), QString("2"));
        run.choose("mnuFileNew");
        QCOMPARE(run.label("Pts")->text(), QString("4125500"));
        QCOMPARE(run.statusTexts(), inLabelOrder(run.game().texts()));
        QCOMPARE(run.silent.plays, 2L);
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
