// Renders the program's picture (the SVG) at build time to the usual icon
// sizes: PNG files for the desktop entry, and the same pixels raw (RGBA,
// premultiplied, row after row) for the window icon, which then needs no
// image decoder and no image plugin at start-up.
//   velotar-icon SOURCE.svg OUTDIR SIZE...
//       writes OUTDIR/velotar-SIZE.png and OUTDIR/velotar-SIZE.rgba

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: velotar-icon SOURCE.svg OUTDIR SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QDir().mkpath(args[2]);
    for (const QString& sizeText : args.mid(3)) {
        const int size = sizeText.toInt();
        QImage image(size, size, QImage::Format_RGBA8888_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString base = QStringLiteral("%1/velotar-%2").arg(args[2]).arg(size);
        QFile raw(base + QStringLiteral(".rgba"));
        const bool rawWritten =
            raw.open(QIODevice::WriteOnly) &&
            raw.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) ==
                image.sizeInBytes() &&
            raw.flush();
        if (!rawWritten || !image.save(base + QStringLiteral(".png"))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(base));
            return 1;
        }
    }
    return 0;
}
