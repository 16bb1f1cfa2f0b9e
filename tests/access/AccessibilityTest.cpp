// What assistive technology reads of the game, through Qt's accessibility
// interfaces in this process: the board as a 7 x 13 table of named cells
// that follow selection, removal and settling, the focused cell following
// the cursor, and the status labels with their names, texts and updates.
#include <QAccessible>

#include "Session.h"

using namespace pelmora;
using namespace pelmora::test_support;

namespace {

// Every accessibility event, as (object name, event type, child, text).
QStringList events;
// What a screen reader presents for each focus event: the focused object's
// name and description, as "name | description".
QStringList presented;

void recordEvent(QAccessibleEvent* event) {
    QString detail;
    if (event->type() == QAccessible::TextUpdated)
        detail = static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
    if (event->type() == QAccessible::Focus)
        if (QAccessibleInterface* focused = event->accessibleInterface())
            presented << focused->text(QAccessible::Name) + " | " + focused->text(QAccessible::Description);
    events << QString("%1 %2 %3 %4")
                  .arg(event->object() ? event->object()->objectName() : QString())
                  .arg(event->type(), 0, 16)
                  .arg(event->child())
                  .arg(detail)
                  .trimmed();
}

QString said(const char* object, QAccessible::Event type, int child = -1, const QString& text = {}) {
    return QString("%1 %2 %3 %4").arg(object).arg(type, 0, 16).arg(child).arg(text).trimmed();
}

// The text updates since the last call, as "label=new text".
QStringList textUpdates() {
    QStringList updates;
    for (const QString& recorded : std::as_const(events))
        if (recorded.section(' ', 1, 1) == QString::number(QAccessible::TextUpdated, 16))
            updates << recorded.section(' ', 0, 0) + '=' + recorded.section(' ', 3);
    events.clear();
    return updates;
}

// The board's cells that changed names.
QStringList nameChanges() { return events.filter(QString("dest %1 ").arg(QAccessible::NameChanged, 0, 16)); }

// Where a cell's name is not what its code shows, or empty if none.
QString namesAgainst(QAccessibleTableInterface* table, const Board& board) {
    const QHash<char, QString> names = {{'b', "blue box"}, {'g', "green box"}, {'r', "red box"}, {'y', "yellow box"},
        {'B', "blue box, selected"}, {'G', "green box, selected"}, {'R', "red box, selected"},
        {'Y', "yellow box, selected"}, {'X', "empty"}};
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const QString name = table->cellAt(row, column)->text(QAccessible::Name);
            if (name != names.value(board.at(row, column))) return QString("%1,%2: %3").arg(row).arg(column).arg(name);
        }
    return {};
}

// No two neighbours share a colour but the red pair at the foot of column 0.
const char* const kOnePair[kRows] = {"brbrbrbrbrbrb", "gygygygygygyg", "rbrbrbrbrbrbr", "ygygygygygygy",
                                     "brbrbrbrbrbrb", "rygygygygygyg", "rbrbrbrbrbrbr"};

QAccessibleInterface* accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

