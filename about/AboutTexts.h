// Every text the About window shows or opens, kept together so the window
// code only places them. The window shows the translatable ones through
// AboutWindow::tr (the player's language); the program's name and the
// links are the same in every language.
#pragma once

#include <QtGlobal>

namespace pelmora::about::texts {

inline constexpr char kCaption[] = QT_TRANSLATE_NOOP("pelmora::about::AboutWindow", "About Pelmora");
inline constexpr char kProgramName[] = "Pelmora";
inline constexpr char kVersion[] = QT_TRANSLATE_NOOP("pelmora::about::AboutWindow", "Version 1.0");
// The version line as a screen reader names it: one reads out only labels of
// three words or more when the window opens.
//: The version line as a screen reader reads it: the program's name, then
//: the version line's text.
inline constexpr char kVersionSpoken[] = QT_TRANSLATE_NOOP("pelmora::about::AboutWindow", "Pelmora, Version 1.0");
inline constexpr char kSupportQuestion[] =
    QT_TRANSLATE_NOOP("pelmora::about::AboutWindow", "Have questions?  Need technical support? ");
inline constexpr char kContactUs[] = QT_TRANSLATE_NOOP("pelmora::about::AboutWindow", "Contact us");
inline constexpr char kOkButton[] = QT_TRANSLATE_NOOP("pelmora::about::AboutWindow", "&OK");
inline constexpr char kCopyright[] =
    QT_TRANSLATE_NOOP("pelmora::about::AboutWindow", "Copyright \u00A9 2026 Pelmora Games");

// The three places the window's links lead to.
inline constexpr char kProductPage[] = "http://www.pelmora-games.example/pelmora";
inline constexpr char kSupportMail[] = "mailto:support@pelmora-games.example";
inline constexpr char kMakerHomePage[] = "http://www.pelmora-games.example/";

// The how-to-play text exactly as the game keeps it: every line, the last
// one too, ends in a carriage return and line feed.
//: The how-to-play text: every line must fit the text box's width, which
//: holds about 50 characters; end each line with a line break.
inline constexpr char kHowToPlay[] = QT_TRANSLATE_NOOP("pelmora::about::AboutWindow",
    "Welcome to: Pelmora\r\n"
    "--------------------------------------\r\n"
    "\r\n"
    "Usage Instructions:\r\n"
    "-------------------------------\r\n"
    "The object of the game is to click on\r\n"
    "sets of the same color in numbers of 2\r\n"
    "or more to clear sections of the game\r\n"
    "screen.\r\n"
    "\r\n"
    "You can advance levels by clicking on\r\n"
    "\"Level Up\" at the top of the window if\r\n"
    "your points match or exceed those\r\n"
    "pre-determined to qualify for the next\r\n"
    "difficulty level.\r\n"
    "\r\n"
    "If you get stuck you can select \"Reset\"\r\n"
    "from the file menu which will scatter the\r\n"
    "colored boxes in another order so as to\r\n"
    "make more moves possible.\r\n"
    "\r\n"
    "Good Luck! ;-)\r\n");

}  // namespace pelmora::about::texts
