// What assistive technology sees of a clickable label: a button, or a link
// for one that leads somewhere, named by its text, whose press action clicks
// it, so a screen reader says "LEVEL UP, button" or "Contact us, link" and
// can activate it.
#pragma once

#include <QAccessibleWidget>

namespace pelmora {

class ClickableLabel;

class ClickableLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickableLabelAccessible(ClickableLabel* label);

    // Makes Qt build this interface for every clickable label; once is
    // enough. A label must exist as a ClickableLabel before its first text,
    // since Qt settles a label's kind when its text first changes.
    static void install();

    QAccessible::Role role() const override;
    QString text(QAccessible::Text type) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
};

}  // namespace pelmora
