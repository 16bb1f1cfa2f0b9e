#include "widgets/ClickableLabelAccessible.h"

#include "widgets/ClickableLabel.h"

namespace pelmora {
namespace {

QAccessibleInterface* clickableLabelFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(ClickableLabel::staticMetaObject.className())) return nullptr;
    return new ClickableLabelAccessible(static_cast<ClickableLabel*>(object));
}

}  // namespace

ClickableLabelAccessible::ClickableLabelAccessible(ClickableLabel* label)
    : QAccessibleWidget(label, QAccessible::Button) {}

void ClickableLabelAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(clickableLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QAccessible::Role ClickableLabelAccessible::role() const {
    return static_cast<ClickableLabel*>(widget())->isLink() ? QAccessible::Link : QAccessible::Button;
}

QString ClickableLabelAccessible::text(QAccessible::Text type) const {
    const QString own = QAccessibleWidget::text(type);
    if (type != QAccessible::Name || !own.isEmpty()) return own;
    return static_cast<ClickableLabel*>(widget())->text();
}

QStringList ClickableLabelAccessible::actionNames() const { return {pressAction()}; }

// Queued: the click may open a modal message box, which must not run inside
// the screen reader's request.
void ClickableLabelAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction())
        QMetaObject::invokeMethod(static_cast<ClickableLabel*>(widget()), &ClickableLabel::clicked,
                                  Qt::QueuedConnection);
}

}  // namespace pelmora
