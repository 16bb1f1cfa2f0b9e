// The desktop entry, the AppStream data and the page's web app manifest in
// every language of the game, from the same catalogues as the windows.
//   pelmora_desktop_l10n extract OUT.cpp FILE...
//       writes their English texts as C++ that lupdate reads (contexts
//       "pelmora.desktop", "metainfo" and "manifest"), so the catalogues
//       carry them;
//   pelmora_desktop_l10n merge QM_DIR OUT_DIR FILE...
//       writes them again into OUT_DIR with the translations of
//       QM_DIR/pelmora_<language>.qm: a desktop entry or AppStream file with
//       each text followed by its translations (Key[de]=...,
//       <summary xml:lang="de">...); a manifest once per language, as
//       NAME.<language>.webmanifest (a manifest holds one language).
// Each FILE is known by its name: *.desktop, *.metainfo.xml, *.webmanifest.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr char kDesktopContext[] = "pelmora.desktop";
constexpr char kMetainfoContext[] = "metainfo";
constexpr char kManifestContext[] = "manifest";
// The keys of the desktop entry and the elements of the AppStream data
// that a player reads.
const QStringList kDesktopKeys = {"Name", "GenericName", "Comment", "Keywords"};
const QStringList kMetainfoElements = {"name", "summary", "p", "li", "keyword", "caption"};
// Both files are a few kilobytes; anything far larger is not one of them.
constexpr qint64 kLargestSourceBytes = 256 * 1024;

struct Language {
    QString code;  // "de", "pt_BR"
    std::unique_ptr<QTranslator> catalogue;
};

QByteArray readSource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestSourceBytes)
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// AppStream texts are compared with their white space collapsed.
QString collapsed(const QString& text) { return text.simplified(); }

// An element a player reads, in English (not yet translated). A <name>
// only as the component's own: the developer's is a name in every language.
bool isTranslatable(const QXmlStreamReader& xml, const QStringList& open) {
    return xml.isStartElement() && kMetainfoElements.contains(xml.name().toString()) &&
           xml.attributes().value("xml:lang").isEmpty() &&
           (xml.name() != u"name" || (!open.isEmpty() && open.last() == "component"));
}

// Keeps `open` as the elements the reader is inside of.
void track(const QXmlStreamReader& xml, QStringList& open) {
    if (xml.isStartElement()) open << xml.name().toString();
    if (xml.isEndElement()) open.removeLast();
}

// Each line of the desktop entry, with its key and value where it is one of
// the keys above.
template <typename Each>
void forEachDesktopText(const QByteArray& desktop, Each each) {
    static const QRegularExpression entry("^([A-Za-z]+)=(.*)$");
    QList<QByteArray> lines = desktop.split('\n');
    if (lines.last().isEmpty()) lines.removeLast();
    for (const QByteArray& line : lines) {
        const auto match = entry.match(QString::fromUtf8(line));
        each(QString::fromUtf8(line), match.hasMatch() && kDesktopKeys.contains(match.captured(1))
                                          ? std::optional<std::pair<QString, QString>>{{match.captured(1),
                                                                                        match.captured(2)}}
                                          : std::nullopt);
    }
}

QString cString(const QString& text) {
    QString quoted = text;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + quoted + '"';
}

QString extractDesktop(const QString& path) {
    QString out;
    forEachDesktopText(readSource(path), [&](const QString&, auto text) {
        if (!text) return;
        if (text->first == "Keywords")
            out += "//: Search words for the desktop's menu, each ended by a semicolon\n";
        out += QString("QT_TRANSLATE_NOOP(\"%1\", %2)\n").arg(kDesktopContext, cString(text->second));
    });
    return out;
}

QString extractMetainfo(const QString& path) {
    QString out;
    QXmlStreamReader xml(readSource(path));
    QStringList open;
    while (!xml.atEnd()) {
        xml.readNext();
        if (isTranslatable(xml, open))
            out += QString("QT_TRANSLATE_NOOP(\"%1\", %2)\n")
                       .arg(kMetainfoContext, cString(collapsed(xml.readElementText())));
        else
            track(xml, open);
    }
    if (xml.hasError()) qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return out;
}

QJsonObject readManifest(const QString& path) {
    const QJsonDocument manifest = QJsonDocument::fromJson(readSource(path));
    if (!manifest.isObject()) qFatal("%s is not a manifest", qPrintable(path));
    return manifest.object();
}

