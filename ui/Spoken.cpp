#include "ui/Spoken.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

namespace pelmora::spoken {
namespace {

constexpr char kContext[] = "pelmora::Spoken";

// The sentences, by the key the page uses. Whole sentences: parts are
// joined only as items of a list ("%1; %2"), never inside a sentence.
//: Said after a press selected a group: %1 boxes, worth %2 points.
constexpr Template kSelected{"selected", QT_TRANSLATE_NOOP("pelmora::Spoken", "%1 boxes selected, worth %2")};
//: Said after a press on a box with no neighbour of its colour.
constexpr Template kNothingSelected{"nothingSelected", QT_TRANSLATE_NOOP("pelmora::Spoken", "nothing selected")};
//: Said after a removal: %1 boxes removed, %2 points earned, %3 points in all.
constexpr Template kRemoved{"removed",
                            QT_TRANSLATE_NOOP("pelmora::Spoken", "removed %1 boxes for %2 points; %3 points")};
//: Said after Reset: %1 points in all now, %2 the price of the next Reset.
constexpr Template kReshuffled{"reshuffled",
                               QT_TRANSLATE_NOOP("pelmora::Spoken", "reshuffled; %1 points; next Reset costs %2")};
//: Said after a level-up: %1 the new level, %2 the points the next needs in all.
constexpr Template kLevel{"level", QT_TRANSLATE_NOOP("pelmora::Spoken", "level %1; next level at %2")};
//: Said on reaching the last level %1, and on LEVEL UP there.
constexpr Template kTopLevel{"topLevel", QT_TRANSLATE_NOOP("pelmora::Spoken", "level %1; the top level")};
//: Said after a refused LEVEL UP started the game over: %1 the level, %2 the points.
constexpr Template kNewGame{"newGame", QT_TRANSLATE_NOOP("pelmora::Spoken", "new game; level %1; %2 points")};
//: The status's first part: %1 points, level %2, %3 points needed for the next.
constexpr Template kScore{"score", QT_TRANSLATE_NOOP("pelmora::Spoken", "%1 points; level %2; next level at %3")};
//: The status's first part on the last level: %1 points, level %2.
constexpr Template kScoreAtTop{"scoreAtTop", QT_TRANSLATE_NOOP("pelmora::Spoken", "%1 points; level %2; the top level")};
//: The status's count of the boxes of each colour still on the board.
constexpr Template kBoxesLeft{"boxesLeft",
                              QT_TRANSLATE_NOOP("pelmora::Spoken", "%1 red, %2 blue, %3 green, %4 yellow boxes left")};
//: The status's last part: the price in points of the next Reset.
constexpr Template kNextResetCost{"nextResetCost", QT_TRANSLATE_NOOP("pelmora::Spoken", "next Reset costs %1")};
//: Two of the sentences above said one after the other.
constexpr Template kList{"list", QT_TRANSLATE_NOOP("pelmora::Spoken", "%1; %2")};

constexpr std::array kTemplates{kSelected, kNothingSelected, kRemoved, kReshuffled, kLevel, kTopLevel,
                                kNewGame,  kScore,           kScoreAtTop, kBoxesLeft, kNextResetCost, kList};

//: What the board is, said with its name.
constexpr const char* kBoardSize = QT_TRANSLATE_NOOP("pelmora::Spoken", "%1 rows, %2 columns");

template <typename... Numbers>
QString fill(const Template& sentence, Numbers... numbers) {
    return text(sentence).arg(QString::number(numbers)...);
}

QString list(const QStringList& items) {
    QString said;
    for (const QString& item : items) said = said.isEmpty() ? item : text(kList).arg(said, item);
    return said;
}

QString selection(const Standing& standing) {
    return standing.selectedBoxes > 0 ? fill(kSelected, standing.selectedBoxes, standing.selectionValue)
                                      : text(kNothingSelected);
}

QString level(const Standing& standing) {
    return standing.nextLevelAt ? fill(kLevel, standing.level, *standing.nextLevelAt)
                                : fill(kTopLevel, standing.level);
}

QString afterPress(const Outcome& press) {
    QStringList said;
    if (press.removedBoxes > 0) said << fill(kRemoved, press.removedBoxes, press.removedValue, press.after.points);
    if (press.selected || (press.loneBox && press.removedBoxes == 0)) said << selection(press.after);
    return list(said);
}

}  // namespace

std::span<const Template> templates() { return kTemplates; }

QString text(const Template& sentence) { return QCoreApplication::translate(kContext, sentence.english); }

QString afterHandler(const Outcome& outcome) {
    const Standing& after = outcome.after;
    switch (outcome.what) {
        case Outcome::What::Pressed: return afterPress(outcome);
        case Outcome::What::LevelUp:
        case Outcome::What::AtTopLevel: return level(after);
        case Outcome::What::NewGame: return fill(kNewGame, after.level, after.points);
        case Outcome::What::Reshuffled: return fill(kReshuffled, after.points, after.nextResetCost);
        case Outcome::What::Dealt: break;
    }
    return {};
}

QString status(const Standing& standing) {
    const ColourCounts& left = standing.boxesLeft;
    return list({standing.nextLevelAt ? fill(kScore, standing.points, standing.level, *standing.nextLevelAt)
                                      : fill(kScoreAtTop, standing.points, standing.level),
                 selection(standing), fill(kBoxesLeft, left.red, left.blue, left.green, left.yellow),
                 fill(kNextResetCost, standing.nextResetCost)});
}

QString boardSize(int rows, int columns) {
    return QCoreApplication::translate(kContext, kBoardSize).arg(rows).arg(columns);
}

}  // namespace pelmora::spoken
