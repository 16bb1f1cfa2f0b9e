#include "program/AccessibilityBusGuard.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

#include <algorithm>

namespace pelmora {
namespace {

// Where Qt's bridge puts the game's objects: the bus connection it opens
// and the path under which every object lies, the application at "root".
const QString kBridgeConnection = QStringLiteral("a11y");
const QString kObjectsPath = QStringLiteral("/org/a11y/atspi/accessible");
const QString kApplicationPath = QStringLiteral("/org/a11y/atspi/accessible/root");

// A call the bridge reads arguments for: the D-Bus signature it must have,
// and what each argument is, one letter each:
//   r  a row of the table, c  a column, i  a child's index,
//   o  an offset into the text (0 to its length), e  the same or -1 (the end),
//   s  a text selection's number, L  a length within the text argument
//      before it, -  anything.
// No signature: a call the bridge has no answer for, refused. `edits` calls
// change the text: refused where there is no editable text.
struct Call {
    const char* interface;
    const char* method;
    const char* signature;
    const char* arguments;
    bool edits = false;
};

constexpr Call kCalls[] = {
    {"org.freedesktop.DBus.Properties", "Get", "ss", "--"},
    {"org.freedesktop.DBus.Properties", "Set", "ssv", "---"},
    {"org.freedesktop.DBus.Properties", "GetAll", nullptr, ""},
    {"org.a11y.atspi.Accessible", "GetChildAtIndex", "i", "-"},
    {"org.a11y.atspi.Action", "DoAction", "i", "-"},
    {"org.a11y.atspi.Action", "GetName", "i", "-"},
    {"org.a11y.atspi.Action", "GetDescription", "i", "-"},
    {"org.a11y.atspi.Action", "GetKeyBinding", "i", "-"},
    {"org.a11y.atspi.Component", "Contains", "iiu", "---"},
    {"org.a11y.atspi.Component", "GetAccessibleAtPoint", "iiu", "---"},
    {"org.a11y.atspi.Component", "GetExtents", "u", "-"},
    {"org.a11y.atspi.Component", "GetPosition", "u", "-"},
    {"org.a11y.atspi.Component", "SetExtents", "iiiiu", "-----"},
    {"org.a11y.atspi.Component", "SetPosition", "iiu", "---"},
    {"org.a11y.atspi.Component", "SetSize", "ii", "--"},
    {"org.a11y.atspi.Text", "AddSelection", "ii", "oo"},
    {"org.a11y.atspi.Text", "GetAttributeRun", "ib", "o-"},
    {"org.a11y.atspi.Text", "GetAttributeValue", "is", "o-"},
    {"org.a11y.atspi.Text", "GetAttributes", "i", "o"},
    {"org.a11y.atspi.Text", "GetBoundedRanges", nullptr, ""},  // it never replies
    {"org.a11y.atspi.Text", "GetCharacterAtOffset", "i", "o"},
    {"org.a11y.atspi.Text", "GetCharacterExtents", "iu", "o-"},
    {"org.a11y.atspi.Text", "GetOffsetAtPoint", "iiu", "---"},
    {"org.a11y.atspi.Text", "GetRangeExtents", "iiu", "oe-"},
    {"org.a11y.atspi.Text", "GetSelection", "i", "s"},
    {"org.a11y.atspi.Text", "GetText", "ii", "oe"},
    {"org.a11y.atspi.Text", "GetTextAfterOffset", "iu", "o-"},
    {"org.a11y.atspi.Text", "GetTextAtOffset", "iu", "o-"},
    {"org.a11y.atspi.Text", "GetTextBeforeOffset", "iu", "o-"},
    {"org.a11y.atspi.Text", "RemoveSelection", "i", "s"},
    {"org.a11y.atspi.Text", "SetCaretOffset", "i", "o"},
    {"org.a11y.atspi.Text", "SetSelection", "iii", "soo"},
    {"org.a11y.atspi.EditableText", "CopyText", "ii", "oe"},
    {"org.a11y.atspi.EditableText", "CutText", "ii", "oe", true},
    {"org.a11y.atspi.EditableText", "DeleteText", "ii", "oe", true},
    {"org.a11y.atspi.EditableText", "InsertText", "isi", "o-L", true},
    {"org.a11y.atspi.EditableText", "PasteText", "i", "o", true},
    {"org.a11y.atspi.EditableText", "SetTextContents", "s", "-", true},
    {"org.a11y.atspi.Table", "GetAccessibleAt", "ii", "rc"},
    {"org.a11y.atspi.Table", "GetIndexAt", "ii", "rc"},
    {"org.a11y.atspi.Table", "GetRowDescription", "i", "r"},
    {"org.a11y.atspi.Table", "GetColumnDescription", "i", "c"},
    {"org.a11y.atspi.Table", "GetRowColumnExtentsAtIndex", "i", "i"},
    {"org.a11y.atspi.Table", "GetRowExtentAt", "ii", "rc"},
    {"org.a11y.atspi.Table", "GetColumnExtentAt", "ii", "rc"},
    {"org.a11y.atspi.Table", "GetRowHeader", "i", "r"},
    {"org.a11y.atspi.Table", "GetColumnHeader", "i", "c"},
    {"org.a11y.atspi.Table", "IsRowSelected", "i", "r"},
    {"org.a11y.atspi.Table", "IsColumnSelected", "i", "c"},
    {"org.a11y.atspi.Table", "IsSelected", "ii", "rc"},
    {"org.a11y.atspi.Table", "AddRowSelection", "i", "r"},
    {"org.a11y.atspi.Table", "AddColumnSelection", "i", "c"},
    {"org.a11y.atspi.Table", "RemoveRowSelection", "i", "r"},
    {"org.a11y.atspi.Table", "RemoveColumnSelection", "i", "c"},
};

QAccessibleInterface* objectAt(const QString& path) {
    if (path == kApplicationPath) return QAccessible::queryAccessibleInterface(qApp);
    bool isNumber = false;
    const QAccessible::Id id = path.section(u'/', -1).toUInt(&isNumber);
    return isNumber && path.startsWith(kObjectsPath + u'/') ? QAccessible::accessibleInterface(id) : nullptr;
}

bool inRange(qint64 value, qint64 low, qint64 highExcluded) { return value >= low && value < highExcluded; }

// Whether argument `at` of kind `kind` lies within `object`.
bool fits(QAccessibleInterface& object, char kind, const QVariantList& arguments, int at) {
    const qint64 value = arguments.at(at).toLongLong();
    QAccessibleTableInterface* table = object.tableInterface();
    QAccessibleTextInterface* text = object.textInterface();
    const qint64 length = text ? text->characterCount() : object.text(QAccessible::Value).size();
    switch (kind) {
        case 'r': return !table || inRange(value, 0, table->rowCount());
        case 'c': return !table || inRange(value, 0, table->columnCount());
        case 'i': return inRange(value, 0, object.childCount());
        case 'o': return inRange(value, 0, length + 1);
        case 'e': return value == -1 || inRange(value, 0, length + 1);
        case 's': return !text || inRange(value, 0, std::max(text->selectionCount(), 1));
        case 'L': return inRange(value, 0, arguments.at(at - 1).toString().size() + 1);
        default: return true;
    }
}

bool allowed(QAccessibleInterface& object, const QDBusMessage& message) {
    const auto call = std::find_if(std::begin(kCalls), std::end(kCalls), [&](const Call& known) {
        return message.member() == QLatin1String(known.method) && message.interface() == QLatin1String(known.interface);
    });
    if (call == std::end(kCalls)) return true;  // the bridge reads no arguments
    if (!call->signature || message.signature() != QLatin1String(call->signature)) return false;
    if (call->edits && (!object.editableTextInterface() || object.state().readOnly)) return false;
    const QVariantList arguments = message.arguments();
    for (int at = 0; call->arguments[at] != '\0'; ++at)
        if (!fits(object, call->arguments[at], arguments, at)) return false;
    return true;
}

}  // namespace

void AccessibilityBusGuard::install() {
    // The bridge comes up once a screen reader switches accessibility on,
    // just after it tells its observers; the guard follows it.
    struct Observer : QAccessible::ActivationObserver {
        void accessibilityActiveChanged(bool active) override {
            if (active) QMetaObject::invokeMethod(qApp, &AccessibilityBusGuard::standInFront, Qt::QueuedConnection);
        }
    };
    static Observer observer;
    static const bool installed = [] {
        QAccessible::installActivationObserver(&observer);
        return true;
    }();
    Q_UNUSED(installed);
    standInFront();
}

void AccessibilityBusGuard::standInFront() {
    QDBusConnection bus(kBridgeConnection);
    auto* bridge = qobject_cast<QDBusVirtualObject*>(bus.objectRegisteredAt(kObjectsPath));
    if (!bridge || qobject_cast<AccessibilityBusGuard*>(bridge)) return;
    auto* guard = new AccessibilityBusGuard(bridge);
    guard->bridge_ = bridge;
    bus.unregisterObject(kObjectsPath);
    if (!bus.registerVirtualObject(kObjectsPath, guard, QDBusConnection::SubPath)) {
        bus.registerVirtualObject(kObjectsPath, bridge, QDBusConnection::SubPath);  // as it was
        delete guard;
    }
}

QString AccessibilityBusGuard::introspect(const QString& path) const {
    return bridge_ ? bridge_->introspect(path) : QString();
}

bool AccessibilityBusGuard::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
    if (!bridge_) return false;
    QAccessibleInterface* object = objectAt(message.path());
    if (object && object->isValid() && !allowed(*object, message)) {
        connection.send(message.createErrorReply(QDBusError::InvalidArgs,
                                                 QStringLiteral("not answered: arguments off the object")));
        return true;
    }
    return bridge_->handleMessage(message, connection);
}

}  // namespace pelmora
