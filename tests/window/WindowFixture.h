// What the main-window tests share: the whole program with a sound player
// that only records, boards written as text, the drawn grid in pixels, and
// a hand that answers the game's one message box.
#pragma once

#include <QLabel>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/Board.h"
#include "ui/BoardSurface.h"
#include "ui/GameProgram.h"
#include "ui/sound/SoundPlayer.h"

namespace pelmora::test {

class RecordingSound final : public SoundPlayer {
public:
    void playAndWait(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

// One run of the game, shown, dealt from a fixed seed, its links inert.
// Timer1 is held, so boxes move only when a test ticks.
class ProgramUnderTest {
public:
    ProgramUnderTest() : ProgramUnderTest(recorded) {}
    explicit ProgramUnderTest(SoundPlayer& sound);
    ~ProgramUnderTest() { program.about().closeWindow(); }  // the launcher leaves it open

    MainWindow& window() { return program.window(); }
    Game& game() { return program.window().game(); }
    QLabel* label(const char* name) { return window().findChild<QLabel*>(name); }
    QString text(const char* name) { return label(name)->text(); }
    QTimer* timer1() { return window().findChild<QTimer*>("Timer1"); }
    void choose(const char* menuCommand);
    // One tick through the timer's own signal.
    void tick();
    // Ticks until the board stops changing; returns how many ticks moved it.
    int tickUntilSettled();
    void click(QPoint pixel, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void setBoard(const Board& board);

    RecordingSound recorded;  // the sound player unless one is passed in
    GameProgram program;
};

// 7 rows of 13 cell codes, top row first.
Board boardFrom(std::initializer_list<std::string_view> rows);
QStringList rowsOf(const Board& board);
Board filledWith(char code);
// Each column (each row) one colour, its neighbours another: a press
// selects within its own column (row) only.
Board columnStripes();
Board rowStripes();
// Columns (rows) holding a selected code, ascending.
QList<int> selectedColumns(const Board& board);
QList<int> selectedRows(const Board& board);

// The drawn grid in pixels of `dest`: cells 47 x 48 from (2, 5).
QRect cellRect(int row, int column);
inline QPoint cellCentre(int row, int column) { return cellRect(row, column).center(); }

// A sound file beside the test program, as the game names it.
std::string besideProgram(const char* fileName);

// Clicks OK on every modal message box shown while it lives, remembering
// how the last one looked.
class MessageBoxAnswerer : public QObject {
public:
    MessageBoxAnswerer();
    struct Looks {
        QString text, title;
        QMessageBox::Icon icon;
        bool onlyOk, modal;
    };
    int answered = 0;
    std::optional<Looks> last;

private:
    QTimer poll_;
};

}  // namespace pelmora::test
