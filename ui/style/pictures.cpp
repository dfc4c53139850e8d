#include "ui/style/pictures.h"

#include "ui/style/deferred_icon.h"

#include <QApplication>
#include <QImage>
#include <QPixmapCache>
#include <QResource>

#include <memory>

namespace quarvel::ui {

QPixmap picture(const QString& name, QSize size) {
    // Twice the pixels on a screen of high density, where Qt shows them at half the size.
    const int scale = qApp->devicePixelRatio() > 1.0 ? 2 : 1;
    const QString file = QStringLiteral(":/images/%1%2.raw")
                             .arg(name, scale == 2 ? QStringLiteral("@2x") : QString());
    // A badge stands beside many tweaks: made once.
    QPixmap pixmap;
    if (!QPixmapCache::find(file, &pixmap)) {
        // The pixmap shows the pixels where they lie, unpacked from the program once: the image
        // keeps them for as long as it is shown.
        auto pixels = std::make_unique<QByteArray>(QResource(file).uncompressedData());
        const QSize pixelSize = size * scale;
        if (pixels->size() == pixelSize.width() * pixelSize.height() * 4) {
            const QImage image(
                reinterpret_cast<const uchar*>(pixels->constData()), pixelSize.width(),
                pixelSize.height(), QImage::Format_ARGB32_Premultiplied,
                [](void* unpacked) { delete static_cast<QByteArray*>(unpacked); }, pixels.get());
            pixels.release();
            pixmap = QPixmap::fromImage(image);
            pixmap.setDevicePixelRatio(scale);
        }
        QPixmapCache::insert(file, pixmap);
    }
    return pixmap;
}

QIcon programIcon() {
    // Made when the desktop first asks for it: some never show a window's icon.
    return deferredIcon([] {
        QIcon icon;
        for (const int size : {32, 64, 128}) {
            const QString name =
                size == 32 ? QStringLiteral("quarvel") : QStringLiteral("quarvel-%1").arg(size);
            icon.addPixmap(picture(name, QSize(size, size)));
        }
        return icon;
    });
}

} // namespace quarvel::ui
