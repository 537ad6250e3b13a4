// Registers the compiled-in resources once and gives the program's icon.

#include "Resources.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QtGlobal>

void LoadUiResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(velotar);
        return true;
    }();
    (void)loaded;
}

QIcon ProgramIcon() {
    // The sizes a title bar and a task bar ask for, as raw pixels: reading
    // an image file would load every image plugin of the system first. The
    // large sizes are left to the desktop's icon theme.
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        const QByteArray pixels =
            QResource(QStringLiteral(":/velotar/icons/velotar-%1.rgba").arg(size)).uncompressedData();
        if (pixels.size() != qsizetype(size) * size * 4)
            continue;
        const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size,
                           QImage::Format_RGBA8888_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
