#include "PlayRunner.h"

#include <QLabel>

#include "BoardModel.h"
#include "about/AboutWindow.h"
#include "ui/BoardSurface.h"

namespace pelmora::play {

PlayRunner::PlayRunner(GameUnderTest& game)
    : game_(game), referee_(game), presses_(game, referee_) {
    referee_.checkStart();
}

bool PlayRunner::play(const PlayEvent& event) {
    const Before before = referee_.observe();
    const long delivered = presses_.delivered();
    bool labelsShown = false;
    int pressesMade = 0;  // presses the surface itself is given
    switch (event.move) {
        case Move::DirectPress: pressDirect(event, before); break;
        case Move::DestPress:
            game_.pressOnDest(event.at, event.button, event.keys);
            game_.releaseOnDest(event.releaseAt, event.button, event.keys);
            pressesMade = 1;
            break;
        case Move::DestClick:
            game_.clickOnDest(event.at, event.button, event.keys);
            pressesMade = 1;
            break;
        case Move::DestDoubleClick:
            game_.doubleClickOnDest(event.at, event.button, event.keys);
            pressesMade = 1;  // the second press of a double-click does nothing
            break;
        case Move::WindowClick: labelsShown = clickWindow(event, before); break;
        case Move::Tick:
            game_.tick();
            referee_.checkTick(before);
            labelsShown = true;
            break;
        case Move::Reset:
            game_.reset();
            referee_.checkReset(before);
            labelsShown = true;
            break;
        case Move::LevelUp: labelsShown = levelUp(event, before); break;
        case Move::LevelUpSlip:
            game_.pressAndReleaseLevelUp(event.at, event.releaseAt, Qt::LeftButton);
            referee_.checkUnchanged(before, "a press on LEVEL UP released outside it");
            break;
        case Move::Help: help(before); break;
        case Move::AboutOk:
        case Move::AboutCloseBox:
        case Move::AboutLink: aboutMove(event, before); break;
        case Move::Repaint:
            game_.repaint();
            referee_.checkUnchanged(before, "a repaint");
            break;
    }
    if (pressesMade > 0) {
        labelsShown = true;
        if (presses_.delivered() - delivered != pressesMade)
            referee_.fail(std::to_string(pressesMade) + " presses made on the surface, " +
                          std::to_string(presses_.delivered() - delivered) + " delivered");
    }
    if (presses_.delivered() != presses_.handedOn())
        referee_.fail(std::to_string(presses_.delivered()) +
                      " presses reached the surface in all, " +
                      std::to_string(presses_.handedOn()) + " reached the rules");
    if (!game_.window().isVisible()) referee_.fail("the main window closed");
    referee_.checkAlways(labelsShown);
    return !referee_.failed();
}

void PlayRunner::pressDirect(const PlayEvent& event, const Before& before) {
    game_.pressDirect(event.buttonCode, event.keyCode, event.x, event.y);
    referee_.checkPress(before, event.x, event.y);
}

bool PlayRunner::clickWindow(const PlayEvent& event, const Before& before) {
    const QPoint at = event.throughWindow ? game_.windowPointOf(game_.dest(), event.at) : event.at;
    QWidget* target = game_.widgetAtWindowPoint(at);
    if (target == &game_.levelUp()) {
        PlayEvent click = event;
        click.at = game_.levelUp().mapFrom(&game_.window(), at);
        click.throughWindow = true;
        click.setup = LevelUpSetup::AsItIs;
        return levelUp(click, before);
    }
    const long delivered = presses_.delivered();
    answerer_.arm(false);
    game_.clickOnWindow(at, event.button, event.keys);
    referee_.checkNoMessageBox(answerer_.disarm());
    if (target == &game_.dest()) {
        // The surface's own check of the press runs as it is handed on.
        if (presses_.delivered() - delivered != 1)
            referee_.fail("a click on the board through the window reached the surface " +
                          std::to_string(presses_.delivered() - delivered) + " times");
        return true;
    }
    referee_.checkUnchanged(before, "a click beside the board");
    return false;
}

bool PlayRunner::levelUp(const PlayEvent& event, Before before) {
    if (event.setup != LevelUpSetup::AsItIs) {
        setUpLevelUp(event);
        before = referee_.observe();
    }
    answerer_.arm(event.answerWithEnter);
    if (event.throughWindow && game_.widgetAtWindowPoint(game_.windowPointOf(
                                   game_.levelUp(), event.at)) == &game_.levelUp())
        game_.clickOnWindow(game_.windowPointOf(game_.levelUp(), event.at), event.button,
                            event.keys);
    else
        game_.clickLevelUp(event.at, event.button, event.keys);
    const AnsweredBox box = answerer_.disarm();
    if (event.button != Qt::LeftButton) {
        referee_.checkNoMessageBox(box);
        referee_.checkUnchanged(before, "a click on LEVEL UP with another button");
        return false;
    }
    referee_.checkLevelUp(before, box);
    return true;
}

void PlayRunner::setUpLevelUp(const PlayEvent& event) {
    Game& rules = game_.game();
    if (event.setup == LevelUpSetup::AnyLevel) {
        rules.restoreProgress(event.level, rules.points(), rules.resets());
    } else if (const auto threshold = model::levelThreshold(rules.level())) {
        rules.restoreProgress(rules.level(), *threshold + event.pointsOverThreshold,
                              rules.resets());
    }
    referee_.acceptRestoredProgress();
}

void PlayRunner::help(const Before& before) {
    const about::AboutWindow* open = game_.aboutWindow();
    game_.openHelp();
    game_.flushDeletions();
    const about::AboutWindow* now = game_.aboutWindow();
    if (!now || !now->isVisible()) referee_.fail("Help showed no About window");
    if (open && now != open) referee_.fail("Help opened a second About window beside the open one");
    if (game_.aboutWindowsAlive() != 1)
        referee_.fail(std::to_string(game_.aboutWindowsAlive()) +
                      " About windows exist after Help");
    referee_.checkUnchanged(before, "Help");
}

void PlayRunner::aboutMove(const PlayEvent& event, const Before& before) {
    const bool open = game_.aboutWindow() != nullptr;
    if (event.move == Move::AboutLink) {
        const std::size_t links = game_.linksOpened().size();
        game_.clickAboutLink(event.link);
        if (game_.linksOpened().size() != links + (open ? 1 : 0))
            referee_.fail("a link click opened " +
                          std::to_string(game_.linksOpened().size() - links) + " links");
        referee_.checkUnchanged(before, "an About link");
        return;
    }
    if (event.move == Move::AboutOk)
        game_.closeAboutWithOk();
    else
        game_.closeAboutWithCloseBox();
    if (game_.aboutWindow() != nullptr || game_.aboutWindowsAlive() != 0)
        referee_.fail("closing the About window left it alive");
    referee_.checkUnchanged(before, "closing the About window");
}

}  // namespace pelmora::play
