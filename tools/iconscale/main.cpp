// Writes the hicolor icon sizes from the one large icon: iconscale <in.png> <out-dir> <size>...
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: iconscale <in.png> <out-dir> <size>...\n");
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    if (source.isNull()) {
        std::fprintf(stderr, "iconscale: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QImage scaled = source.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QString path = out.filePath(QString::number(size) + QStringLiteral(".png"));
        if (size <= 0 || !scaled.save(path, "PNG")) {
            std::fprintf(stderr, "iconscale: cannot write size %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
