#include "program/DisplayCheck.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace pelmora {

namespace {

constexpr char kNoDisplay[] =
    "pelmora: cannot open a display; set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland), "
    "or QT_QPA_PLATFORM=offscreen to run without one\n";

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QtMessageHandler passedOnTo = nullptr;
std::vector<HeldMessage>* held = nullptr;

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        endForWantOfADisplay();
    }
    held->push_back({type, QByteArray(context.category), text});
}

}  // namespace

bool displayNamed() { return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM"); }

void endForWantOfADisplay() {
    std::fputs(kNoDisplay, stderr);
    std::fflush(stderr);
    std::_Exit(1);  // nothing of the program has started that needs ending
}

DisplayFailureGuard::DisplayFailureGuard() {
    held = new std::vector<HeldMessage>;
    passedOnTo = qInstallMessageHandler(holdOrEnd);
}

DisplayFailureGuard::~DisplayFailureGuard() {
    qInstallMessageHandler(passedOnTo);
    const auto messages = std::exchange(held, nullptr);
    for (const HeldMessage& message : *messages) {
        qt_message_output(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
                          message.text);
    }
    delete messages;
}

}  // namespace pelmora
