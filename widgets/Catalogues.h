// The game in the player's language. The game's own catalogues are compiled
// in (":/pelmora/i18n/pelmora_<language>.qm", built from l10n/); Qt's
// catalogue for the texts Qt itself writes (a message box's button, the
// text box's menu, the names of accessible actions) is read from Qt's
// translations folder when it is installed.
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace pelmora {

class Catalogues {
public:
    // Installs the catalogues of the first of `locale`'s languages that the
    // game has; nothing under the C locale or when the player's languages
    // put English first. Must outlive every window built in its language.
    explicit Catalogues(const QLocale& locale);
    ~Catalogues();
    Catalogues(const Catalogues&) = delete;
    Catalogues& operator=(const Catalogues&) = delete;

    // The catalogue in use, as "de" or "pt_BR"; empty for English.
    const QString& language() const { return language_; }

    // Every catalogue the game has, as "de", ..., "pt_BR", in name order.
    static QStringList languages();

    // The catalogue for the player's languages in order of preference, as
    // QLocale::uiLanguages() gives them ("de-AT", "de", "en-US"...): the
    // first that the game has exactly, or else by its language alone
    // ("pt-PT" gets "pt_BR"); English, or none of them, gives "".
    static QString choose(const QStringList& uiLanguages, const QStringList& available);

private:
    QString language_;
    QTranslator own_;
    QTranslator qt_;
    QByteArray qtBytes_;  // QTranslator reads the catalogue in place
};

}  // namespace pelmora
