// The main window's client area: the background picture, drawn unscaled from
// the top-left corner, behind every control.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace pelmora {

class BackgroundArea : public QWidget {
    Q_OBJECT
public:
    BackgroundArea(QPixmap background, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background_;
};

}  // namespace pelmora
