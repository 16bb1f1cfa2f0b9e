// The main window's frame, controls and menus, and the hidden holder of the
// tile pictures, as built.
#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include "WindowFixture.h"
#include "ui/Pictures.h"
#include "ui/TileHolder.h"

using namespace pelmora;
using namespace pelmora::test;

namespace {

QRect fromTwips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void frameIsFixedWithCaptionAndMinimiseOnly() {
        ProgramUnderTest run;
        MainWindow& window = run.window();
        QCOMPARE(window.objectName(), QString("main"));
        QCOMPARE(window.windowTitle(), QString("Pelmora"));
        const QRect client = window.centralWidget()->geometry();
        QCOMPARE(client, QRect(0, window.menuBar()->geometry().bottom() + 1, 633, 486));
        QCOMPARE(window.size(), QSize(633, window.menuBar()->height() + 486));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        window.resize(900, 700);
        QCOMPARE(window.size(), window.minimumSize());

        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));  // else the system adds maximise
        for (int side : {16, 32, 48}) QVERIFY(window.windowIcon().availableSizes().contains(QSize(side, side)));
    }

    void everyControlCarriesItsName() {
        ProgramUnderTest run;
        MainWindow& window = run.window();
        for (const char* name : {"Null", "SelPts", "Null2", "lvl", "Nmmc", "Null3", "NEXTLEVEL",
                                 "Label12", "Label10", "Label8", "Label6", "Label4", "Label3", "Pts"})
            QVERIFY2(window.findChildren<QLabel*>(name).size() == 1, name);
        for (const char* name : {"Image5", "Image4", "Image3", "Image2"})
            QVERIFY2(window.findChildren<PictureBox*>(name).size() == 1, name);
        QCOMPARE(window.findChildren<QTimer*>("Timer1").size(), 1);
        QCOMPARE(window.findChildren<BoardSurface*>("dest").size(), 1);
        auto* frame = window.findChild<QFrame*>("Frame1");
        QVERIFY(frame != nullptr);
        for (const char* inFrame : {"Null", "SelPts", "Null2", "lvl", "Nmmc", "Null3"})
            QVERIFY2(run.label(inFrame)->parentWidget() == frame, inFrame);
    }

    void controlsSitWhereTheyBelong_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");  // within its parent
        QTest::newRow("Frame1") << "Frame1" << fromTwips(0, 6840, 9495, 495);
        QTest::newRow("SelPts") << "SelPts" << fromTwips(3960, 120, 1755, 240);
        QTest::newRow("Nmmc") << "Nmmc" << fromTwips(7080, 150, 2115, 240);
        QTest::newRow("dest") << "dest" << fromTwips(120, 1680, 9255, 5250);
        QTest::newRow("Image3") << "Image3" << fromTwips(2160, 960, 435, 450);
        QTest::newRow("NEXTLEVEL") << "NEXTLEVEL" << fromTwips(0, 480, 5055, 255);
        QTest::newRow("Label6") << "Label6" << fromTwips(960, 960, 795, 435);
        QTest::newRow("Label3") << "Label3" << fromTwips(7080, 120, 2355, 570);
        QTest::newRow("Pts") << "Pts" << fromTwips(120, 45, 4635, 375);
    }
    void controlsSitWhereTheyBelong() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        ProgramUnderTest run;
        QCOMPARE(run.window().findChild<QWidget*>(name)->geometry(), place);
    }

    void totalCountIsNeverVisible() {
        ProgramUnderTest run;
        QLabel* total = run.label("Label4");
        QVERIFY(!total->isVisible());
        run.setBoard(columnStripes());
        run.click(cellCentre(0, 0));
        run.click(cellCentre(0, 0));
        QCOMPARE(total->text(), QString("84"));
        run.window().hide();
        run.window().show();
        QVERIFY(!total->isVisible());
    }

    void menusHoldTheirCommandsWithoutShortcuts() {
        ProgramUnderTest run;
        const QList<QAction*> top = run.window().menuBar()->actions();
        QCOMPARE(top.size(), 2);
        QCOMPARE(top[0]->text(), QString("&File"));
        QCOMPARE(top[1]->text(), QString("&Help"));
        const QList<QAction*> file = top[0]->menu()->actions();
        const QList<QAction*> help = top[1]->menu()->actions();
        QCOMPARE(file.size(), 3);
        QCOMPARE(file[0]->text(), QString("Reset"));
        QVERIFY(file[1]->isSeparator());
        QCOMPARE(file[2]->text(), QString("Quit"));
        QCOMPARE(help.size(), 1);
        QCOMPARE(help[0]->text(), QString("How to Play / About Pelmora..."));
        for (QAction* command : {file[0], file[2], help[0]}) QVERIFY(command->shortcuts().isEmpty());
    }

    void pictureHolderIsHiddenAndHoldsTheEightTiles() {
        ProgramUnderTest run;
        TileHolder* pic = run.window().pic();
        QVERIFY(pic != nullptr);  // the first board was drawn while building
        QCOMPARE(pic->objectName(), QString("pic"));
        QCOMPARE(pic->windowTitle(), QString("PICS"));
        QCOMPARE(pic->windowType(), Qt::Tool);
        QVERIFY(!pic->isVisible());
        QCOMPARE(pic->size(), QSize(193, 96));
        const std::pair<const char*, QSize> boxes[] = {
            {"rh", {735, 705}}, {"yh", {735, 705}}, {"y", {735, 705}},  {"r", {735, 705}},
            {"g", {735, 720}},  {"b", {705, 720}},  {"bh", {705, 720}}, {"gh", {735, 720}}};
        for (const auto& [name, outer] : boxes) QCOMPARE(pic->outerSizeTwips(name), outer);
    }

    // Closing unloads the holder, and no later tick builds it again.
    void pictureHolderGoesWithTheMainWindow() {
        ProgramUnderTest run;
        run.timer1()->start();
        QPointer<TileHolder> pic = run.window().pic();
        QVERIFY(run.window().close());
        QVERIFY(pic.isNull());
        QTest::qWait(350);
        QVERIFY(run.window().pic() == nullptr);
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "WindowLayoutTest.moc"
