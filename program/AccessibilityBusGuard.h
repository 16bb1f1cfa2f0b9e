// Checks the calls that assistive technology makes on the game's objects
// through the accessibility bus before Qt's bridge sees them. Any program on
// the player's session may make these calls, and the bridge trusts them: it
// uses the null cell a table returns for a row or column off the table, and
// walks a text range one offset at a time, so a row of 7, an index of -1 or
// an offset of 2^31 - 1 crashes or freezes the game. A call whose rows,
// columns, indexes or offsets lie outside the object it is made on, or that
// would edit a read-only text, is answered with an error; every other call
// goes on to the bridge unchanged.
#pragma once

#include <QDBusVirtualObject>
#include <QPointer>

namespace pelmora {

class AccessibilityBusGuard : public QDBusVirtualObject {
    Q_OBJECT
public:
    // Takes the bridge's place on the bus as soon as the bridge is up (when
    // the first screen reader asks for it) and stays for the program's life.
    static void install();

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    explicit AccessibilityBusGuard(QObject* parent) : QDBusVirtualObject(parent) {}
    // Steps in front of the bridge, if it is on the bus and not yet guarded.
    static void standInFront();

    QPointer<QDBusVirtualObject> bridge_;
};

}  // namespace pelmora
