// The play test: a random player, or a short scripted game, on the real
// window of Pelmora, offscreen. See PlayOptions.h for the command line.
#include <QApplication>
#include <cstdio>

#include "PlayOptions.h"
#include "RandomPlay.h"
#include "ScriptedGame.h"

namespace {

// The offscreen platform says so every time a window asks it for something
// only a real screen does; a million moves would bury the report under it.
void quietOffscreenNotices(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (message.startsWith("This plugin does not support")) return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietOffscreenNotices);
    QApplication app(argc, argv);
    const auto options = pelmora::play::readPlayOptions(argc, argv);
    if (!options) return 2;
    return options->scripted ? pelmora::play::runScriptedGame(*options)
                             : pelmora::play::runRandomPlay(*options);
}
