// Answers the game's one message box the way a player would, from inside the
// box's own event loop: armed before a click that may raise it, it waits for
// the box to come up, notes what it says and presses OK (or Enter).
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace pelmora::play {

struct AnsweredBox {
    bool seen = false;
    QString title;
    QString text;
    int buttons = 0;
    bool hasIcon = false;
    bool stuck = false;  // still up after being answered
    QString otherModal;  // class of any other modal window met instead
};

class ModalAnswerer : public QObject {
public:
    ModalAnswerer();

    // `withEnter` closes the box from the keyboard instead of clicking OK.
    void arm(bool withEnter);
    // Stops waiting; returns what was answered since arm().
    AnsweredBox disarm();

private:
    void answer();

    QTimer timer_;
    bool withEnter_ = false;
    AnsweredBox answered_;
};

}  // namespace pelmora::play