// The names of the cells of one row, as the table gives them.
QStringList rowNames(QAccessibleTableInterface* table, int row) {
    QStringList names;
    for (int column = 0; column < table->columnCount(); ++column) names << table->cellAt(row, column)->text(QAccessible::Name);
    return names;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QAccessible::installUpdateHandler(recordEvent);
        QTRY_VERIFY(QAccessible::isActive());
    }

    // A pane, for Orca reads a table's whole row at every move up or down;
    // a table to anything that asks.
    void boardIsAPaneWithATableOfNamedCells() {
        Session session(rowsBoard(kOnePair));
        QAccessibleInterface* board = accessible(&session.dest());
        QCOMPARE(board->role(), QAccessible::Pane);
        QCOMPARE(board->text(QAccessible::Name), QString("Board"));
        QCOMPARE(board->text(QAccessible::Description), QString("7 rows, 13 columns"));
        QAccessibleTableInterface* table = board->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 7);
        QCOMPARE(table->columnCount(), 13);
        QCOMPARE(board->childCount(), 91);
        QVERIFY(table->cellAt(0, 13) == nullptr && table->cellAt(7, 0) == nullptr);
        QAccessibleInterface* corner = table->cellAt(6, 12);
        QCOMPARE(corner->role(), QAccessible::Cell);
        QCOMPARE(corner->tableCellInterface()->rowIndex(), 6);
        QCOMPARE(corner->tableCellInterface()->columnIndex(), 12);
        QCOMPARE(board->indexOfChild(corner), 90);
        QCOMPARE(corner->parent(), board);
        const QPoint middle = session.dest().mapToGlobal(cellRect(6, 12).center());
        QCOMPARE(board->childAt(middle.x(), middle.y()), corner);
        QCOMPARE(corner->rect(), QRect(session.dest().mapToGlobal(cellRect(6, 12).topLeft()), QSize(47, 48)));
        QCOMPARE(rowNames(table, 6).mid(0, 3), QStringList({"red box", "blue box", "red box"}));
        QCOMPARE(namesAgainst(table, session.game().board()), QString());
        events.clear();

        session.key(Qt::Key_PageDown);
        session.key(Qt::Key_Space);
        QCOMPARE(table->cellAt(6, 0)->text(QAccessible::Name), QString("red box, selected"));
        QCOMPARE(table->cellAt(5, 0)->text(QAccessible::Name), QString("red box, selected"));
        QCOMPARE(table->cellAt(2, 0)->text(QAccessible::Name), QString("red box"));
        QCOMPARE(namesAgainst(table, session.game().board()), QString());
        QVERIFY(table->cellAt(5, 0)->state().selected && !table->cellAt(2, 0)->state().selected);
        QCOMPARE(table->selectedCellCount(), 2);
        QCOMPARE(table->selectedCells(), QList<QAccessibleInterface*>({table->cellAt(5, 0), table->cellAt(6, 0)}));
        QCOMPARE(nameChanges(), QStringList({said("dest", QAccessible::NameChanged, 5 * 13),
                                             said("dest", QAccessible::NameChanged, 6 * 13)}));

        // Removed, then settling tick by tick: the names follow the board,
        // and exactly the cells that read differently are announced.
        Board before = session.game().board();
        events.clear();
        session.key(Qt::Key_Up);
        session.key(Qt::Key_Space);
        QCOMPARE(table->selectedCellCount(), 0);
        for (int tick = 0; tick < 6; ++tick) {
            const Board& now = session.game().board();
            QCOMPARE(namesAgainst(table, now), QString());
            QStringList changed;
            for (int index = 0; index < kCells; ++index)
                if (before.cells()[index] != now.cells()[index]) changed << said("dest", QAccessible::NameChanged, index);
            QCOMPARE(nameChanges(), changed);
            before = now;
            events.clear();
            session.tick();
        }
        QStringList column0;
        for (int row = 0; row < kRows; ++row) column0 << table->cellAt(row, 0)->text(QAccessible::Name);
        QCOMPARE(column0, QStringList({"empty", "empty", "blue box", "green box", "red box", "yellow box", "blue box"}));
    }

    void focusedCellFollowsTheCursor() {
        Session session;
        QAccessibleTableInterface* table = accessible(&session.dest())->tableInterface();
        QCOMPARE(accessible(&session.dest())->focusChild(), table->cellAt(0, 0));
        // The board took the focus: its cursor's cell is said after the board.
        QTRY_VERIFY(events.contains(said("dest", QAccessible::Focus, 0)));
        QCOMPARE(events.filter("dest").last(), said("dest", QAccessible::Focus, 0));
        events.clear();
        session.key(Qt::Key_Right);
        session.key(Qt::Key_Down);
        QCOMPARE(accessible(&session.dest())->focusChild(), table->cellAt(1, 1));
        QVERIFY(table->cellAt(1, 1)->state().focused && !table->cellAt(0, 1)->state().focused);
        QCOMPARE(events.filter(QString("dest %1").arg(QAccessible::Focus, 0, 16)),
                 QStringList({said("dest", QAccessible::Focus, 1), said("dest", QAccessible::Focus, 14)}));
        events.clear();
        session.key(Qt::Key_Up);
        session.key(Qt::Key_Up);  // at the edge: no move, nothing said
        QCOMPARE(events, QStringList{said("dest", QAccessible::Focus, 1)});

        // Back on the board from LEVEL UP, the cursor's cell is said again.
        session.key(Qt::Key_Tab);
        QVERIFY(accessible(&session.dest())->focusChild() == nullptr);
        QVERIFY(!table->cellAt(0, 1)->state().focused);
        events.clear();
        session.key(Qt::Key_Backtab);
        QTRY_VERIFY(events.contains(said("dest", QAccessible::Focus, 1)));
        QCOMPARE(events.filter("dest").last(), said("dest", QAccessible::Focus, 1));
    }

    // What a move did is said on whatever has the focus, as a new object
    // carrying it as its description: at once for a selection, once the
    // boxes have come to rest for a removal; old news goes with the focus.
    void eachMoveIsSaidOnWhatHasTheFocus() {
        Session session(rowsBoard(kOnePair));
        session.key(Qt::Key_PageDown);
        QAccessibleTableInterface* table = accessible(&session.dest())->tableInterface();
        QAccessibleInterface* before = table->cellAt(6, 0);
        presented.clear();
        session.key(Qt::Key_Space);
        QCOMPARE(presented, QStringList{"red box, selected | 2 boxes selected, worth 2000"});
        QVERIFY(table->cellAt(6, 0) != before);  // a new object, or Orca says nothing

        presented.clear();
        session.key(Qt::Key_Space);  // removed: the blue box falling in pairs up
        int ticks = 0;
        for (; presented.isEmpty() && ticks < 10; ++ticks) session.tick();
        QCOMPARE(presented, QStringList{"blue box, selected | removed 2 boxes for 2000 points; "
                                        "2000 points; 2 boxes selected, worth 2000"});
        QVERIFY(isSettled(session.game().board()) && ticks > 1);

        session.key(Qt::Key_Right);
        presented.clear();
        session.key(Qt::Key_Left);
        QCOMPARE(presented, QStringList{"blue box, selected | "});

        session.key(Qt::Key_Tab);
        presented.clear();
        session.key(Qt::Key_S);
        const QStringList left = session.texts({"Label6", "Label8", "Label10", "Label12"});
        QTRY_COMPARE(presented, QStringList{QString("LEVEL UP | 2000 points; level 1; next level at 200000; "
                                                    "2 boxes selected, worth 2000; %1 red, %2 blue, %3 green, "
                                                    "%4 yellow boxes left; next Reset costs 15000")
                                                .arg(left[0], left[1], left[2], left[3])});
        session.key(Qt::Key_Backtab);
        QVERIFY(session.label("Label3")->accessibleDescription().isEmpty());
    }

    // Each figure has a name saying what it is, and its text; the captions,
    // the legend pictures and the background say nothing of their own.
    void labelsSayWhatTheyAre() {
        Session session;
        const std::pair<const char*, const char*> named[] = {
            {"Pts", "Points"},           {"SelPts", "Selection value"}, {"lvl", "Current level"},
            {"Nmmc", "Reset cost"},      {"Label6", "Red boxes left"},  {"Label8", "Blue boxes left"},
            {"Label10", "Green boxes left"}, {"Label12", "Yellow boxes left"}, {"Label4", "Boxes left"}};
        for (auto [object, name] : named) {
            QAccessibleInterface* label = accessible(session.label(object));
            QCOMPARE(label->text(QAccessible::Name), QString(name));
            QCOMPARE(label->text(QAccessible::Value), session.label(object)->text());
            QAccessibleTextInterface* text = label->textInterface();
            QVERIFY2(text, object);
            QCOMPARE(text->text(0, text->characterCount()), session.label(object)->text());
            // Any offset is answered at once; off the text, with nothing.
            int start = 0, end = 0;
            QCOMPARE(text->textAtOffset(0, QAccessible::WordBoundary, &start, &end), session.label(object)->text());
            QCOMPARE(end, text->characterCount());
            for (int offset : {-1, text->characterCount(), INT_MAX})
                QVERIFY(text->textAtOffset(offset, QAccessible::WordBoundary, &start, &end).isEmpty() &&
                        text->textBeforeOffset(offset, QAccessible::SentenceBoundary, &start, &end).isEmpty() &&
                        text->textAfterOffset(offset, QAccessible::CharBoundary, &start, &end).isEmpty());
        }
        QCOMPARE(accessible(session.label("NEXTLEVEL"))->text(QAccessible::Name), QString("NEXT LEVEL: 200000"));
        QAccessibleInterface* levelUp = accessible(session.label("Label3"));
        QCOMPARE(levelUp->text(QAccessible::Name), QString("LEVEL UP"));
        QCOMPARE(levelUp->role(), QAccessible::Button);
        QCOMPARE(levelUp->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        for (const char* quiet : {"Image2", "Image3", "Image4", "Image5"}) {
            QAccessibleInterface* picture = accessible(session.window().findChild<QWidget*>(quiet));
            QCOMPARE(picture->role(), QAccessible::Client);
            QVERIFY(picture->text(QAccessible::Name).isEmpty() && picture->text(QAccessible::Description).isEmpty());
        }
        QAccessibleInterface* background = accessible(session.window().centralWidget());
        QCOMPARE(background->role(), QAccessible::Client);
        QVERIFY(background->text(QAccessible::Name).isEmpty());
    }

    // The figures a selection, a removal, a Reset and a level change
    // change are announced as text updates, and only those.
    void changedFiguresAreAnnounced() {
        Session session(rowsBoard(kOnePair));
        session.tick();
        events.clear();
        session.key(Qt::Key_PageDown);
        session.key(Qt::Key_Space);
        QCOMPARE(textUpdates(), QStringList{"SelPts=2000"});
        session.key(Qt::Key_Up);
        session.key(Qt::Key_Space);
        QCOMPARE(textUpdates(), QStringList({"SelPts=", "Label6=25", "Label4=89", "Pts=2000"}));
        session.choose("mnuFileNew");
        const QStringList reset = textUpdates();
        QVERIFY2(reset.contains("Pts=-13000") && reset.filter(QRegularExpression("^(SelPts|lvl|Nmmc)=")).isEmpty(),
                 qPrintable(reset.join(", ")));
        session.tick();
        QCOMPARE(textUpdates(), QStringList{"Nmmc=35000"});

        Session rich(filled(code::kRed));
        rich.key(Qt::Key_Space);
        rich.key(Qt::Key_Space);
        textUpdates();
        // LEVEL UP through its press action, as a screen reader may press it.
        accessible(rich.label("Label3"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(rich.label("lvl")->text(), QString("2"));
        const QStringList levelUp = textUpdates();
        QVERIFY2(levelUp.contains("lvl=2") && levelUp.contains("Label4=91"), qPrintable(levelUp.join(", ")));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
