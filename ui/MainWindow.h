// `main`: the game's window. It builds the controls, forwards every event to
// the game's handlers and shows the texts the game leaves in its labels.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "game/Game.h"
#include "ui/WindowHost.h"

class QLabel;
class QTimer;

namespace pelmora {

class BoardSurface;
class ClickableLabel;
class FocusAnnouncer;
class SoundPlayer;
class TileHolder;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Deals and draws the first board before returning, so the window shows
    // a board from its first frame.
    MainWindow(SoundPlayer& sound, RandomSource& random);
    ~MainWindow() override;

    const Game& game() const { return game_; }
    BoardSurface& dest() { return *dest_; }
    // What the Help command runs; the About window plugs in here.
    void setHelpCommand(std::function<void()> command) { helpCommand_ = std::move(command); }
    // What "Quit" runs after closing this window; ends the program.
    void setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

    void mnuFileQuit_Click();
    void mnuaswitch_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();
    void buildStatusStrip(QWidget* client);
    void buildTopBands(QWidget* client);
    void buildMenus();
    void paintBoard(const Board& board);
    // Puts the game's status texts into the labels that show them.
    void showTexts(const StatusTexts& texts);
    // Has a screen reader told what a handler did.
    void tell(const Outcome& outcome);

    struct ShownText {
        QLabel* label;
        std::string StatusTexts::*text;
    };

    WindowHost host_;
    Game game_;
    BoardSurface* dest_ = nullptr;
    QTimer* timer1_ = nullptr;
    FocusAnnouncer* announcer_ = nullptr;
    std::unique_ptr<TileHolder> pic_;
    std::vector<ShownText> shownTexts_;
    std::function<void()> helpCommand_;
    std::function<void()> endProgram_;
};

}  // namespace pelmora
