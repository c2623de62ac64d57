// Writes the image of a .ico file as a PNG, so that the desktop icon of a given
// size is exactly the program's own icon. Usage: icontopng <in.ico> <out.png> <size>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: icontopng <in.ico> <out.png> <size>\n", stderr);
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    const int size = QString::fromLatin1(argv[3]).toInt();

    QImageReader reader(input, "ico");
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "icontopng: cannot read %s: %s\n", argv[1],
                     qPrintable(reader.errorString()));
        return 1;
    }
    // A rescaled picture would no longer be the program's icon, so refuse other sizes.
    if (image.width() != size || image.height() != size) {
        std::fprintf(stderr, "icontopng: %s is %dx%d, expected %dx%d\n", argv[1], image.width(),
                     image.height(), size, size);
        return 1;
    }
    if (!image.save(output, "png")) {
        std::fprintf(stderr, "icontopng: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
