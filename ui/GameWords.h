// The texts the rules write themselves, as the window shows them: in the
// player's language. The rules keep their English, which they and the
// tests read back; only what reaches the screen is translated.
#pragma once

#include <QString>
#include <string>

namespace pelmora::gameWords {

// The refusal's message or title in the player's language; any other text
// as it is.
QString message(const std::string& rulesText);

// A status label's text: "NEXT LEVEL: " and its number in the player's
// language, any other text (the numbers) as it is.
QString status(const std::string& rulesText);

}  // namespace pelmora::gameWords
