// Says one sentence to a screen reader on whatever the player is on in the
// main window: the board's cursor cell, or "LEVEL UP". Orca presents a newly
// focused object with its description, and little else that Qt sends; so
// the sentence becomes the description of the focused object, handed over
// afresh ("LEVEL UP push button. level 2; next level at 450000"). Where the
// focus is away (a menu, the message box) the sentence waits for it to come
// back. Nothing is done while no screen reader is served.
#pragma once

#include <QObject>
#include <QPointer>

#include "ui/BoardAccessible.h"

class QWidget;

namespace pelmora {

class BoardSurface;

class FocusAnnouncer : public QObject {
public:
    FocusAnnouncer(QWidget* window, BoardSurface* board);

    // Boxes still to fall (after a removal or a Reset): the board's cell is
    // named once they have.
    using When = BoardAccessible::When;
    void say(const QString& sentence, When when = When::Now);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tellWidget(QWidget* widget, const QString& sentence);

    QWidget* window_;
    BoardSurface* board_;
    // The widget whose description carries the latest sentence, until the
    // focus leaves it.
    QPointer<QWidget> told_;
};

}  // namespace pelmora
