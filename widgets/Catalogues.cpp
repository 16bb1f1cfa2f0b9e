#include "widgets/Catalogues.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

#include "widgets/CatalogueFile.h"

namespace pelmora {
namespace {

const QString kOwnFolder = QStringLiteral(":/pelmora/i18n/");
const QString kOwnPrefix = QStringLiteral("pelmora_");
const QString kQtPrefix = QStringLiteral("qtbase_");
const QString kSuffix = QStringLiteral(".qm");

QString languageOf(const QString& name) { return name.section(QLatin1Char('_'), 0, 0).toLower(); }

}  // namespace

Catalogues::Catalogues(const QLocale& locale) {
    if (locale.language() == QLocale::C) return;  // as gettext: C means the program's own texts
    language_ = choose(locale.uiLanguages(), languages());
    if (language_.isEmpty()) return;
    if (own_.load(kOwnFolder + kOwnPrefix + language_ + kSuffix)) QCoreApplication::installTranslator(&own_);
    const QString qtCatalogue =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QLatin1Char('/') + kQtPrefix + language_ + kSuffix;
    if (auto bytes = catalogueFile::read(qtCatalogue)) {
        qtBytes_ = std::move(*bytes);
        if (qt_.load(reinterpret_cast<const uchar*>(qtBytes_.constData()), static_cast<int>(qtBytes_.size())))
            QCoreApplication::installTranslator(&qt_);
    }
}

Catalogues::~Catalogues() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&own_);
}

QStringList Catalogues::languages() {
    QStringList found;
    for (const QString& file : QDir(kOwnFolder).entryList({kOwnPrefix + QLatin1Char('*') + kSuffix}, QDir::Files,
                                                           QDir::Name))
        found << file.mid(kOwnPrefix.size(), file.size() - kOwnPrefix.size() - kSuffix.size());
    return found;
}

QString Catalogues::choose(const QStringList& uiLanguages, const QStringList& available) {
    for (QString wanted : uiLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (const QString& name : available)
            if (name.compare(wanted, Qt::CaseInsensitive) == 0) return name;
        const QString language = languageOf(wanted);
        if (language == QLatin1String("en")) return {};  // English comes before any other
        for (const QString& name : available)
            if (languageOf(name) == language) return name;
    }
    return {};
}

}  // namespace pelmora
