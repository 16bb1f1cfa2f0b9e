// Every text of every language fits the control that shows it, in the
// game's fonts, at whatever scale the screen has (ctest runs this at 1x and
// at 2x): the layout is fixed, so a longer word would be cut off. Prints,
// language by language, each text's width against its room.
#include <QtTest>
#include <QtWidgets>

#include "game/Game.h"
#include "game/Rules.h"
#include "tests/window/WindowRun.h"
#include "ui/GameWords.h"
#include "widgets/Catalogues.h"

using namespace pelmora;
using namespace pelmora::test_support;

namespace {

struct Fit {
    QString control;
    QString text;
    qreal used;  // pixels
    qreal room;
};

qreal advance(const QWidget& widget, const QString& text) {
    return QFontMetricsF(widget.font(), &widget).horizontalAdvance(text);
}

// Trailing spaces are never drawn and never wrap.
QString drawn(const QString& text) {
    QString shown = text;
    while (shown.endsWith(' ')) shown.chop(1);
    return shown;
}

// A caption reads up to where the value beside it starts.
Fit captionBefore(QWidget& window, const char* caption, const char* value) {
    const auto* label = window.findChild<QLabel*>(caption);
    const QRect place = label->geometry();
    const qreal room = std::min(place.right() + 1, window.findChild<QWidget*>(value)->x()) - place.x();
    return {caption, label->text(), advance(*label, drawn(label->text())), room};
}

Fit oneLine(QLabel& label, const QString& text) {
    if (QFontMetricsF(label.font(), &label).height() > label.height()) return {label.objectName(), text, 1e9, 0};
    return {label.objectName(), text, advance(label, drawn(text)), qreal(label.width())};
}

// The About window's labels wrap: the text must fit their height too.
Fit wrapped(QLabel& label) {
    const QRectF box = QFontMetricsF(label.font(), &label)
                           .boundingRect(QRectF(0, 0, label.width(), 1e6), Qt::TextWordWrap, label.text());
    return {label.objectName(), label.text(), box.height() > label.height() ? 1e9 : box.width(),
            qreal(label.width())};
}

QList<Fit> mainWindowFits(MainWindow& window) {
    QList<Fit> fits = {captionBefore(window, "Null", "SelPts"), captionBefore(window, "Null2", "lvl"),
                       captionBefore(window, "Null3", "Nmmc")};
    auto* levelUp = window.findChild<QLabel*>("Label3");
    fits << oneLine(*levelUp, levelUp->text());
    // The longest NEXT LEVEL line: the threshold of the last level that has one.
    const std::string longest =
        Game::kNextLevelPrefix + wholeNumberText(static_cast<std::int64_t>(*nextLevelThreshold(kTopLevel - 1)));
    fits << oneLine(*window.findChild<QLabel*>("NEXTLEVEL"), gameWords::status(longest));
    QMenuBar& bar = *window.menuBar();
    QAction* last = bar.actions().last();
    fits << Fit{"menu bar", last->text(), qreal(bar.actionGeometry(last).right() + 1), qreal(bar.width())};
    return fits;
}

QList<Fit> aboutWindowFits(QWidget& about) {
    QList<Fit> fits;
    for (QLabel* label : about.findChildren<QLabel*>()) fits << wrapped(*label);
    auto* ok = about.findChild<QPushButton*>("cmdOK");
    fits << Fit{"cmdOK", ok->text(), qreal(ok->sizeHint().width()), qreal(ok->width())};
    // Each line of the how-to-play text on a line of its own: laid out, no
    // block wraps.
    auto* box = about.findChild<QPlainTextEdit*>("Text1");
    const qreal room = box->viewport()->width() - 2 * box->document()->documentMargin();
    Fit widest{"Text1", "", 0, room};
    for (QTextBlock line = box->document()->begin(); line.isValid(); line = line.next()) {
        box->document()->documentLayout()->blockBoundingRect(line);
        const qreal used = line.layout()->lineCount() > 1 ? 1e9 : advance(*box, line.text());
        if (used > widest.used) widest = {"Text1", line.text(), used, room};
    }
    return fits << widest;
}

}  // namespace

class FitTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextFitsItsControl_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "en_US";
        for (const QString& language : Catalogues::languages()) QTest::newRow(qPrintable(language)) << language;
    }
    void everyTextFitsItsControl() {
        QFETCH(QString, language);
        const Catalogues catalogues{QLocale(language)};
        WindowRun run;
        run.choose("mnuaswitch");
        QWidget& about = *run.program.about().window();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QList<Fit> fits = mainWindowFits(run.window()) + aboutWindowFits(about);
        for (const Fit& fit : fits) {
            const QString line = QString("%1 %2: %3 of %4 px: \"%5\"")
                                     .arg(language, fit.control)
                                     .arg(fit.used, 0, 'f', 1)
                                     .arg(fit.room, 0, 'f', 1)
                                     .arg(fit.text);
            qInfo("%s", qPrintable(line));
            QVERIFY2(fit.used <= fit.room, qPrintable("does not fit: " + line));
        }
    }
};

QTEST_MAIN(FitTest)
#include "FitTest.moc"
