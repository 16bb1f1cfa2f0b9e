// A label that reports a click: press and release inside it.
#pragma once

#include <QLabel>

namespace pelmora {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressedInside_ = false;
};

}  // namespace pelmora
