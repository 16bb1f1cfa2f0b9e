// What assistive technology sees of a status label: its own name, which says
// what the figure is ("Points"), and the text it shows ("4500"), so that a
// screen reader says "Points 4500". The label's text is readable through
// the text interface, and changes to it are announced as text updates.
#pragma once

#include <QAccessibleWidget>

class QLabel;

namespace pelmora {

class StatusLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit StatusLabelAccessible(QLabel* label);

    // Makes Qt build this interface for every status label: a plain label
    // given an accessible name of its own. Once is enough.
    static void install();
    // Sets the label's text and tells assistive technology what changed.
    static void showText(QLabel* label, const QString& text);

    // QAccessibleInterface: the name is the label's accessible name, the
    // value its text.
    QString text(QAccessible::Text type) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface, read-only, without a caret or selection.
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    // A figure is one word: any unit but a character is the whole of it.
    // Any offset is answered, at once (Qt's own helpers never return from
    // some), and an offset off the text gets nothing.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override;

private:
    QLabel* label() const;
    // The character at `at`, or the whole text for any other unit, with its
    // offsets; nothing when `at` lies off the text.
    QString unitAt(qint64 at, QAccessible::TextBoundaryType boundary, int* startOffset, int* endOffset) const;
};

}  // namespace pelmora
