#include "ui/GameWords.h"

#include <QCoreApplication>
#include <string_view>

#include "game/Game.h"

namespace pelmora::gameWords {
namespace {

constexpr char kContext[] = "pelmora::GameWords";

// The catalogue looks the rules' texts up by their English; these are the
// same texts, spelt out where lupdate finds them.
constexpr const char* kRefusalText = QT_TRANSLATE_NOOP("pelmora::GameWords", "You need more points!");
constexpr const char* kRefusalTitle = QT_TRANSLATE_NOOP("pelmora::GameWords", "Nope");
//: The label above the board; %1 is the points the next level needs.
constexpr const char* kNextLevel = QT_TRANSLATE_NOOP("pelmora::GameWords", "NEXT LEVEL: %1");

static_assert(std::string_view(kRefusalText) == Game::kRefusalText);
static_assert(std::string_view(kRefusalTitle) == Game::kRefusalTitle);
constexpr std::string_view kNextLevelPrefix = Game::kNextLevelPrefix;
static_assert(std::string_view(kNextLevel).substr(0, kNextLevelPrefix.size()) == kNextLevelPrefix &&
              std::string_view(kNextLevel).substr(kNextLevelPrefix.size()) == "%1");

}  // namespace

QString message(const std::string& rulesText) {
    return QCoreApplication::translate(kContext, rulesText.c_str());
}

QString status(const std::string& rulesText) {
    if (!rulesText.starts_with(kNextLevelPrefix)) return QString::fromStdString(rulesText);
    return QCoreApplication::translate(kContext, kNextLevel)
        .arg(QString::fromStdString(rulesText.substr(kNextLevelPrefix.size())));
}

}  // namespace pelmora::gameWords
