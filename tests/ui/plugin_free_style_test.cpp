// The style the program starts with draws the main window's group box frames and menu bar as
// Fusion does, and loads none of Qt's image plugins to do it.

#include "ui/style/plugin_free_style.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QMenuBar>
#include <QStyleFactory>
#include <QToolButton>
#include <QtTest>

#include <memory>

using quarvel::ui::PluginFreeStyle;

namespace {

// Qt's image plugins lie in a folder of their own.
bool imagePluginLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

QImage drawn(QWidget& widget, QStyle* style) {
    widget.setStyle(style);
    return widget.grab().toImage();
}

} // namespace

class PluginFreeStyleTest : public QObject {
    Q_OBJECT

private slots:
    void drawsAsFusionDoesWithoutImagePlugins() {
        QVERIFY(!imagePluginLoaded());
        QApplication::setStyle(
            new PluginFreeStyle(QStyleFactory::create(QStringLiteral("fusion"))));
        QMenuBar bar;
        // A titled frame, one without a title, and one that can be turned off.
        std::vector<std::unique_ptr<QGroupBox>> frames;
        for (const QString& title :
             {QStringLiteral("Description"), QString(), QStringLiteral("On")}) {
            frames.push_back(std::make_unique<QGroupBox>(title));
            frames.back()->setCheckable(title == QStringLiteral("On"));
            frames.back()->resize(160, 90);
        }
        std::vector<QImage> ours;
        for (const auto& frame : frames) {
            ours.push_back(drawn(*frame, QApplication::style()));
        }
        QVERIFY(!imagePluginLoaded());

        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
        for (std::size_t at = 0; at < frames.size(); ++at) {
            QCOMPARE(ours[at], drawn(*frames[at], fusion.get()));
        }
        const auto* extension = bar.findChild<QToolButton*>();
        QVERIFY(extension != nullptr);
        const QIcon expected =
            fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, &bar);
        QCOMPARE(extension->icon().availableSizes(), expected.availableSizes());
        for (const QSize size : expected.availableSizes()) {
            QCOMPARE(extension->icon().pixmap(size).toImage(), expected.pixmap(size).toImage());
        }
    }
};

QTEST_MAIN(PluginFreeStyleTest)
#include "plugin_free_style_test.moc"
