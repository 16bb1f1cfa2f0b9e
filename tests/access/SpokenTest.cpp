// The words a screen reader is told after each kind of handler and for the
// status, with every number in its place.
#include <QtTest>

#include "ui/Spoken.h"

using namespace pelmora;

namespace {

Outcome outcome(Outcome::What what, std::int64_t points = 0, int level = 1,
                std::optional<std::int64_t> nextLevelAt = 200000) {
    Outcome told;
    told.what = what;
    told.after.points = points;
    told.after.level = level;
    told.after.nextLevelAt = nextLevelAt;
    told.after.nextResetCost = 35000;
    return told;
}

Outcome press(int removed, std::int64_t earned, std::int64_t points, int selected, bool loneBox = false) {
    Outcome told = outcome(Outcome::What::Pressed, points);
    told.removedBoxes = removed;
    told.removedValue = earned;
    told.selected = selected > 0;
    told.loneBox = loneBox;
    told.after.selectedBoxes = selected;
    told.after.selectionValue = 500LL * selected * selected;
    return told;
}

}  // namespace

class SpokenTest : public QObject {
    Q_OBJECT

private slots:
    void afterEachHandler() {
        using What = Outcome::What;
        const std::pair<Outcome, QString> cases[] = {
            {press(0, 0, 0, 5), "5 boxes selected, worth 12500"},
            {press(5, 12500, 45000, 0), "removed 5 boxes for 12500 points; 45000 points"},
            {press(5, 12500, 45000, 3), "removed 5 boxes for 12500 points; 45000 points; 3 boxes selected, worth 4500"},
            {press(5, 12500, 45000, 0, true), "removed 5 boxes for 12500 points; 45000 points"},
            {press(0, 0, 0, 0, true), "nothing selected"},
            {press(0, 0, 0, 0), ""},  // an empty cell
            {outcome(What::Reshuffled, 60000), "reshuffled; 60000 points; next Reset costs 35000"},
            {outcome(What::LevelUp, 250000, 2, 450000), "level 2; next level at 450000"},
            {outcome(What::LevelUp, 3500000, 10, std::nullopt), "level 10; the top level"},
            {outcome(What::AtTopLevel, 3500000, 10, std::nullopt), "level 10; the top level"},
            {outcome(What::NewGame), "new game; level 1; 0 points"},
            {outcome(What::Dealt), ""},
        };
        for (const auto& [told, words] : cases) QCOMPARE(spoken::afterHandler(told), words);
    }

    void statusSaysEveryFigure() {
        Standing standing = press(0, 0, -15000, 4).after;
        standing.boxesLeft = {1, 2, 3, 4};  // blue, green, red, yellow
        QCOMPARE(spoken::status(standing), QString("-15000 points; level 1; next level at 200000; 4 boxes selected, "
                                                   "worth 8000; 3 red, 1 blue, 2 green, 4 yellow boxes left; "
                                                   "next Reset costs 35000"));
        standing.nextLevelAt.reset();
        standing.level = 12;
        standing.selectedBoxes = 0;
        QVERIFY(spoken::status(standing).startsWith("-15000 points; level 12; the top level; nothing selected; "));
    }
};

QTEST_APPLESS_MAIN(SpokenTest)
#include "SpokenTest.moc"
