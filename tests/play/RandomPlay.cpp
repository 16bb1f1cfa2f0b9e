#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "Play.h"
#include "about/AboutWindow.h"
#include "game/Geometry.h"
#include "tests/support/SilentSound.h"
#include "tests/window/WindowRun.h"
#include "ui/BoardSurface.h"
#include "widgets/Twips.h"

namespace pelmora::play {

Player::Player(long long seed, SoundPlayer& sound)
    : generator_(static_cast<std::uint64_t>(seed)),
      sound_(sound),
      random_(seed ^ 0x6576656e7473ULL) {  // the events' own stream, not the game's
    open();
    // Zero delay: fires at the first turn of the modal box's own event loop.
    answerer_.setInterval(0);
    QObject::connect(&answerer_, &QTimer::timeout, [this] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            const auto* message = qobject_cast<QMessageBox*>(box);
            boxSeen_ = message ? message->windowTitle() + ": " + message->text() : "another dialog";
            box->accept();
        }
    });
}

void Player::open() {
    program_ = std::make_unique<GameProgram>(sound_, generator_, clock_, [](const QUrl&) { return true; });
    MainWindow& main = program_->window();
    timer1_ = main.findChild<QTimer*>("Timer1");
    timer1_->stop();
    resetAction_ = main.findChild<QAction*>("mnuFileNew");
    helpAction_ = main.findChild<QAction*>("mnuaswitch");
    quitAction_ = main.findChild<QAction*>("mnuFileQuit");
    levelUpLabel_ = main.findChild<QLabel*>("Label3");
    labels_.clear();
    for (const char* name : kCheckedLabels) labels_.push_back(main.findChild<QLabel*>(name));
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) std::abort();
}

template <typename Action>
std::string Player::judged(Event event, Action action) {
    ++currentEvent;
    const Game& rules = game();
    const Snapshot before{rules.board(), rules.points(), rules.resets()};
    const int levelBefore = rules.level();
    action();
    const bool refused = !boxSeen_.isEmpty();
    removals += event == Event::Press && rules.points() > before.points;
    levelUps += rules.level() > levelBefore;
    refusals += refused;
    std::string fault =
        checkInvariants(rules, before, event, refused, labels_);
    if (refused && boxSeen_ != QString(Game::kRefusalTitle) + ": " + Game::kRefusalText)
        fault += "LEVEL UP brought up '" + boxSeen_.toStdString() + "'";
    boxSeen_.clear();
    return fault;
}

std::string Player::checkNow() {
    return judged(Event::About, [] {});
}

std::string Player::click(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers keys) {
    last = "click on dest at pixel (" + std::to_string(at.x()) + ", " + std::to_string(at.y()) +
           "), button " + std::to_string(button) + " keys " + std::to_string(keys.toInt());
    return judged(Event::Press, [&] { QTest::mouseClick(&program_->window().dest(), button, keys, at); });
}

std::string Player::tick() {
    last = "tick";
    return judged(Event::Tick, [&] { QMetaObject::invokeMethod(timer1_, "timeout", Qt::DirectConnection); });
}

std::string Player::reset() {
    last = "Reset";
    return judged(Event::Reset, [&] { resetAction_->trigger(); });
}

std::string Player::levelUp() {
    last = "LEVEL UP at level " + std::to_string(game().level()) + " with " +
           std::to_string(game().points()) + " points";
    return judged(Event::LevelUp, [&] {
        answerer_.start();
        QTest::mouseClick(levelUpLabel_, Qt::LeftButton, {}, levelUpLabel_->rect().center());
        answerer_.stop();
    });
}

std::string Player::toggleAbout() {
    about::AboutLauncher& about = program_->about();
    const bool wasOpen = about.window();
    last = wasOpen ? "About window closed" : "Help, How to Play / About";
    const std::string fault = judged(Event::About, [&] {
        wasOpen ? void(about.window()->close()) : helpAction_->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    if (fault.empty() && wasOpen == (about.window() && about.window()->isVisible()))
        return wasOpen ? "the About window would not close" : "Help showed no About window";
    return fault;
}

void Player::dealOneColourNext() {
    Board board;
    board.clear("bgry"[below(4)]);
    generator_.queueDeal(board);
}

void Player::startAgain() {
    last = "the program closed and opened again";
    program_->about().closeWindow();
    program_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    open();
}

void Player::quit() { quitAction_->trigger(); }

std::string Player::leftAfterQuit() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::string left;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) left += " '" + window->windowTitle().toStdString() + "' is open;";
    if (program_->about().window()) left += " the About window is alive;";
    if (test_support::tileHolder() || timer1_->isActive()) left += " the tiles or the timer live on;";
    return left;
}

