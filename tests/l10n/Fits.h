// How much room each text of the windows has and how much it takes, in the
// game's fonts at the screen's scale: the captions up to the value beside
// them, LEVEL UP, the longest NEXT LEVEL line, the About
// window's labels and button, and each line of the how-to-play text, which
// must not wrap.
#pragma once

#include <QtTest>
#include <QtWidgets>

#include "game/Game.h"
#include "game/Rules.h"
#include "ui/GameWords.h"
#include "ui/MainWindow.h"

namespace pelmora::test_support {

struct Fit {
    QString control, text;
    qreal used, room;  // pixels; used is infinite when the text needs more lines than the label has
};

// `text` in `label`'s font within `room` pixels (its width unless a value
// starts sooner), wrapped where the label wraps; trailing spaces are never drawn.
inline Fit labelFit(const QLabel& label, const QString& text, qreal room) {
    const QRectF box = QFontMetricsF(label.font(), &label)
                           .boundingRect(QRectF(0, 0, room, 1e6), label.wordWrap() ? Qt::TextWordWrap : 0,
                                         text.trimmed());
    return {label.objectName(), text, box.height() > label.height() ? qInf() : box.width(), room};
}

inline Fit captionFit(const QWidget& window, const char* caption, const char* value) {
    const auto& label = *window.findChild<QLabel*>(caption);
    return labelFit(label, label.text(), std::min(label.width(), window.findChild<QWidget*>(value)->x() - label.x()));
}

inline QList<Fit> mainWindowFits(MainWindow& window) {
    const auto& levelUp = *window.findChild<QLabel*>("Label3");
    const auto& nextLevel = *window.findChild<QLabel*>("NEXTLEVEL");
    // The longest NEXT LEVEL line: the threshold of the last level that has one.
    const auto threshold = static_cast<std::int64_t>(*nextLevelThreshold(kTopLevel - 1));
    return {captionFit(window, "Null", "SelPts"), captionFit(window, "Null2", "lvl"),
            captionFit(window, "Null3", "Nmmc"), labelFit(levelUp, levelUp.text(), levelUp.width()),
            labelFit(nextLevel, gameWords::status(Game::kNextLevelPrefix + wholeNumberText(threshold)),
                     nextLevel.width())};
}

inline QList<Fit> aboutWindowFits(QWidget& about) {
    QList<Fit> fits;
    for (QLabel* label : about.findChildren<QLabel*>()) fits << labelFit(*label, label->text(), label->width());
    for (Fit& fit : fits) fit.control.prepend("frmAbout.");  // both windows have a Label3
    auto* ok = about.findChild<QPushButton*>("cmdOK");
    fits << Fit{"cmdOK", ok->text(), qreal(ok->sizeHint().width()), qreal(ok->width())};
    // The widest line of the how-to-play text, once laid out; none may wrap.
    auto* box = about.findChild<QPlainTextEdit*>("Text1");
    Fit widest{"Text1", "", 0, box->viewport()->width() - 2 * box->document()->documentMargin()};
    for (QTextBlock line = box->document()->begin(); line.isValid(); line = line.next()) {
        box->document()->documentLayout()->blockBoundingRect(line);
        const qreal used = line.layout()->lineCount() > 1
                               ? qInf()
                               : QFontMetricsF(box->font(), box).horizontalAdvance(line.text());
        if (used > widest.used) widest = {"Text1", line.text(), used, widest.room};
    }
    return fits << widest;
}

}  // namespace pelmora::test_support
