// The few texts that only the page shows, for the parts of a window that a
// desktop's window manager draws there: kept with the game's catalogues,
// exported with the layout in every language.
#pragma once

#include <QtGlobal>

namespace pelmora::webexport::pageTexts {

inline constexpr char kContext[] = "pelmora::webexport::PageTexts";
//: The close box of a window drawn in the page, as a screen reader names it.
inline constexpr const char* kClose = QT_TRANSLATE_NOOP("pelmora::webexport::PageTexts", "Close");
//: What the page shows once Quit has ended the game; %1 is the game's name.
inline constexpr const char* kEnded = QT_TRANSLATE_NOOP("pelmora::webexport::PageTexts", "%1 has ended.");

}  // namespace pelmora::webexport::pageTexts
