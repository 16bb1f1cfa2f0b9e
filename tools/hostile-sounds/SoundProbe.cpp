// Plays one sound file through the game's sound player and reports how long
// the play held the caller and the process's peak memory. A play still
// running after the limit is reported as such and the probe ends there.
// With PLAYS, the same player plays the file that many times, and the
// median of the plays after the first (device open, file seen before) is
// printed too.
// Usage: sound-probe FILE LIMIT_SECONDS [PLAYS]
// Prints: "<seconds held> <peak resident MiB> <finished|stopped> <default sounds> [<median ms of the later plays>]"
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ui/sound/SdlSoundPlayer.h"

namespace {

double peakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s FILE LIMIT_SECONDS [PLAYS]\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    const std::chrono::seconds limit(std::atoi(argv[2]));
    const int plays = argc == 4 ? std::max(2, std::atoi(argv[3])) : 1;
    std::vector<double> laterMs;
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    int defaultSounds = 0;

    const auto start = std::chrono::steady_clock::now();
    std::thread player([&] {
        pelmora::SdlSoundPlayer sound([&] { ++defaultSounds; });
        sound.playAndWait(path);
        for (int play = 1; play < plays; ++play) {
            const auto begin = std::chrono::steady_clock::now();
            sound.playAndWait(path);
            laterMs.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
        }
        std::lock_guard lock(mutex);
        finished = true;
        done.notify_one();
    });
    std::unique_lock lock(mutex);
    done.wait_for(lock, limit, [&] { return finished; });
    const std::chrono::duration<double> held = std::chrono::steady_clock::now() - start;
    std::printf("%.2f %.0f %s %d", held.count(), peakResidentMiB(), finished ? "finished" : "stopped",
                defaultSounds);
    if (finished && !laterMs.empty()) {
        std::nth_element(laterMs.begin(), laterMs.begin() + laterMs.size() / 2, laterMs.end());
        std::printf(" %.1f", laterMs[laterMs.size() / 2]);
    }
    std::printf("\n");
    std::fflush(stdout);
    if (!finished) {
        std::_Exit(0);  // the play goes on in its thread; nothing to wait for
    }
    lock.unlock();
    player.join();
    return 0;
}
