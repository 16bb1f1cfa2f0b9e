#include "widgets/WaylandWindows.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QWidget>
#include <QWindow>

#include "widgets/TitleBar.h"

namespace pelmora::wayland {

namespace {

// Drops the dialog's tie to its owner as the owner closes: a window with a
// transient parent never counts as the program's last window, so without
// this the program would end while the dialog is still open.
class OwnerClosing : public QObject {
public:
    explicit OwnerClosing(QWidget& dialog) : QObject(&dialog), dialog_(dialog) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close && dialog_.windowHandle() != nullptr)
            dialog_.windowHandle()->setTransientParent(nullptr);
        return false;
    }

private:
    QWidget& dialog_;
};

}  // namespace

bool isWayland() { return QGuiApplication::platformName().startsWith("wayland"); }

void frameWindow(QWidget& window) {
    if (!isWayland()) return;
    const QSize contents = window.size();
    // A window laid out by its layout (the main window) keeps the bar's
    // strip free through its margins; one whose children sit where they
    // were put (the About window) has them moved down.
    if (window.layout() != nullptr) {
        window.setContentsMargins(0, TitleBar::kHeight, 0, 0);
    } else {
        for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            child->move(child->pos() + QPoint(0, TitleBar::kHeight));
    }
    window.setFixedSize(contents.width(), contents.height() + TitleBar::kHeight);
    // The bar takes its buttons from the flags the window had; Qt drops the
    // frameless hint from flags that ask for buttons.
    new TitleBar(window);
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
}

void attachToOwner(QWidget& dialog, QWidget& owner) {
    if (!isWayland()) return;
    // Both need their native windows for the tie; the owner's may not exist
    // yet if it has never been shown.
    dialog.winId();
    owner.winId();
    dialog.windowHandle()->setTransientParent(owner.windowHandle());
    owner.installEventFilter(new OwnerClosing(dialog));
}

}  // namespace pelmora::wayland
