#include "game/StatusTexts.h"

namespace pelmora {

std::string wholeNumberText(std::int64_t value) { return std::to_string(value); }

}  // namespace pelmora
