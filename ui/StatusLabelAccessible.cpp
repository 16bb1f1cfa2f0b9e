#include "ui/StatusLabelAccessible.h"

#include <QLabel>

namespace pelmora {
namespace {

QAccessibleInterface* statusLabelFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QLabel")) return nullptr;
    auto* label = static_cast<QLabel*>(object);
    return label->accessibleName().isEmpty() ? nullptr : new StatusLabelAccessible(label);
}

}  // namespace

StatusLabelAccessible::StatusLabelAccessible(QLabel* label)
    : QAccessibleWidget(label, QAccessible::StaticText) {}

void StatusLabelAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(statusLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void StatusLabelAccessible::showText(QLabel* label, const QString& text) {
    const QString before = label->text();
    if (before == text) return;
    label->setText(text);
    if (!QAccessible::isActive() || label->accessibleName().isEmpty()) return;
    QAccessibleTextUpdateEvent event(label, 0, before, text);
    QAccessible::updateAccessibility(&event);
}

QLabel* StatusLabelAccessible::label() const { return static_cast<QLabel*>(widget()); }

QString StatusLabelAccessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Value) return label()->text();
    return QAccessibleWidget::text(type);
}

void* StatusLabelAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void StatusLabelAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString StatusLabelAccessible::text(int startOffset, int endOffset) const {
    const QString shown = label()->text();
    if (endOffset < 0 || endOffset > shown.size()) endOffset = shown.size();
    if (startOffset < 0 || startOffset > endOffset) return {};
    return shown.mid(startOffset, endOffset - startOffset);
}

int StatusLabelAccessible::characterCount() const { return static_cast<int>(label()->text().size()); }

QString StatusLabelAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

}  // namespace pelmora
