// The game played from the keyboard: the cursor and its edges, Space and
// Enter against the same presses by mouse, Tab between the board and LEVEL
// UP, a level-up with keys alone, the cursor's outline and the board's
// pixels without it, and a double-click taken as the two presses it is.
#include "Session.h"

using namespace pelmora;
using namespace pelmora::test_support;

namespace {

// Where the drawn outline of `cell` must differ from the drawing: from the
// cell's edge inwards one unit dark, two light, one dark, a unit being a
// whole number of device pixels. Anything else is the drawing's own pixel.
// Empty when the shown image is exactly that.
QString outlineFault(const QImage& shown, const QImage& drawing, qreal ratio, Cell cell) {
    const QRect logical = cellRect(cell.row, cell.column);
    const QRect outer(QPoint(qRound(logical.left() * ratio), qRound(logical.top() * ratio)),
                      QPoint(qRound((logical.right() + 1) * ratio) - 1, qRound((logical.bottom() + 1) * ratio) - 1));
    const int unit = std::max(1, qRound(ratio));
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            QRgb wanted = drawing.pixel(x, y);
            if (outer.contains(x, y)) {
                const int depth = std::min({x - outer.left(), outer.right() - x, y - outer.top(), outer.bottom() - y}) / unit;
                if (depth < 4) wanted = depth == 1 || depth == 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            }
            if (shown.pixel(x, y) != wanted)
                return QString("pixel %1,%2 is %3, not %4").arg(x).arg(y).arg(shown.pixel(x, y), 0, 16).arg(wanted, 0, 16);
        }
    return {};
}

