// The page in the player's language: what a language's layout says
// differently from the English one, to be laid over it by the page.
#pragma once

#include <QJsonValue>

namespace pelmora::webexport {

// The texts of `translated` that differ from `english`: strings that differ,
// objects by their keys, lists of named controls as an object by name. The
// layout itself (places, fonts, colours) must be the same in every
// language; a difference there ends the export. Undefined when nothing
// differs.
QJsonValue textsThatDiffer(const QJsonValue& english, const QJsonValue& translated);

}  // namespace pelmora::webexport
