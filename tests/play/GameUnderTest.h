// The whole program as the player meets it, offscreen: the main window with
// its About launcher, a silent speaker, a link opener that only takes notes,
// and a game dealt from a fixed seed. Offers the player's moves as real mouse
// events, menu commands and timer ticks.
#pragma once

#include <QMetaMethod>
#include <QPoint>
#include <QString>
#include <QUrl>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FakeSound.h"
#include "ui/GameProgram.h"

class QAction;
class QLabel;
class QTimer;

namespace pelmora::play {

// The labels the rules write, by their names on the window.
inline constexpr const char* kShownLabels[] = {"Pts",    "lvl",    "SelPts", "Nmmc",    "NEXTLEVEL",
                                               "Label4", "Label6", "Label8", "Label10", "Label12"};

class GameUnderTest {
public:
    // With `liveTimer` false the window's timer is stopped and ticks happen
    // only when tick() says so, which keeps a seed's game repeatable.
    GameUnderTest(std::uint64_t seed, bool liveTimer, SoundPlayer* realSound = nullptr);
    ~GameUnderTest();

    MainWindow& window() { return program_->window(); }
    const MainWindow& window() const { return program_->window(); }
    Game& game() { return program_->window().game(); }
    BoardSurface& dest() { return program_->window().dest(); }
    QLabel& levelUp() { return *levelUp_; }
    about::AboutWindow* aboutWindow() const { return program_->about().window(); }
    long soundsPlayed() const { return sound_.plays; }
    const std::string& lastSound() const { return sound_.lastPath; }
    const std::vector<QUrl>& linksOpened() const { return links_; }
    // Text of the label kShownLabels[label].
    QString shownText(std::size_t label) const;

    // The timer's own signal, so the tick runs through the window's wiring.
    void tick();
    void reset();
    void openHelp();
    void quit();
    // Empty if Quit took every window with it; else what it left behind.
    std::string leftAfterQuit();
    bool timerRunning() const;
    // Lets the window's timer tick by itself again, as in the real game.
    void startLiveTimer();

    // A press handed straight to the rules, as fast as it gets.
    void pressDirect(std::int16_t button, std::int16_t shift, float x, float y);
    // Mouse events delivered to `dest` itself, at a pixel of it.
    void pressOnDest(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void releaseOnDest(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void clickOnDest(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void doubleClickOnDest(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // A click given to the window system at a pixel of the main window's
    // client area: whatever widget lies there gets it.
    void clickOnWindow(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    QWidget* widgetAtWindowPoint(QPoint at) const;
    // Where a pixel of one of the window's widgets lies on the window.
    QPoint windowPointOf(const QWidget& widget, QPoint pixel) const;
    QSize clientSize() const;
    int menuBarHeight() const;
    void clickLevelUp(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // Press inside "LEVEL UP", release at `releaseAt` (label pixels).
    void pressAndReleaseLevelUp(QPoint pressAt, QPoint releaseAt, Qt::MouseButton button);

    // About window: its OK button, its close box, one of its three links.
    void closeAboutWithOk();
    void closeAboutWithCloseBox();
    void clickAboutLink(int which);
    // Deletes what closed windows left for deletion; the test has no event
    // loop of its own to do it.
    void flushDeletions();
    int aboutWindowsAlive() const;
    // Lets the window repaint what the moves changed.
    void repaint();

private:
    FakeSound sound_;
    std::vector<QUrl> links_;
    std::unique_ptr<GameProgram> program_;
    QTimer* timer1_ = nullptr;
    QMetaMethod timeout_;
    QAction* resetAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    QAction* quitAction_ = nullptr;
    QLabel* levelUp_ = nullptr;
    std::vector<QLabel*> shownLabels_;
};

}  // namespace pelmora::play
