// Ends a run that stops making progress, saying at which move it hung, so a
// hang is reported like any other fault instead of waiting for ctest's
// timeout.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace pelmora::play {

class Watchdog {
public:
    // `replay` is the command line that makes the same moves, less the
    // number of moves, which the watchdog adds.
    Watchdog(int stallSeconds, std::string replay);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    void reached(long move) { move_.store(move, std::memory_order_relaxed); }

private:
    void watch(int stallSeconds);

    std::string replay_;
    std::atomic<long> move_{-1};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace pelmora::play