// The one text a player reads in a manifest: what an installed game is.
QString extractManifest(const QString& path) {
    return QString("QT_TRANSLATE_NOOP(\"%1\", %2)\n")
        .arg(kManifestContext, cString(readManifest(path)["description"].toString()));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray mergeDesktop(const QByteArray& desktop, const std::vector<Language>& languages) {
    QString out;
    forEachDesktopText(desktop, [&](const QString& line, auto text) {
        out += line + '\n';
        if (!text) return;
        for (const Language& language : languages) {
            const QString translated =
                language.catalogue->translate(kDesktopContext, text->second.toUtf8().constData());
            if (!translated.isEmpty()) out += QString("%1[%2]=%3\n").arg(text->first, language.code, translated);
        }
    });
    return out.toUtf8();
}

// Copies the AppStream file token by token; after each text a player reads,
// the same element again per language, at the same indentation.
QByteArray mergeMetainfo(const QByteArray& metainfo, const std::vector<Language>& languages) {
    QByteArray out;
    QXmlStreamReader in(metainfo);
    QXmlStreamWriter writer(&out);
    QString indentation;
    QStringList open;
    while (!in.atEnd()) {
        in.readNext();
        if (isTranslatable(in, open)) {
            const QString name = in.name().toString();
            const QXmlStreamAttributes attributes = in.attributes();
            const QString text = in.readElementText();
            writer.writeStartElement(name);
            writer.writeAttributes(attributes);
            writer.writeCharacters(text);
            writer.writeEndElement();
            for (const Language& language : languages) {
                const QString translated =
                    language.catalogue->translate(kMetainfoContext, collapsed(text).toUtf8().constData());
                if (translated.isEmpty()) continue;
                writer.writeCharacters(indentation);
                writer.writeStartElement(name);
                writer.writeAttribute("xml:lang", language.code);
                writer.writeCharacters(translated);
                writer.writeEndElement();
            }
            continue;
        }
        track(in, open);
        if (in.isCharacters() && in.isWhitespace()) indentation = in.text().toString();
        writer.writeCurrentToken(in);
        if (in.isStartDocument()) writer.writeCharacters("\n");  // the reader keeps no space outside the root
    }
    if (in.hasError()) qFatal("AppStream data: %s", qPrintable(in.errorString()));
    return out + '\n';
}

// A copy of the manifest per language: its description translated, its
// language named.
void mergeManifest(const QString& path, const std::vector<Language>& languages, const QDir& outDir) {
    const QJsonObject english = readManifest(path);
    for (const Language& language : languages) {
        QJsonObject translated = english;
        const QString code = QString(language.code).replace('_', '-');
        translated["lang"] = code;
        const QString description =
            language.catalogue->translate(kManifestContext, english["description"].toString().toUtf8().constData());
        if (!description.isEmpty()) translated["description"] = description;
        writeFile(outDir.filePath(QFileInfo(path).completeBaseName() + '.' + code + ".webmanifest"),
                  QJsonDocument(translated).toJson());
    }
}

int extract(const QString& outPath, const QStringList& files) {
    QString out = "// Written by pelmora_desktop_l10n for lupdate; not compiled.\n";
    for (const QString& file : files)
        out += file.endsWith(".desktop")         ? extractDesktop(file)
               : file.endsWith(".metainfo.xml") ? extractMetainfo(file)
                                                 : extractManifest(file);
    writeFile(outPath, out.toUtf8());
    return 0;
}

int merge(const QString& qmDir, const QString& outDir, const QStringList& files) {
    std::vector<Language> languages;
    for (const QString& file : QDir(qmDir).entryList({"pelmora_*.qm"}, QDir::Files, QDir::Name)) {
        Language language{file.mid(8, file.size() - 8 - 3), std::make_unique<QTranslator>()};
        if (!language.catalogue->load(QDir(qmDir).filePath(file))) qFatal("cannot load %s", qPrintable(file));
        languages.push_back(std::move(language));
    }
    for (const QString& file : files) {
        const QString out = QDir(outDir).filePath(QFileInfo(file).fileName());
        if (file.endsWith(".desktop"))
            writeFile(out, mergeDesktop(readSource(file), languages));
        else if (file.endsWith(".metainfo.xml"))
            writeFile(out, mergeMetainfo(readSource(file), languages));
        else
            mergeManifest(file, languages, QDir(outDir));
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args[1] == "extract") return extract(args[2], args.mid(3));
    if (args.size() >= 5 && args[1] == "merge") return merge(args[2], args[3], args.mid(4));
    std::fputs("usage: pelmora_desktop_l10n extract OUT.cpp FILE...\n"
               "       pelmora_desktop_l10n merge QM_DIR OUT_DIR FILE...\n",
               stderr);
    return 2;
}
