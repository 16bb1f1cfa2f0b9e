#include "about/AboutWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "about/AboutLayout.h"
#include "about/AboutTexts.h"
#include "about/ApplicationPointer.h"
#include "about/Centring.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Fonts.h"
#include "widgets/WaylandWindows.h"

namespace pelmora::about {

namespace {

constexpr Qt::WindowFlags kFixedWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                              Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                              Qt::MSWindowsFixedSizeDialogHint;

// A link, which a screen reader names with where it leads, unless its own
// text says so already.
void leadsTo(ClickableLabel* label, const char* link) {
    label->setLink(true);
    if (label->text() != QLatin1String(link)) label->setAccessibleDescription(QString::fromUtf8(link));
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace

// A dialog with no parent: it must not belong to the main window, so it
// stays open when the main window closes and counts as a window of its own
// when the program decides whether to end.
AboutWindow::AboutWindow(LinkOpener openLink)
    : QDialog(nullptr, kFixedWindowFlags), openLink_(std::move(openLink)) {
    setUpWindow();
    addHeading();
    addHowToPlay();
    addSupportLine();
    addFooter();
    wayland::frameWindow(*this);
}

void AboutWindow::setUpWindow() {
    setObjectName("frmAbout");
    setWindowTitle(tr(texts::kCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips::size(layout::kClientWidth, layout::kClientHeight));
    setFont(fonts::make(layout::kWindowFont));

    // Only the background turns black; white text is set label by label, so
    // the text box and its scroll bar keep the desktop's usual colours.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, layout::kBackground);
    setPalette(palette);
    setAutoFillBackground(true);
}

QLabel* AboutWindow::addLabel(QLabel* label, const char* objectName, const QRect& pixels) {
    label->setParent(this);
    label->setObjectName(objectName);
    label->setGeometry(pixels);
    // Labels here read from their top-left corner and wrap inside their box.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    setTextColour(label, layout::kText);
    return label;
}

void AboutWindow::addHeading() {
    auto* title = new ClickableLabel(texts::kProgramName);
    addLabel(title, "Label5", layout::kTitleLabel.toPixels());
    leadsTo(title, texts::kSupportMail);
    title->setFont(fonts::make(layout::kTitleFont));
    connect(title, &ClickableLabel::clicked, this, [this] { followLink(texts::kSupportMail); });

    addLabel(new QLabel(texts::kProgramName), "Label2", layout::kNameLabel.toPixels());
    addLabel(new QLabel(tr(texts::kVersion)), "Label3", layout::kVersionLabel.toPixels())
        ->setAccessibleName(tr(texts::kVersionSpoken));

    auto* webPage = new ClickableLabel(texts::kProductPage);
    addLabel(webPage, "Label4", layout::kWebPageLabel.toPixels());
    leadsTo(webPage, texts::kProductPage);
    webPage->setCursor(applicationPointer::kCustomPointer);
    connect(webPage, &ClickableLabel::clicked, this, [this] { followLink(texts::kProductPage); });
}

void AboutWindow::addHowToPlay() {
    auto* box = new QPlainTextEdit(this);
    box->setObjectName("Text1");
    box->setGeometry(layout::kHowToPlayBox.toPixels());
    box->setFont(fonts::make(layout::kHowToPlayFont));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Read-only, yet the player can still select and copy the text.
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    box->setPlainText(tr(texts::kHowToPlay));
}

void AboutWindow::addSupportLine() {
    auto* question = addLabel(new QLabel(tr(texts::kSupportQuestion)), "Label1",
                              layout::kQuestionLabel.toPixels());
    question->setCursor(applicationPointer::kCustomPointer);

    auto* contact = new ClickableLabel(tr(texts::kContactUs));
    addLabel(contact, "Label7", layout::kContactLabel.toPixels());
    leadsTo(contact, texts::kMakerHomePage);
    contact->setFont(fonts::make(layout::kContactFont));
    setTextColour(contact, layout::kContactText);
    contact->setCursor(applicationPointer::kCustomPointer);
    connect(contact, &ClickableLabel::clicked, this, [this] { followLink(texts::kMakerHomePage); });
}

void AboutWindow::addFooter() {
    auto* rule = new QWidget(this);
    rule->setObjectName("Line1");
    rule->setGeometry(layout::kRule.toPixels());
    QPalette rulePalette = rule->palette();
    rulePalette.setColor(QPalette::Window, layout::kRuleColour);
    rule->setPalette(rulePalette);
    rule->setAutoFillBackground(true);

    auto* ok = new QPushButton(tr(texts::kOkButton), this);
    ok->setObjectName("cmdOK");
    ok->setGeometry(layout::kOkButton.toPixels());
    // Default button: Enter clicks it. Escape closes any dialog window.
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* copyright = addLabel(new QLabel(tr(texts::kCopyright)), "Label8",
                               layout::kCopyrightLabel.toPixels());
    copyright->setCursor(applicationPointer::kCustomPointer);
}

void AboutWindow::followLink(const char* link) {
    applicationPointer::showCustom();
    if (openLink_)
        openLink_(QUrl(QString::fromUtf8(link)));
}

void AboutWindow::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    move(keptOnScreen(centredTopLeftPixels(screen->geometry(), frameGeometry().size()),
                      screen->availableGeometry()));
}

void AboutWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnScreen();
    centredWithoutFrame_ = frameGeometry().size() == size();
}

void AboutWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    if (centredWithoutFrame_ && frameGeometry().size() != size()) {
        centredWithoutFrame_ = false;
        centreOnScreen();
    }
}

}  // namespace pelmora::about
