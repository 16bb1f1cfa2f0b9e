#include "GameUnderTest.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "about/AboutWindow.h"
#include "ui/BoardSurface.h"

namespace pelmora::play {
namespace {

// The game reseeds from the wall clock at every draw; a replayable game needs
// the same draws whatever the time, so reseeding is ignored here.
class SeededGenerator final : public UniformGenerator {
public:
    explicit SeededGenerator(std::uint64_t seed) : inner_(seed) {}
    void reseed(std::int32_t) override {}
    float next() override { return inner_.next(); }

private:
    MixingGenerator inner_;
};

template <typename T>
T* required(QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(name);
    if (!found) {
        std::fprintf(stderr, "the main window has no %s\n", name);
        std::abort();
    }
    return found;
}

}  // namespace

GameUnderTest::GameUnderTest(std::uint64_t seed, bool liveTimer, SoundPlayer* realSound)
    : sound_(realSound) {
    program_ = std::make_unique<GameProgram>(sound_, std::make_unique<SeededGenerator>(seed),
                                             [this](const QUrl& link) {
                                                 links_.push_back(link);
                                                 return true;
                                             });
    MainWindow& main = program_->window();
    timer1_ = required<QTimer>(main, "Timer1");
    if (!liveTimer) timer1_->stop();
    timeout_ = QMetaMethod::fromSignal(&QTimer::timeout);
    resetAction_ = required<QAction>(main, "mnuFileNew");
    helpAction_ = required<QAction>(main, "mnuaswitch");
    quitAction_ = required<QAction>(main, "mnuFileQuit");
    levelUp_ = required<QLabel>(main, "Label3");
    for (const char* name : kShownLabels) shownLabels_.push_back(required<QLabel>(main, name));
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) {
        std::fprintf(stderr, "the main window never showed\n");
        std::abort();
    }
}

GameUnderTest::~GameUnderTest() = default;

QString GameUnderTest::shownText(std::size_t label) const { return shownLabels_.at(label)->text(); }

void GameUnderTest::tick() { timeout_.invoke(timer1_, Qt::DirectConnection); }
void GameUnderTest::reset() { resetAction_->trigger(); }
void GameUnderTest::openHelp() { helpAction_->trigger(); }
void GameUnderTest::quit() { quitAction_->trigger(); }
std::string GameUnderTest::leftAfterQuit() {
    flushDeletions();
    std::string left;
    if (window().isVisible()) left += " the main window is open;";
    if (aboutWindow() != nullptr || aboutWindowsAlive() != 0) left += " the About window is alive;";
    if (window().pic() != nullptr) left += " the tile holder is alive;";
    if (timerRunning()) left += " the timer still ticks;";
    return left;
}

bool GameUnderTest::timerRunning() const { return timer1_->isActive(); }
void GameUnderTest::startLiveTimer() { timer1_->start(); }

void GameUnderTest::pressDirect(std::int16_t button, std::int16_t shift, float x, float y) {
    game().dest_MouseDown(button, shift, x, y);
}

void GameUnderTest::pressOnDest(QPoint at, Qt::MouseButton button,
                                Qt::KeyboardModifiers modifiers) {
    QTest::mousePress(&dest(), button, modifiers, at);
}

void GameUnderTest::releaseOnDest(QPoint at, Qt::MouseButton button,
                                  Qt::KeyboardModifiers modifiers) {
    QTest::mouseRelease(&dest(), button, modifiers, at);
}

void GameUnderTest::clickOnDest(QPoint at, Qt::MouseButton button,
                                Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(&dest(), button, modifiers, at);
}

void GameUnderTest::doubleClickOnDest(QPoint at, Qt::MouseButton button,
                                      Qt::KeyboardModifiers modifiers) {
    // What the window system sends for a double click: press, release, the
    // double-click in place of the second press, release.
    QTest::mouseClick(&dest(), button, modifiers, at);
    QTest::mouseDClick(&dest(), button, modifiers, at);
    QTest::mouseRelease(&dest(), button, modifiers, at);
}

void GameUnderTest::clickOnWindow(QPoint at, Qt::MouseButton button,
                                  Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(program_->window().windowHandle(), button, modifiers, at);
}

QWidget* GameUnderTest::widgetAtWindowPoint(QPoint at) const {
    return program_->window().childAt(at);
}

QPoint GameUnderTest::windowPointOf(const QWidget& widget, QPoint pixel) const {
    return widget.mapTo(&program_->window(), pixel);
}

QSize GameUnderTest::clientSize() const { return program_->window().size(); }

int GameUnderTest::menuBarHeight() const { return program_->window().menuBar()->height(); }

void GameUnderTest::clickLevelUp(QPoint at, Qt::MouseButton button,
                                 Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(levelUp_, button, modifiers, at);
}

void GameUnderTest::pressAndReleaseLevelUp(QPoint pressAt, QPoint releaseAt,
                                           Qt::MouseButton button) {
    QTest::mousePress(levelUp_, button, Qt::NoModifier, pressAt);
    QTest::mouseRelease(levelUp_, button, Qt::NoModifier, releaseAt);
}

void GameUnderTest::closeAboutWithOk() {
    if (auto* about = aboutWindow())
        QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    flushDeletions();
}

void GameUnderTest::closeAboutWithCloseBox() {
    if (auto* about = aboutWindow()) about->close();
    flushDeletions();
}

void GameUnderTest::clickAboutLink(int which) {
    static const char* const kLinks[] = {"Label4", "Label5", "Label7"};
    if (auto* about = aboutWindow())
        QTest::mouseClick(about->findChild<QLabel*>(kLinks[which % 3]), Qt::LeftButton);
}

void GameUnderTest::flushDeletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int GameUnderTest::aboutWindowsAlive() const {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<about::AboutWindow*>(widget) ? 1 : 0;
    return count;
}

void GameUnderTest::repaint() { QCoreApplication::processEvents(); }

}  // namespace pelmora::play
