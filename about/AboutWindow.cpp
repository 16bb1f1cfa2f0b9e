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

namespace pelmora::about {

namespace {

constexpr Qt::WindowFlags kFixedWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                              Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                              Qt::MSWindowsFixedSizeDialogHint;

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace

// A plain top-level window rather than a dialog type: it must not belong to
// the main window, so it stays open when the main window closes and counts
// as a window of its own when the program decides whether to end.
AboutWindow::AboutWindow(LinkOpener openLink)
    : QDialog(nullptr, kFixedWindowFlags), m_openLink(std::move(openLink)) {
    setUpWindow();
    addHeading();
    addHowToPlay();
    addSupportLine();
    addFooter();
}

void AboutWindow::setUpWindow() {
    setObjectName("frmAbout");
    setWindowTitle(texts::kCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips::size(layout::kClientWidth, layout::kClientHeight));
    setFont(fonts::make(layout::kWindowFontFamily, layout::kWindowFontPoints));

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
    title->setFont(fonts::make(layout::kTitleFontFamily, layout::kTitleFontPoints, QFont::Bold));
    connect(title, &ClickableLabel::clicked, this, [this] { followLink(texts::kSupportMail); });

    addLabel(new QLabel(texts::kProgramName), "Label2", layout::kNameLabel.toPixels());
    addLabel(new QLabel(texts::kVersion), "Label3", layout::kVersionLabel.toPixels());

    auto* webPage = new ClickableLabel(texts::kProductPage);
    addLabel(webPage, "Label4", layout::kWebPageLabel.toPixels());
    webPage->setCursor(applicationPointer::kCustomPointer);
    connect(webPage, &ClickableLabel::clicked, this, [this] { followLink(texts::kProductPage); });
}

void AboutWindow::addHowToPlay() {
    auto* box = new QPlainTextEdit(this);
    box->setObjectName("Text1");
    box->setGeometry(layout::kHowToPlayBox.toPixels());
    box->setFont(fonts::make(layout::kHowToPlayFontFamily, layout::kHowToPlayFontPoints));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Read-only, yet the player can still select and copy the text.
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    const QString text = QString::fromUtf8(texts::kHowToPlay);
    box->setPlainText(text);
    box->setProperty(kOriginalTextProperty, text);
}

void AboutWindow::addSupportLine() {
    auto* question = addLabel(new QLabel(texts::kSupportQuestion), "Label1",
                              layout::kQuestionLabel.toPixels());
    question->setCursor(applicationPointer::kCustomPointer);

    auto* contact = new ClickableLabel(texts::kContactUs);
    addLabel(contact, "Label7", layout::kContactLabel.toPixels());
    contact->setFont(
        fonts::make(layout::kContactFontFamily, layout::kContactFontPoints, QFont::Bold));
    setTextColour(contact, layout::kContactText);
    contact->setCursor(applicationPointer::kCustomPointer);
    connect(contact, &ClickableLabel::clicked, this, [this] { followLink(texts::kMakerHomePage); });
}

void AboutWindow::addFooter() {
    auto* rule = new QWidget(this);
    rule->setObjectName("Line1");
    rule->setGeometry(twips::rect(layout::kRuleLeft, layout::kRuleTop,
                                  layout::kRuleRight - layout::kRuleLeft,
                                  layout::kRuleThickness));
    QPalette rulePalette = rule->palette();
    rulePalette.setColor(QPalette::Window, layout::kRule);
    rule->setPalette(rulePalette);
    rule->setAutoFillBackground(true);

    auto* ok = new QPushButton(texts::kOkButton, this);
    ok->setObjectName("cmdOK");
    ok->setGeometry(layout::kOkButton.toPixels());
    // Default button: Enter clicks it. Escape closes any dialog window.
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* copyright = addLabel(new QLabel(QString::fromUtf8(texts::kCopyright)), "Label8",
                               layout::kCopyrightLabel.toPixels());
    copyright->setCursor(applicationPointer::kCustomPointer);
}

void AboutWindow::followLink(const char* link) {
    applicationPointer::showCustom();
    if (m_openLink)
        m_openLink(QUrl(QString::fromUtf8(link)));
}

void AboutWindow::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    move(centredTopLeftPixels(screen->geometry(), frameGeometry().size()));
}

void AboutWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnScreen();
    m_centredWithoutFrame = frameGeometry().size() == size();
}

void AboutWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    if (m_centredWithoutFrame && frameGeometry().size() != size()) {
        m_centredWithoutFrame = false;
        centreOnScreen();
    }
}

}  // namespace pelmora::about
