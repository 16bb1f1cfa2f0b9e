#include "program/DisplayCheck.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
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
constexpr char kCannotOpen[] = "pelmora: cannot open a display: ";
// The display a Wayland client connects to when WAYLAND_DISPLAY is not set.
constexpr char kDefaultWaylandDisplay[] = "wayland-0";

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

[[noreturn]] void endSaying(const QByteArray& line) {
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);  // nothing of the program has started that needs ending
}

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QtMessageHandler passedOnTo = nullptr;
std::vector<HeldMessage>* held = nullptr;

// Why the platform plugin `plugin` did not start, given that Qt found it:
// the display it was to talk to did not answer.
QString whyItDidNotStart(const QString& plugin) {
    if (plugin.startsWith("wayland")) {
        const QByteArray name = isSet("WAYLAND_DISPLAY") ? qgetenv("WAYLAND_DISPLAY") : kDefaultWaylandDisplay;
        return QString("the Wayland display \"%1\" does not answer").arg(QString::fromLocal8Bit(name));
    }
    if (plugin == "xcb") {
        if (!isSet("DISPLAY")) return "no X11 display is named (DISPLAY is not set)";
        return QString("the X11 display \"%1\" does not answer").arg(QString::fromLocal8Bit(qgetenv("DISPLAY")));
    }
    return QString("Qt's \"%1\" platform plugin could not start").arg(plugin);
}

// Before it gives up, Qt says of each platform plugin it tried that it could
// not find it (not installed) or could not load it although it was found
// (its display did not answer). One cause per plugin, in the order tried;
// empty when Qt said neither.
QStringList causesOfFailure(const std::vector<HeldMessage>& messages) {
    static const QRegularExpression tried(R"re(^Could not (find|load) the Qt platform plugin "([^"]*)")re");
    QStringList causes;
    for (const HeldMessage& message : messages) {
        const QRegularExpressionMatch match = tried.match(message.text);
        if (!match.hasMatch()) continue;
        const QString plugin = match.captured(2);
        if (match.captured(1) == "load") {
            causes << whyItDidNotStart(plugin);
        } else {
            // A Wayland session without Debian's qt6-wayland falls back to X11 when it can.
            causes << QString("Qt's \"%1\" platform plugin is not installed%2")
                          .arg(plugin, plugin.startsWith("wayland") ? " (package qt6-wayland)" : "");
        }
    }
    return causes;
}

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const QStringList causes = causesOfFailure(*held);
        if (causes.isEmpty()) endForWantOfADisplay();
        endSaying(kCannotOpen + causes.join("; ").toLocal8Bit() + "\n");
    }
    held->push_back({type, QByteArray(context.category), text});
}

}  // namespace

bool displayNamed() { return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM"); }

void endForWantOfADisplay() { endSaying(kNoDisplay); }

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
