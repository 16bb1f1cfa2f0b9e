// Ends the program once a widget has been painted for the first time, and
// prints the moment the frame was done on the system's monotonic clock
// ("first_paint_ns N"): start a program with it, note the same clock when
// starting it, and you have its start-up time to the first painted frame,
// without the time it takes to end.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdio>

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
            // Let this paint finish and be handed to the window system, then
            // leave.
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("first_paint_ns %lld\n", static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace pelmora
