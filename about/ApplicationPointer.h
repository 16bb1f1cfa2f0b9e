// The application-wide mouse pointer. The game's custom pointer has no
// picture of its own, so it shows as the desktop's ordinary arrow.
#pragma once

#include <Qt>

namespace pelmora::about::applicationPointer {

inline constexpr Qt::CursorShape kCustomPointer = Qt::ArrowCursor;

// Puts the custom pointer over the whole application and leaves it there.
// Setting it again replaces the pointer instead of stacking another one, so
// a single restore always brings back the normal pointers.
void showCustom();

}  // namespace pelmora::about::applicationPointer
