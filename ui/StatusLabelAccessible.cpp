#include "ui/StatusLabelAccessible.h"

#include <QLabel>
#include <algorithm>

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
    *startOffset = *endOffset = std::clamp(offset, 0, characterCount());
    return {};
}

QString StatusLabelAccessible::unitAt(qint64 at, QAccessible::TextBoundaryType boundary, int* startOffset,
                                      int* endOffset) const {
    const QString shown = label()->text();
    *startOffset = *endOffset = static_cast<int>(std::clamp<qint64>(at, 0, shown.size()));
    if (at < 0 || at >= shown.size()) return {};
    if (boundary == QAccessible::CharBoundary) {
        *startOffset = static_cast<int>(at);
        *endOffset = static_cast<int>(at) + 1;
        return shown.mid(*startOffset, 1);
    }
    *startOffset = 0;
    *endOffset = static_cast<int>(shown.size());
    return shown;
}

QString StatusLabelAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                                int* startOffset, int* endOffset) const {
    // Before the one word there is nothing; before a character, the one before it.
    if (boundary != QAccessible::CharBoundary || offset < 0) return unitAt(-1, boundary, startOffset, endOffset);
    return unitAt(qint64{offset} - 1, boundary, startOffset, endOffset);
}

QString StatusLabelAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                            int* startOffset, int* endOffset) const {
    return unitAt(offset, boundary, startOffset, endOffset);
}

QString StatusLabelAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                               int* startOffset, int* endOffset) const {
    if (boundary != QAccessible::CharBoundary || offset < 0) return unitAt(-1, boundary, startOffset, endOffset);
    return unitAt(qint64{offset} + 1, boundary, startOffset, endOffset);
}

}  // namespace pelmora
