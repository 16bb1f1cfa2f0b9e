// Ends the program once a widget has been painted for the first time: start
// a program with it, time it from outside, and you have its start-up time to
// the first painted frame.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace pelmora {

class FirstPaintProbe : public QObject {
public:
    // A null `watched` makes a probe that never ends the program.
    explicit FirstPaintProbe(QObject* watched) {
        if (watched) watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Let this paint finish and reach the screen, then leave.
            QTimer::singleShot(0, [] { QCoreApplication::quit(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace pelmora
