// A text label that reports a left-button click, the way the About window's
// link labels need it.
#pragma once

#include <QLabel>

namespace pelmora::about {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // A click is a press and a release both on the label.
    bool m_pressedHere = false;
};

}  // namespace pelmora::about