std::pair<float, float> Player::pickPoint(bool wild) {
    const auto uniform = [this](double low, double high) {
        return float(low + (high - low) * std::generate_canonical<double, 53>(random_));
    };
    const int where = below(100);
    if (where < 55) {  // a box, and two times in five one of the selection if it can find one
        const bool selected = below(5) < 2;
        int cell = below(kCells);
        for (int tries = 0; tries < 100; ++tries, cell = below(kCells)) {
            const char code = game().board().cells()[cell];
            if (selected ? isSelectedBox(code) : code != code::kEmpty) break;
        }
        const CellRect box = cellRect({cell / kColumns, cell % kColumns});
        return {uniform(box.left, box.left + box.width), uniform(box.top, box.top + box.height)};
    }
    const QWidget& dest = program_->window().dest();
    if (where < 80)  // anywhere on the surface, margins included
        return {uniform(0, dest.width() * kTwipsPerPixel),
                uniform(0, dest.height() * kTwipsPerPixel)};
    if (where < 92 || !wild) {  // on a grid line, or a hair either side of it
        static constexpr float kNudges[] = {0, 0.5f, -0.5f, 1, -1, 1e-3f, -1e-3f};
        const float x = static_cast<float>(cellRect({0, below(kColumns + 1)}).left) + kNudges[below(7)];
        const float y = static_cast<float>(cellRect({below(kRows + 1), 0}).top) + kNudges[below(7)];
        return {x, y};
    }
    static constexpr float kWild[] = {-1e30f, -65536,    -0.0f,      1e30f,
                                      65536,  HUGE_VALF, -HUGE_VALF, NAN};
    return {kWild[below(8)], below(2) ? kWild[below(8)] : uniform(-1e6, 1e6)};
}

std::string Player::randomEvent() {
    const int roll = below(10000);
    if (roll < 4500) {
        const std::pair<float, float> point = pickPoint(true);
        const float x = point.first, y = point.second;
        // The rules take any button and shift codes, even ones no mouse sends.
        const auto code = [this](int usual) {
            return std::int16_t(below(5) ? usual : int(random_() & 0xffff) - 32768);
        };
        const std::int16_t button = code(1 << below(3)), shift = code(below(8));
        last = "press reported by dest at (" + std::to_string(x) + ", " + std::to_string(y) +
               ") twips, button " + std::to_string(button) + " shift " + std::to_string(shift);
        return judged(Event::Press, [&] { emit program_->window().dest().pressed(button, shift, x, y); });
    }
    if (roll < 6300) {
        // Left mostly, else left, right, middle or back.
        const auto button = Qt::MouseButton(below(2) ? Qt::LeftButton : Qt::LeftButton << below(4));
        const auto [x, y] = pickPoint(false);
        Qt::KeyboardModifiers keys;
        for (Qt::KeyboardModifier key : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
            if (below(100) < 15) keys |= key;
        return click(QPoint(int(x) / kTwipsPerPixel, int(y) / kTwipsPerPixel), button, keys);
    }
    if (roll < 9550) return tick();
    if (roll < 9750) return reset();
    if (roll < 9994) {
        // Now and then the board this deals is one colour, worth enough
        // points to climb to the top level; from the top level, where
        // nothing ends a game, the program sometimes starts again.
        if (game().level() >= kTopLevel && below(4) == 0) startAgain();
        if (game().level() < kTopLevel && below(3) == 0) dealOneColourNext();
        return levelUp();
    }
    return toggleAbout();
}

int runRandomPlay(const Options& options) {
    const auto started = std::chrono::steady_clock::now();
    const std::string replay = "PELMORA_PLAY_EVENT_PERCENT=100 " + options.program + " --seed " +
                               std::to_string(options.seed) + " --events ";
    startWatchdog(replay, true);
    test_support::SilentSound silent;
    Player player(options.seed, silent);
    std::string fault = player.checkNow();
    currentEvent = -1;  // the watchdog counts from the first random event
    long long event = 0;
    for (; fault.empty() && event < options.events; ++event) fault = player.randomEvent();
    player.quit();
    const std::string left = player.leftAfterQuit();
    if (!fault.empty() || !left.empty()) {
        std::fprintf(stderr,
                     "FAIL: seed %lld, event %lld (%s): %s\nreplay: %s%lld\nafter Quit:%s\n",
                     options.seed, event - 1, player.last.c_str(), fault.c_str(), replay.c_str(),
                     event, left.c_str());
        return 1;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::printf(
        "seed %lld: %lld events passed in %.1f s (%ld removals, %ld level-ups, %ld refusals)\n",
        options.seed, options.events, took.count(), player.removals, player.levelUps,
        player.refusals);
    return 0;
}

}  // namespace pelmora::play
