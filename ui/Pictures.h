// The game's pictures, compiled in as resources, each in two resolutions:
// the double-size drawing serves screens where a logical pixel is two or more
// device pixels, so the window stays sharp at 200 % and when it moves
// between screens.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace pelmora {

// A picture the build compiled in raw (ui/RawPictureFormat.h), painted from
// in place; null if it is not one.
QPixmap rawPicture(const QString& path);

class Picture {
public:
    // `name` without extension, e.g. "background", "b", "legend_r".
    explicit Picture(QString name);

    // The drawing for a screen of this device pixel ratio, loaded on first
    // use; its logical size is the same at every ratio.
    const QPixmap& at(qreal devicePixelRatio) const;
    QSize size() const { return at(1.0).deviceIndependentSize().toSize(); }
    const QString& name() const { return name_; }

private:
    QString name_;
    mutable QPixmap normal_;
    mutable QPixmap sharp_;
};

// A widget showing one picture unscaled from its top-left corner, over an
// optional fill, in the resolution of the screen it is on.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QString& name, QWidget* parent, QColor fill = Qt::transparent);
    // The picture's name, as given.
    const QString& pictureName() const { return picture_.name(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
    QColor fill_;
};

}  // namespace pelmora
