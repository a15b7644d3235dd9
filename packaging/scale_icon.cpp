// nerilo-scale-icon SOURCE SIZE OUTPUT: scales the 32-pixel player picture to one
// icon size. Nearest neighbour keeps the pixel art's hard edges at every size
// (a smooth filter would blur them); the package's icons are made from the one
// picture at build time so they never drift from it.
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: nerilo-scale-icon SOURCE SIZE OUTPUT\n");
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    const int size = std::atoi(argv[2]);
    if (source.isNull() || size <= 0) {
        std::fprintf(stderr, "nerilo-scale-icon: cannot read %s or bad size %s\n", argv[1], argv[2]);
        return 1;
    }
    const QImage icon = source.convertToFormat(QImage::Format_ARGB32)
                            .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return icon.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
