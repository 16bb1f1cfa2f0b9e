#include "Watchdog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace pelmora::play {

Watchdog::Watchdog(int stallSeconds, std::string replay)
    : replay_(std::move(replay)), thread_([this, stallSeconds] { watch(stallSeconds); }) {}

Watchdog::~Watchdog() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void Watchdog::watch(int stallSeconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    long seen = move_.load(std::memory_order_relaxed);
    while (
        !wake_.wait_for(lock, std::chrono::seconds(stallSeconds), [this] { return stopping_; })) {
        const long now = move_.load(std::memory_order_relaxed);
        if (now == seen) {
            std::fprintf(stderr,
                         "HANG: move %ld did not finish within %d s\nreplay: %s --events %ld "
                         "--trace-from %ld\n",
                         now, stallSeconds, replay_.c_str(), now + 1, now);
            std::fflush(stderr);
            std::_Exit(3);
        }
        seen = now;
    }
}

}  // namespace pelmora::play
