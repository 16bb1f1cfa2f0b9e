// One shown run of the whole program for the window tests: dealt a chosen
// board (or a seeded one), its clock stopped, its sound silent unless a
// player is passed in, its links inert. Timer1 is held, so boxes move only
// when a test ticks.
#pragma once

#include <QtTest>
#include <QtWidgets>

#include "program/GameProgram.h"
#include "tests/support/Boards.h"
#include "tests/support/CellAim.h"
#include "tests/support/Generators.h"
#include "tests/support/SilentSound.h"
#include "ui/BoardSurface.h"
#include "ui/TileHolder.h"
#include "widgets/Twips.h"

namespace pelmora::test_support {

// The hidden tile holder `pic`, while it exists.
inline TileHolder* tileHolder() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* holder = qobject_cast<TileHolder*>(window)) return holder;
    return nullptr;
}

// The labels the rules write, in a fixed order, and the texts the game has
// for them in the same order.
inline const char* const kStatusLabels[] = {"lvl",    "Pts",    "SelPts",  "Nmmc",    "NEXTLEVEL",
                                            "Label4", "Label6", "Label8", "Label10", "Label12"};
inline QStringList inLabelOrder(const StatusTexts& t) {
    QStringList texts;
    for (const std::string& text : {t.lvl, t.Pts, t.SelPts, t.Nmmc, t.NEXTLEVEL, t.Label4, t.Label6, t.Label8,
                                    t.Label10, t.Label12})
        texts << QString::fromStdString(text);
    return texts;
}

struct WindowRun {
    // `board`: the first board dealt, normal boxes only.
    explicit WindowRun(const Board* board = nullptr, SoundPlayer* sound = nullptr)
        : program(sound ? *sound : silent, dealing(board), clock, [](const QUrl&) { return false; }) {
        timer1()->stop();
        window().show();
        if (!QTest::qWaitForWindowExposed(&window())) qFatal("the main window never showed");
    }
    explicit WindowRun(const Board& board) : WindowRun(&board) {}
    ~WindowRun() { program.about().closeWindow(); }  // the launcher leaves it open

    MainWindow& window() { return program.window(); }
    const Game& game() { return program.window().game(); }
    QTimer* timer1() { return window().findChild<QTimer*>("Timer1"); }
    QLabel* label(const char* name) { return window().findChild<QLabel*>(name); }
    QStringList texts(std::initializer_list<const char*> names) {
        QStringList shown;
        for (const char* name : names) shown << label(name)->text();
        return shown;
    }
    QStringList statusTexts() {
        QStringList shown;
        for (const char* name : kStatusLabels) shown << label(name)->text();
        return shown;
    }
    void choose(const char* command) { window().findChild<QAction*>(command)->trigger(); }
    void tick() { QMetaObject::invokeMethod(timer1(), "timeout", Qt::DirectConnection); }
    void click(QPoint pixel, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(&window().dest(), button, modifiers, pixel);
    }
    void clickCell(int row, int column) { click(pixelOf(middleOfCell(row, column))); }

    UniformGenerator& dealing(const Board* board) {
        if (board) generator.queueDeal(*board);
        return generator;
    }
    static QPoint pixelOf(TwipsPoint at) {
        return QPoint(static_cast<int>(at.x) / kTwipsPerPixel, static_cast<int>(at.y) / kTwipsPerPixel);
    }

    ScriptedGenerator generator;
    FixedClock clock;
    SilentSound silent;  // the sound player unless one is passed in
    GameProgram program;
};

}  // namespace pelmora::test_support
