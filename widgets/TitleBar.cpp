#include "widgets/TitleBar.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <QWindow>

namespace pelmora {

namespace {

constexpr int kMargin = 6;       // around the icon and the buttons
constexpr int kIconSize = 18;
constexpr int kButtonSize = 24;
constexpr int kGlyphSize = 10;   // the cross and the bar drawn on the buttons
constexpr int kTitlePixels = 14;

enum class Glyph { Close, Minimise };

// A button's picture in the window's text colour, drawn at twice its size
// so that it stays sharp on a screen of two device pixels to the pixel.
QIcon glyphIcon(Glyph glyph, const QColor& colour) {
    constexpr int kScale = 2;
    QPixmap pixmap(kGlyphSize * kScale, kGlyphSize * kScale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.5 * kScale, Qt::SolidLine, Qt::RoundCap));
    const double low = kScale, high = (kGlyphSize - 1) * kScale;
    if (glyph == Glyph::Close) {
        painter.drawLine(QPointF(low, low), QPointF(high, high));
        painter.drawLine(QPointF(low, high), QPointF(high, low));
    } else {
        painter.drawLine(QPointF(low, high), QPointF(high, high));
    }
    painter.end();
    pixmap.setDevicePixelRatio(kScale);
    return QIcon(pixmap);
}

// A frame button on `bar`, the `slot`th from its right end.
QToolButton* addButton(QWidget* bar, const char* objectName, const QString& name, Glyph glyph, int slot) {
    auto* button = new QToolButton(bar);
    button->setObjectName(objectName);
    button->setAccessibleName(name);
    button->setToolTip(name);
    button->setIcon(glyphIcon(glyph, bar->palette().color(QPalette::WindowText)));
    button->setIconSize(QSize(kGlyphSize, kGlyphSize));
    button->setAutoRaise(true);
    // Like a window manager's frame, never in the Tab chain.
    button->setFocusPolicy(Qt::NoFocus);
    const int left = bar->width() - kMargin - (slot + 1) * kButtonSize - slot * kMargin / 2;
    button->setGeometry(left, (TitleBar::kHeight - kButtonSize) / 2, kButtonSize, kButtonSize);
    return button;
}

}  // namespace

TitleBar::TitleBar(QWidget& window) : QWidget(&window), window_(window) {
    setObjectName("titleBar");
    setAccessibleName(window.windowTitle());
    setGeometry(0, 0, window.width(), kHeight);
    // The desktop's colours, whatever the window paints its contents in:
    // every role counts as set here, so none is taken from the window.
    QPalette desktop = QGuiApplication::palette();
    desktop.setResolveMask(~QPalette::ResolveMask(0));
    setPalette(desktop);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    // Buttons from the right: close, then minimise where offered.
    connect(addButton(this, "closeButton", tr("Close"), Glyph::Close, 0), &QToolButton::clicked, &window_,
            &QWidget::close);
    if (window.windowFlags() & Qt::WindowMinimizeButtonHint)
        connect(addButton(this, "minimiseButton", tr("Minimise"), Glyph::Minimise, 1), &QToolButton::clicked,
                &window_, &QWidget::showMinimized);
    window.installEventFilter(this);
}

void TitleBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);

    const QIcon icon = window_.windowIcon();
    if (!icon.isNull())
        icon.paint(&painter, kMargin, (kHeight - kIconSize) / 2, kIconSize, kIconSize);

    QFont font = painter.font();
    font.setPixelSize(kTitlePixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(palette().color(window_.isActiveWindow() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, window_.windowTitle());
}

void TitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && window_.windowHandle() != nullptr)
        window_.windowHandle()->startSystemMove();
}

// A new title or icon, and the window's activation (its title greys while
// another window has the keys), are painted at once.
bool TitleBar::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowTitleChange:
        setAccessibleName(window_.windowTitle());
        update();
        break;
    case QEvent::WindowIconChange:
    case QEvent::ActivationChange:
        update();
        break;
    default:
        break;
    }
    return false;
}

}  // namespace pelmora
