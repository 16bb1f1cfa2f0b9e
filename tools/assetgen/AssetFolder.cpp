#include "AssetFolder.h"

#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <stdexcept>

#include "WavWriter.h"

namespace pelmora::assetgen {

namespace {
// Double-size pictures follow Qt's naming, so Qt picks them on 200 % screens.
QString pictureFileName(const QString& name, int scale) {
    return scale == 1 ? name + ".png" : QStringLiteral("%1@%2x.png").arg(name).arg(scale);
}

std::runtime_error failure(const QString& what) { return std::runtime_error(what.toStdString()); }
}  // namespace

AssetFolder::AssetFolder(const QString& path) : dir_(path) {
    if (!dir_.exists() && !QDir().mkpath(path))
        throw failure("cannot create " + path);
}

QString AssetFolder::filePath(const QString& fileName) const { return dir_.filePath(fileName); }

void AssetFolder::writePicture(const QString& name, const QImage& image, QSize designSize,
                               int scale) {
    const QString fileName = pictureFileName(name, scale);
    const QSize expected = designSize * scale;
    if (image.size() != expected) {
        throw failure(QStringLiteral("%1 is %2 x %3, expected %4 x %5")
                          .arg(fileName)
                          .arg(image.width())
                          .arg(image.height())
                          .arg(expected.width())
                          .arg(expected.height()));
    }
    if (!image.save(filePath(fileName), "PNG"))
        throw failure("cannot write " + fileName);
    resources_ << fileName;
    std::printf("%-20s %4d x %d\n", qPrintable(fileName), image.width(), image.height());
}

void AssetFolder::writeText(const QString& fileName, const QString& text, bool listAsResource) {
    QFile file(filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw failure("cannot write " + fileName);
    file.write(text.toUtf8());
    if (listAsResource)
        resources_ << fileName;
    std::printf("%s\n", qPrintable(fileName));
}

void AssetFolder::writeSound(const QString& fileName, const std::vector<double>& samples) {
    writeMonoWav(filePath(fileName).toStdString(), samples);
    std::printf("%-20s %.3f s\n", qPrintable(fileName),
                static_cast<double>(samples.size()) / kSampleRate);
}

void AssetFolder::writeResourceList(const QString& fileName, const QString& prefix) {
    QString text = QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n");
    text += QStringLiteral("  <qresource prefix=\"%1\">\n").arg(prefix);
    for (const QString& resource : resources_)
        text += QStringLiteral("    <file>%1</file>\n").arg(resource);
    text += QStringLiteral("  </qresource>\n</RCC>\n");
    writeText(fileName, text, false);
}

}  // namespace pelmora::assetgen
