// frmAbout: the How to Play / About window. It explains the game, names the
// program and its version, and offers three links: the product's web page
// (Label4), a mail to support (the title, Label5) and the maker's home page
// ("Contact us", Label7). Closing it destroys it.
#pragma once

#include <QDialog>

#include "about/LinkOpener.h"

class QLabel;
class QPlainTextEdit;

namespace pelmora::about {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(LinkOpener openLink = desktopLinkOpener());

    // Moves the window, frame included, to the middle of the primary screen.
    void centreOnScreen();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void setUpWindow();
    void addHeading();
    void addHowToPlay();
    void addSupportLine();
    void addFooter();
    QLabel* addLabel(QLabel* label, const char* objectName, const QRect& pixels);
    void followLink(const char* link);

    LinkOpener openLink_;
    // The window system may add the frame only after the first show; until
    // then the window was centred by its bare size and is centred again once.
    bool centredWithoutFrame_ = false;
};

}  // namespace pelmora::about
