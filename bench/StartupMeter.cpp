// Start-up time and peak memory of two programs measured side by side: each
// round runs both, one after the other, the order swapping every round so
// neither always runs second; the first round only warms the caches and is
// dropped. Each program must print "first_paint_ns N" (bench/
// FirstPaintProbe.h) and end by itself. Figures are medians over the rounds;
// the ratios are medians of the same-round ratios, so a busy spell on a
// shared machine weighs on both programs of a round alike.
//
// Usage: startup_meter ROUNDS PROGRAM BASELINE
// Prints "key value" lines: rounds, then for each measure M the lines
// M_program, M_baseline and M_ratio (for memory: peak_mib_program, ...):
//   startup_ms  from starting the program to its first painted frame;
//   exit_ms     from starting it to its end, quitting at that frame;
//   cpu_ms      the CPU time the program itself used, to its end (less
//               swayed than the times by other work on the machine);
//   peak_mib    its peak resident memory.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMinimumRounds = 2;  // one dropped, one kept
constexpr double kKibPerMib = 1024.0;
constexpr const char* kPaintKey = "first_paint_ns ";

enum Measure { kStartup, kExit, kCpu, kPeak, kMeasures };
constexpr const char* kNames[kMeasures] = {"startup_ms", "exit_ms", "cpu_ms", "peak_mib"};
constexpr double kScales[kMeasures] = {1, 1, 1, 1 / kKibPerMib};

using Run = std::array<double, kMeasures>;

double milliseconds(const timeval& time) { return time.tv_sec * 1e3 + time.tv_usec / 1e3; }

[[noreturn]] void fail(const char* what, const char* program) {
    std::fprintf(stderr, "startup_meter: %s: %s\n", program, what);
    std::exit(1);
}

Run runOnce(const char* program) {
    int output[2];
    if (pipe(output) != 0) fail("no pipe", program);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program), nullptr};
    const auto start = Clock::now();
    pid_t child = 0;
    const int failed = posix_spawn(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (failed) fail("cannot start", program);
    std::string printed;
    char buffer[256];
    for (ssize_t got; (got = read(output[0], buffer, sizeof buffer)) > 0;) printed.append(buffer, got);
    close(output[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = Clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) fail("failed", program);
    const std::size_t at = printed.find(kPaintKey);
    if (at == std::string::npos) fail("printed no first_paint_ns", program);
    const Clock::time_point painted{std::chrono::nanoseconds(
        std::strtoll(printed.c_str() + at + std::strlen(kPaintKey), nullptr, 10))};
    return {std::chrono::duration<double, std::milli>(painted - start).count(),
            std::chrono::duration<double, std::milli>(end - start).count(),
            milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime),
            static_cast<double>(usage.ru_maxrss)};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int rounds = argc == 4 ? std::atoi(argv[1]) : 0;
    if (rounds < kMinimumRounds) {
        std::fprintf(stderr, "usage: startup_meter ROUNDS(>=%d) PROGRAM BASELINE\n", kMinimumRounds);
        return 2;
    }
    const char* program = argv[2];
    const char* baseline = argv[3];
    std::array<std::vector<double>, kMeasures> ours, theirs, ratios;
    for (int round = 0; round < rounds; ++round) {
        const bool programFirst = round % 2 == 0;
        const Run first = runOnce(programFirst ? program : baseline);
        const Run second = runOnce(programFirst ? baseline : program);
        if (round == 0) continue;  // warm-up
        const Run& game = programFirst ? first : second;
        const Run& bare = programFirst ? second : first;
        for (int measure = 0; measure < kMeasures; ++measure) {
            ours[measure].push_back(game[measure]);
            theirs[measure].push_back(bare[measure]);
            ratios[measure].push_back(game[measure] / bare[measure]);
        }
    }
    std::printf("rounds %d\n", rounds - 1);
    for (int measure = 0; measure < kMeasures; ++measure) {
        std::printf("%s_program %.1f\n", kNames[measure], median(ours[measure]) * kScales[measure]);
        std::printf("%s_baseline %.1f\n", kNames[measure], median(theirs[measure]) * kScales[measure]);
        std::printf("%s_ratio %.2f\n", kNames[measure], median(ratios[measure]));
    }
    return 0;
}
