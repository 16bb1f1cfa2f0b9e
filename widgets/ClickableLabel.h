// A label that reports a click: press and release inside it, or Space or
// Enter while it has the keyboard focus. Only Tab gives it the focus, so a
// mouse player never sees it focused; while focused it shows the style's
// focus frame.
#pragma once

#include <QLabel>

namespace pelmora {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

    // A label that leads somewhere (opens a link) rather than doing
    // something: a screen reader calls it a link, not a button.
    void setLink(bool link) { link_ = link; }
    bool isLink() const { return link_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressedInside_ = false;
    bool link_ = false;
};

}  // namespace pelmora
