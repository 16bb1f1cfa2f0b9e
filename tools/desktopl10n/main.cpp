// The desktop entry and the AppStream data in every language of the game,
// from the same catalogues as the windows.
//   pelmora_desktop_l10n extract DESKTOP METAINFO OUT.cpp
//       writes their English texts as C++ that lupdate reads (contexts
//       "pelmora.desktop" and "metainfo"), so the catalogues carry them;
//   pelmora_desktop_l10n merge DESKTOP METAINFO QM_DIR OUT_DIR
//       writes both files again into OUT_DIR, each text followed by its
//       translations (Key[de]=..., <summary xml:lang="de">...) from
//       QM_DIR/pelmora_<language>.qm.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// An element a player reads, in English (not yet translated).
bool isTranslatable(const QXmlStreamReader& xml) {
    return xml.isStartElement() && kMetainfoElements.contains(xml.name().toString()) &&
           xml.attributes().value("xml:lang").isEmpty();
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

int extract(const QString& desktopPath, const QString& metainfoPath, const QString& outPath) {
    QString out = "// Written by pelmora_desktop_l10n for lupdate; not compiled.\n";
    forEachDesktopText(readSource(desktopPath), [&](const QString&, auto text) {
        if (!text) return;
        if (text->first == "Keywords")
            out += "//: Search words for the desktop's menu, each ended by a semicolon\n";
        out += QString("QT_TRANSLATE_NOOP(\"%1\", %2)\n").arg(kDesktopContext, cString(text->second));
    });
    QXmlStreamReader xml(readSource(metainfoPath));
    while (!xml.atEnd()) {
        xml.readNext();
        if (isTranslatable(xml))
            out += QString("QT_TRANSLATE_NOOP(\"%1\", %2)\n")
                       .arg(kMetainfoContext, cString(collapsed(xml.readElementText())));
    }
    if (xml.hasError()) qFatal("%s: %s", qPrintable(metainfoPath), qPrintable(xml.errorString()));
    QFile file(outPath);
    return file.open(QIODevice::WriteOnly) && file.write(out.toUtf8()) == out.toUtf8().size() ? 0 : 1;
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
    while (!in.atEnd()) {
        in.readNext();
        if (isTranslatable(in)) {
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
        if (in.isCharacters() && in.isWhitespace()) indentation = in.text().toString();
        writer.writeCurrentToken(in);
        if (in.isStartDocument()) writer.writeCharacters("\n");  // the reader keeps no space outside the root
    }
    if (in.hasError()) qFatal("AppStream data: %s", qPrintable(in.errorString()));
    return out + '\n';
}

int merge(const QString& desktopPath, const QString& metainfoPath, const QString& qmDir, const QString& outDir) {
    std::vector<Language> languages;
    for (const QString& file : QDir(qmDir).entryList({"pelmora_*.qm"}, QDir::Files, QDir::Name)) {
        Language language{file.mid(8, file.size() - 8 - 3), std::make_unique<QTranslator>()};
        if (!language.catalogue->load(QDir(qmDir).filePath(file))) qFatal("cannot load %s", qPrintable(file));
        languages.push_back(std::move(language));
    }
    writeFile(QDir(outDir).filePath(QFileInfo(desktopPath).fileName()),
              mergeDesktop(readSource(desktopPath), languages));
    writeFile(QDir(outDir).filePath(QFileInfo(metainfoPath).fileName()),
              mergeMetainfo(readSource(metainfoPath), languages));
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == "extract") return extract(args[2], args[3], args[4]);
    if (args.size() == 6 && args[1] == "merge") return merge(args[2], args[3], args[4], args[5]);
    std::fputs("usage: pelmora_desktop_l10n extract DESKTOP METAINFO OUT.cpp\n"
               "       pelmora_desktop_l10n merge DESKTOP METAINFO QM_DIR OUT_DIR\n",
               stderr);
    return 2;
}
