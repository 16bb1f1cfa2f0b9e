// The title bar the game draws itself on Wayland where Qt would frame the
// window with its fallback decoration, whose maximise button a fixed-size
// window cannot honour (Weston ends a client that keeps its size when
// maximised). It shows the window's icon and title, a minimise button where
// the window's flags offer one, and a close button; dragging it asks the
// compositor to move the window.
#pragma once

#include <QWidget>

namespace pelmora {

class TitleBar : public QWidget {
    Q_OBJECT
public:
    // Height in pixels, the frame's own.
    static constexpr int kHeight = 30;

    // Placed across the top of `window`, whose child it becomes; a minimise
    // button if the window's flags offer one now.
    explicit TitleBar(QWidget& window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
};

}  // namespace pelmora
