#include "PlayOptions.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace pelmora::play {
namespace {

bool readNumber(const char* text, long long low, long long high, long long& value) {
    char* end = nullptr;
    const long long number = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || number < low || number > high) return false;
    value = number;
    return true;
}

int numberFromEnvironment(const char* name, int low, int high, int fallback) {
    long long value = fallback;
    const char* text = std::getenv(name);
    if (text && *text && !readNumber(text, low, high, value))
        std::fprintf(stderr, "ignoring %s=%s (want %d to %d)\n", name, text, low, high);
    return static_cast<int>(value);
}

}  // namespace

std::optional<PlayOptions> readPlayOptions(int argc, char** argv) {
    PlayOptions options;
    options.program = argc > 0 ? argv[0] : "pelmora_play_test";
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        const bool hasValue = i + 1 < argc;
        long long value = 0;
        if (std::strcmp(option, "--scripted") == 0) {
            options.scripted = true;
        } else if (std::strcmp(option, "--real-sound") == 0) {
            options.realSound = true;
        } else if (std::strcmp(option, "--seed") == 0 && hasValue &&
                   readNumber(argv[++i], 0, INT64_MAX, value)) {
            options.seed = static_cast<std::uint64_t>(value);
        } else if (std::strcmp(option, "--events") == 0 && hasValue &&
                   readNumber(argv[++i], 0, INT64_MAX, value)) {
            options.events = static_cast<long>(value);
        } else if (std::strcmp(option, "--trace-from") == 0 && hasValue &&
                   readNumber(argv[++i], 0, INT64_MAX, value)) {
            options.traceFrom = static_cast<long>(value);
        } else {
            std::fprintf(
                stderr,
                "usage: %s [--seed N] [--events N] [--trace-from N] [--scripted [--real-sound]]\n",
                options.program.c_str());
            return std::nullopt;
        }
    }
    options.eventPercent = numberFromEnvironment("PELMORA_PLAY_EVENT_PERCENT", 1, 100, 100);
    options.events = options.events * options.eventPercent / 100;
    options.stallSeconds = numberFromEnvironment("PELMORA_PLAY_STALL_SECONDS", 1, 86400, 60);
    return options;
}

}  // namespace pelmora::play
