// Start-up time and peak memory of two programs measured side by side: each
// round runs both, one after the other, the order swapping every round so
// neither always runs second; the first round only warms the caches and is
// dropped. Each program must end by itself (the probes end at their first
// painted frame). Figures are medians over the rounds; the ratios are
// medians of the same-round ratios, so a busy spell on a shared machine
// weighs on both programs of a round alike.
//
// Usage: startup_meter ROUNDS PROGRAM BASELINE
// Prints "key value" lines: rounds, startup_ms_program, startup_ms_baseline,
// startup_ratio, the same for the CPU time the program itself used to get
// there (cpu_ms_..., cpu_ratio: less swayed by other work on the machine),
// and peak_mib_program, peak_mib_baseline, peak_ratio.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kMinimumRounds = 2;  // one dropped, one kept
constexpr double kKibPerMib = 1024.0;

struct Run {
    double milliseconds;
    double cpuMilliseconds;  // user and system time of the program itself
    double peakKib;
};

double milliseconds(const timeval& time) { return time.tv_sec * 1e3 + time.tv_usec / 1e3; }

// From just before the program is started until it has ended; the peak
// resident memory comes from the kernel's accounting of the child.
Run runOnce(const char* program) {
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, program, &quiet, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "startup_meter: cannot start %s\n", program);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&quiet);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "startup_meter: %s failed (status %d)\n", program, status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(),
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
    std::vector<double> programMs, baselineMs, timeRatios, programCpu, baselineCpu, cpuRatios;
    std::vector<double> programKib, baselineKib, memoryRatios;
    for (int round = 0; round < rounds; ++round) {
        const bool programFirst = round % 2 == 0;
        const Run first = runOnce(programFirst ? program : baseline);
        const Run second = runOnce(programFirst ? baseline : program);
        if (round == 0) continue;  // warm-up
        const Run& ours = programFirst ? first : second;
        const Run& theirs = programFirst ? second : first;
        programMs.push_back(ours.milliseconds);
        baselineMs.push_back(theirs.milliseconds);
        timeRatios.push_back(ours.milliseconds / theirs.milliseconds);
        programCpu.push_back(ours.cpuMilliseconds);
        baselineCpu.push_back(theirs.cpuMilliseconds);
        cpuRatios.push_back(ours.cpuMilliseconds / theirs.cpuMilliseconds);
        programKib.push_back(ours.peakKib);
        baselineKib.push_back(theirs.peakKib);
        memoryRatios.push_back(ours.peakKib / theirs.peakKib);
    }
    std::printf("rounds %d\n", rounds - 1);
    std::printf("startup_ms_program %.1f\n", median(programMs));
    std::printf("startup_ms_baseline %.1f\n", median(baselineMs));
    std::printf("startup_ratio %.2f\n", median(timeRatios));
    std::printf("cpu_ms_program %.1f\n", median(programCpu));
    std::printf("cpu_ms_baseline %.1f\n", median(baselineCpu));
    std::printf("cpu_ratio %.2f\n", median(cpuRatios));
    std::printf("peak_mib_program %.1f\n", median(programKib) / kKibPerMib);
    std::printf("peak_mib_baseline %.1f\n", median(baselineKib) / kKibPerMib);
    std::printf("peak_ratio %.2f\n", median(memoryRatios));
    return 0;
}
