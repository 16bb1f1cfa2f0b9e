// Writes a picture again as binary PPM, which is read with a plain copy and
// no decompression; the build compiles the pictures shown at every start
// in this form (see assets/CMakeLists.txt).
// Usage: pelmora_rawpicture IN.png OUT.ppm
#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pelmora_rawpicture IN.png OUT.ppm\n");
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    // PPM has no transparency: a picture that needs it must stay a PNG.
    if (picture.isNull() || picture.hasAlphaChannel()) {
        std::fprintf(stderr, "pelmora_rawpicture: %s is not an opaque picture\n", argv[1]);
        return 1;
    }
    return picture.save(QString::fromLocal8Bit(argv[2]), "PPM") ? 0 : 1;
}