// Every colour in groups and alone.
const char* const kMixedRows[kRows] = {"rrgbyyrgbbyrg", "rgbbyrrgbyyrg", "ggbyyrgbbyrrg", "bgryybgrrybgg",
                                                   "bbryrbggrybgr", "yrrybbgrryygr", "yyrgbbgrbyygb"};

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void cursorStopsAtTheEdgesAndOutlivesTheBoard() {
        Session session;
        QCOMPARE(QApplication::focusWidget(), &session.dest());
        const std::pair<int, Cell> steps[] = {
            {Qt::Key_Left, {0, 0}},      {Qt::Key_Up, {0, 0}},     {Qt::Key_Right, {0, 1}},     {Qt::Key_Down, {1, 1}},
            {Qt::Key_End, {1, 12}},      {Qt::Key_Right, {1, 12}}, {Qt::Key_PageDown, {6, 12}}, {Qt::Key_Down, {6, 12}},
            {Qt::Key_Home, {6, 0}},      {Qt::Key_Left, {6, 0}},   {Qt::Key_Up, {5, 0}},        {Qt::Key_PageUp, {0, 0}},
            {Qt::Key_A, {0, 0}}};
        for (auto [key, cell] : steps) {
            session.key(key);
            QCOMPARE(session.dest().cursorCell(), cell);
        }
        // Space is a left press, no key held, at the middle of the drawn cell.
        QSignalSpy presses(&session.dest(), &BoardSurface::pressed);
        session.key(Qt::Key_Space);
        session.walkTo({6, 12});
        session.key(Qt::Key_Space);
        QCOMPARE(presses, (QList<QVariantList>{{std::int16_t(1), std::int16_t(0), 382.5f, 435.0f},
                                               {std::int16_t(1), std::int16_t(0), 8842.5f, 4755.0f}}));
        session.walkTo({4, 9});
        const Board before = session.game().board();
        session.choose("mnuFileNew");  // the boxes dealt out again
        QVERIFY(session.game().board() != before);
        QCOMPARE(session.dest().cursorCell(), (Cell{4, 9}));
    }

    // Space, Enter and the keypad's Enter on the cursor's cell do what a
    // left press in the middle of that cell does, step by step.
    void keysPlayAsTheMousePresses() {
        Session byMouse(rowsBoard(kMixedRows)), byKeys(rowsBoard(kMixedRows));
        const std::pair<Cell, int> script[] = {
            {{0, 0}, Qt::Key_Space}, {{0, 0}, Qt::Key_Return}, {{6, 12}, Qt::Key_Space}, {{3, 3}, Qt::Key_Enter},
            {{0, 5}, Qt::Key_Space}, {{5, 4}, Qt::Key_Space},  {{5, 4}, Qt::Key_Space},  {{0, 0}, Qt::Key_Space},
            {{4, 8}, Qt::Key_Return}, {{4, 8}, Qt::Key_Space}, {{6, 0}, Qt::Key_Space}, {{6, 0}, Qt::Key_Space}};
        int removals = 0;
        for (auto [cell, key] : script) {
            byMouse.clickCell(cell.row, cell.column);
            byKeys.walkTo(cell);
            if (key == Qt::Key_Enter)
                QTest::keyClick(byKeys.window().windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
            else
                byKeys.key(key);
            for (int tick = 0; tick < 3; ++tick) {
                QCOMPARE(byKeys.game().board(), byMouse.game().board());
                QCOMPARE(byKeys.statusTexts(), byMouse.statusTexts());
                byMouse.tick();
                byKeys.tick();
            }
            QCOMPARE(byKeys.silent.plays, byMouse.silent.plays);
            removals = static_cast<int>(byKeys.silent.plays);
        }
        QVERIFY(removals >= 4);  // the script removes, not only selects
        QCOMPARE_NE(byKeys.label("Pts")->text(), QString("0"));
    }

    // A held Space presses once, as a held button does.
    void aHeldKeyPressesOnce() {
        Session session(rowsBoard(kMixedRows));
        for (bool repeated : {false, true, true}) {
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", repeated);
            QApplication::sendEvent(&session.dest(), &space);
        }
        QCOMPARE(session.game().board().at(0, 0), 'R');  // selected, not removed
    }

    // Enter held on LEVEL UP: the refusal box stays open through the key's
    // repeats (marked as such, or as X11 sends them, a release and a press
    // at one moment) and its release, and only a fresh press answers it.
    void aKeyHeldOnLevelUpLeavesTheBoxOpen() {
        Session session;
        session.key(Qt::Key_Tab);
        QStringList seen;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isActiveWindow()) return;
            answer.stop();
            QWidget* ok = QApplication::focusWidget();
            auto send = [ok](QEvent::Type type, bool marked, quint64 at) {
                QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier, "\r", marked);
                key.setTimestamp(at);
                QApplication::sendEvent(ok, &key);
            };
            send(QEvent::KeyPress, true, 700);
            for (quint64 at : {740, 780}) {
                send(QEvent::KeyRelease, false, at);
                send(QEvent::KeyPress, false, at);
            }
            send(QEvent::KeyRelease, false, 800);
            seen << (box->isVisible() ? "open" : "closed");
            send(QEvent::KeyPress, false, 1500);
            seen << (box->isVisible() ? "open" : "closed");
        });
        answer.start(0);
        session.key(Qt::Key_Return);
        QCOMPARE(seen, QStringList({"open", "closed"}));
    }

    // LEVEL UP shows a focus frame while it has the focus, and only then: a
    // click leaves the focus, and the look, where they were.
    void tabGoesBetweenTheBoardAndLevelUp() {
        Session session;
        QLabel* levelUp = session.label("Label3");
        const QImage plain = levelUp->grab().toImage();
        QStringList order;
        for (int key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab}) {
            session.key(key);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"Label3", "dest", "Label3"}));
        QVERIFY(levelUp->grab().toImage() != plain);
        session.key(Qt::Key_Backtab);
        QCOMPARE(levelUp->grab().toImage(), plain);
        // No points: the refusal box, answered from inside its own loop.
        int boxes = 0;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++boxes;
                box->accept();
            }
        });
        answer.start(0);
        QTest::mouseClick(levelUp, Qt::LeftButton);
        QCOMPARE(boxes, 1);
        QCOMPARE(session.window().focusWidget(), &session.dest());
        QCOMPARE(levelUp->grab().toImage(), plain);
    }

    // One colour everywhere: the whole board selected and removed by keys,
    // a Reset through the File menu's access key, then LEVEL UP through Tab.
    // The cursor stays where it was on the next level's board.
    void aLevelUpWithKeysAlone() {
        Session session(filled(code::kRed));
        session.walkTo({3, 6});
        session.key(Qt::Key_Space);
        session.key(Qt::Key_Return);
        QCOMPARE(session.label("Pts")->text(), QString("4140500"));
        session.key(Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        QCOMPARE(session.label("Pts")->text(), QString("4125500"));
        session.key(Qt::Key_Tab);
        session.key(Qt::Key_Space);
        QCOMPARE(session.label("lvl")->text(), QString("2"));
        QVERIFY(QString::fromStdString(session.silent.last).endsWith("/win.wav"));
        session.key(Qt::Key_Backtab);
        QCOMPARE(session.dest().cursorCell(), (Cell{3, 6}));
    }

    // Without a key the surface shows exactly its drawing, focused or not.
    // A key brings the outline, sharp on whole device pixels and the same
    // on every tile and on an empty cell; a press, or the focus leaving,
    // puts it away.
    void outlineOnlyWhileKeysAreInUse() {
        Session session(rowsBoard(kMixedRows));
        const qreal ratio = session.dest().devicePixelRatioF();
        QVERIFY(session.dest().hasFocus());
        QCOMPARE(session.shown(), session.drawing());

        // Over each colour, normal and then selected, and over an empty cell
        // once a group has gone.
        session.key(Qt::Key_Right);
        QCOMPARE(outlineFault(session.shown(), session.drawing(), ratio, {0, 1}), QString());
        for (char colour : {code::kBlue, code::kGreen, code::kRed, code::kYellow}) {
            const Cell pair = firstPairOf(session.game().board(), colour);
            QCOMPARE(session.game().board().at(pair.row, pair.column), colour);
            session.walkTo(pair);
            QCOMPARE(outlineFault(session.shown(), session.drawing(), ratio, pair), QString());
            session.key(Qt::Key_Space);
            QCOMPARE(session.game().board().at(pair.row, pair.column), selectedFormOf(colour));
            QCOMPARE(outlineFault(session.shown(), session.drawing(), ratio, pair), QString());
        }
        session.walkTo({0, 0});
        session.key(Qt::Key_Space);
        session.key(Qt::Key_Space);
        QCOMPARE(session.game().board().at(0, 0), code::kEmpty);
        QCOMPARE(outlineFault(session.shown(), session.drawing(), ratio, {0, 0}), QString());

        session.clickCell(4, 4);
        QCOMPARE(session.shown(), session.drawing());
        session.key(Qt::Key_End);
        QCOMPARE(outlineFault(session.shown(), session.drawing(), ratio, {0, 12}), QString());
        session.key(Qt::Key_Tab);
        QCOMPARE(session.shown(), session.drawing());
        session.key(Qt::Key_Backtab);
        QCOMPARE(outlineFault(session.shown(), session.drawing(), ratio, {0, 12}), QString());
    }

    // Two presses inside the double-click interval: the system reports the
    // second as a double-click, and it acts as the press it is.
    void aDoubleClickIsTwoPresses() {
        Session pressedTwice(rowsBoard(kMixedRows)), doubleClicked(rowsBoard(kMixedRows));
        pressedTwice.clickCell(1, 2);
        pressedTwice.clickCell(1, 2);
        int doubleClicks = 0;
        struct Counter : QObject {
            int& count;
            explicit Counter(int& count) : count(count) {}
            bool eventFilter(QObject*, QEvent* event) override {
                count += event->type() == QEvent::MouseButtonDblClick;
                return false;
            }
        } counter(doubleClicks);
        doubleClicked.dest().installEventFilter(&counter);
        const QPoint at = doubleClicked.dest().mapTo(&doubleClicked.window(), cellRect(1, 2).center());
        QTest::mouseDClick(doubleClicked.window().windowHandle(), Qt::LeftButton, {}, at);
        QCOMPARE(doubleClicks, 1);
        QCOMPARE(doubleClicked.game().board(), pressedTwice.game().board());
        QCOMPARE(doubleClicked.statusTexts(), pressedTwice.statusTexts());
        QCOMPARE(doubleClicked.silent.plays, 1L);
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
