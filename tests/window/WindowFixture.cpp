#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTest>

#include <algorithm>
#include <memory>

namespace pelmora::test {
namespace {

constexpr std::uint64_t kSeed = 0x5eed;
// More than any board needs: a box falls at most 6 rows, 12 columns close.
constexpr int kMostTicksToSettle = 20;

Board striped(bool alongColumns, char even, char odd) {
    Board board;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            board.at(row, column) = (alongColumns ? column : row) % 2 == 0 ? even : odd;
    return board;
}

QList<int> selectedLines(const Board& board, bool columns) {
    QList<int> lines;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const int line = columns ? column : row;
            if (isSelectedBox(board.at(row, column)) && !lines.contains(line)) lines << line;
        }
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace

ProgramUnderTest::ProgramUnderTest(SoundPlayer& sound)
    : program(sound, std::make_unique<MixingGenerator>(kSeed), [](const QUrl&) { return false; }) {
    timer1()->stop();
    window().show();
    if (!QTest::qWaitForWindowExposed(&window())) qWarning("the main window never showed");
}

void ProgramUnderTest::choose(const char* menuCommand) {
    window().findChild<QAction*>(menuCommand)->trigger();
}

void ProgramUnderTest::tick() {
    QMetaObject::invokeMethod(timer1(), "timeout", Qt::DirectConnection);
}

int ProgramUnderTest::tickUntilSettled() {
    for (int moving = 0; moving < kMostTicksToSettle; ++moving) {
        const Board before = game().board();
        tick();
        if (game().board() == before) return moving;
    }
    return kMostTicksToSettle;
}

void ProgramUnderTest::click(QPoint pixel, Qt::MouseButton button,
                             Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(&window().dest(), button, modifiers, pixel);
}

void ProgramUnderTest::setBoard(const Board& board) {
    game().board() = board;
    game().DrawBoard();
}

Board boardFrom(std::initializer_list<std::string_view> rows) {
    Q_ASSERT(rows.size() == static_cast<std::size_t>(kRows));
    Board board;
    int row = 0;
    for (std::string_view codes : rows) {
        for (int column = 0; column < kColumns; ++column) board.at(row, column) = codes.at(column);
        ++row;
    }
    return board;
}

QStringList rowsOf(const Board& board) {
    QStringList rows;
    for (int row = 0; row < kRows; ++row) {
        QString codes;
        for (int column = 0; column < kColumns; ++column) codes += QChar(board.at(row, column));
        rows << codes;
    }
    return rows;
}

Board filledWith(char code) {
    Board board;
    board.clear(code);
    return board;
}

Board columnStripes() { return striped(true, 'r', 'g'); }
Board rowStripes() { return striped(false, 'b', 'y'); }
QList<int> selectedColumns(const Board& board) { return selectedLines(board, true); }
QList<int> selectedRows(const Board& board) { return selectedLines(board, false); }

QRect cellRect(int row, int column) { return QRect(2 + 47 * column, 5 + 48 * row, 47, 48); }

std::string besideProgram(const char* fileName) {
    return (QCoreApplication::applicationDirPath() + '/' + fileName).toStdString();
}

MessageBoxAnswerer::MessageBoxAnswerer() {
    // The poll runs inside the box's own event loop.
    poll_.setInterval(10);
    connect(&poll_, &QTimer::timeout, this, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        const QList<QAbstractButton*> buttons = box->buttons();
        const bool onlyOk =
            buttons.size() == 1 && box->standardButton(buttons.front()) == QMessageBox::Ok;
        last = Looks{box->text(), box->windowTitle(), box->icon(), onlyOk, box->isModal()};
        ++answered;
        if (onlyOk) buttons.front()->click();
        else box->reject();
    });
    poll_.start();
}

}  // namespace pelmora::test
