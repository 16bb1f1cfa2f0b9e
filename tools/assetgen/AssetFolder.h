// The folder the generated files go to. Every picture is checked against the
// size the game expects before it is written, and every picture and the SVG
// are remembered for the resource list written last.
#pragma once

#include <QDir>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace pelmora::assetgen {

class AssetFolder {
public:
    explicit AssetFolder(const QString& path);

    // Writes `name`.png, or `name`@2x.png at scale 2; `designSize` is the
    // size at scale 1. Throws if the picture is not exactly that size times
    // the scale.
    void writePicture(const QString& name, const QImage& image, QSize designSize, int scale);

    void writeText(const QString& fileName, const QString& text, bool listAsResource);

    void writeSound(const QString& fileName, const std::vector<double>& samples);

    // Writes the resource list naming every picture and SVG written so far.
    void writeResourceList(const QString& fileName, const QString& prefix);

private:
    QString filePath(const QString& fileName) const;

    QDir dir_;
    QStringList resources_;
};

}  // namespace pelmora::assetgen
