#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "Play.h"

namespace {

// The positive whole number in the environment variable `name`, else `fallback`.
long long fromEnvironment(const char* name, long long fallback) {
    const char* text = std::getenv(name);
    return text && std::atoll(text) > 0 ? std::atoll(text) : fallback;
}

// The offscreen platform says so every time a window asks it for something
// only a real screen does; a million events would bury the report under it.
void quietOffscreenNotices(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (!message.startsWith("This plugin does not support"))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

void pelmora::play::startWatchdog(const std::string& replay, bool countsEvents) {
    const long long seconds = fromEnvironment("PELMORA_PLAY_STALL_SECONDS", 60);
    std::thread([seconds, replay, countsEvents] {
        for (long seen = -2;; seen = currentEvent.load()) {
            std::this_thread::sleep_for(std::chrono::seconds(seconds));
            if (currentEvent.load() != seen) continue;
            const std::string count = countsEvents ? std::to_string(seen + 1) : "";
            std::fprintf(stderr, "HANG: event %ld did not finish within %lld s\nreplay: %s%s\n",
                         seen, seconds, replay.c_str(), count.c_str());
            std::_Exit(3);
        }
    }).detach();
}

int main(int argc, char** argv) {
    qInstallMessageHandler(quietOffscreenNotices);
    QApplication app(argc, argv);
    pelmora::play::Options options;
    options.program = argv[0];
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--scripted" || option == "--real-sound") {
            (option == "--scripted" ? options.scripted : options.realSound) = true;
        } else if ((option == "--seed" || option == "--events") && i + 1 < argc) {
            (option == "--seed" ? options.seed : options.events) = std::atoll(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: [--seed N] [--events N] | --scripted [--real-sound]\n");
            return 2;
        }
    }
    options.events = options.events * fromEnvironment("PELMORA_PLAY_EVENT_PERCENT", 100) / 100;
    return options.scripted ? pelmora::play::runScriptedGame(options)
                            : pelmora::play::runRandomPlay(options);
}
