// Renders an SVG drawing to a picture of a given size, keeping its proportions and centring it:
//   render_svg IN.svg WIDTH HEIGHT OUT.png|OUT.raw
// Used at build time: the icons are installed as PNG, and the program shows its pictures from
// .raw files, premultiplied ARGB32 pixels row after row as a QImage holds them, which it shows
// without decoding anything or looking for image plugins.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int pixels(const char* text) {
    bool ok = false;
    const int value = QString::fromLocal8Bit(text).toInt(&ok);
    return ok && value > 0 ? value : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5 || pixels(argv[2]) == 0 || pixels(argv[3]) == 0) {
        std::fprintf(stderr, "usage: render_svg IN.svg WIDTH HEIGHT OUT.png|OUT.raw\n");
        return 2;
    }
    // Text in a drawing needs the fonts, and those an application object; no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_svg: cannot read the SVG file %s\n", argv[1]);
        return 1;
    }
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QImage image(pixels(argv[2]), pixels(argv[3]), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter);
    }
    const QString out = QString::fromLocal8Bit(argv[4]);
    if (out.endsWith(QLatin1String(".raw"))) {
        QFile file(out);
        const auto size = static_cast<qint64>(image.sizeInBytes());
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(image.constBits()), size) != size) {
            std::fprintf(stderr, "render_svg: cannot write %s\n", argv[4]);
            return 1;
        }
        return 0;
    }
    if (!image.save(out, "PNG")) {
        std::fprintf(stderr, "render_svg: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
