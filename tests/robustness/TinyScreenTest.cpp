// On a screen smaller than the window the game still plays, and neither
// window says anything the rules do not say.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "game/Geometry.h"
#include "ui/BoardSurface.h"
#include "program/GameProgram.h"
#include "ui/sound/SoundPlayer.h"

using namespace pelmora;

namespace {

class Silence final : public SoundPlayer {
public:
    void playAndWait(const std::string&) override {}
};

}  // namespace

class TinyScreenTest : public QObject {
    Q_OBJECT
private slots:
    void gameAndAboutWorkOnAScreenSmallerThanTheWindow() {
        QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen->size().width() < 633);

        Silence silence;
        GameProgram program(silence, std::make_unique<MixingGenerator>(7));
        MainWindow& window = program.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize fixed = window.size();
        QCOMPARE(window.minimumSize(), window.maximumSize());

        // Two same-coloured boxes at the left of the bottom row: a press selects them.
        Board& board = window.game().board();
        board.clear(code::kEmpty);
        board.at(kRows - 1, 0) = board.at(kRows - 1, 1) = code::kGreen;
        window.game().DrawBoard();
        QTest::mouseClick(&window.dest(), Qt::LeftButton, {}, QPoint(2 + 47 / 2, 5 + 48 * 6 + 24));
        QCOMPARE(window.findChild<QLabel*>("SelPts")->text(), QString("2000"));

        window.findChild<QAction*>("mnuaswitch")->trigger();
        QVERIFY(program.about().window() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(program.about().window()));

        QCOMPARE(window.size(), fixed);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);  // no message of any kind
        program.about().closeWindow();
    }
};

QTEST_MAIN(TinyScreenTest)
#include "TinyScreenTest.moc"
