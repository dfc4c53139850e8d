#include "core/product.h"
#include "fake_dialogs.h"
#include "ui/QVLAbout.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using quarvel::ui::QVLAbout;

namespace {

QLabel* label(const QWidget* window, const char* name) {
    return window->findChild<QLabel*>(QLatin1String(name));
}

QUrl address(std::string_view text) {
    return QUrl(QString::fromUtf8(text));
}

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsNameCreditsAndDisclaimer() {
        FakeDialogs dialogs;
        QVLAbout window(dialogs);
        QCOMPARE(window.windowTitle(), QStringLiteral("[Quarvel Works] About"));
        QVERIFY(window.testAttribute(Qt::WA_DeleteOnClose));
        const QColor background = window.palette().color(QPalette::Window);
        QVERIFY(window.autoFillBackground());
        QVERIFY(background.lightness() > 200 && background.saturation() == 0 &&
                background != QColor(Qt::white));

        const std::pair<const char*, QString> texts[] = {
            {"Label1", QStringLiteral("QUARVEL WORKS")},
            {"Label2", QStringLiteral("v3.2")},
            {"Label7", QStringLiteral("Design by:")},
            {"Label3", QStringLiteral("Programming by:")},
            {"Label8", QStringLiteral("}")},
            {"Label9", QStringLiteral("Vellmar")},
            {"Label4", QStringLiteral("Special thanks to [in no particular order]:")},
            {"Label6", QString::fromUtf8(quarvel::product::webAddress)},
        };
        for (const auto& [name, text] : texts) {
            QVERIFY2(label(&window, name), name);
            QCOMPARE(label(&window, name)->text(), text);
        }
        QVERIFY(label(&window, "Label10")->text().size() > 40);
        QVERIFY(label(&window, "Label5")->text().contains(QStringLiteral("quarvel.cfg")));
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
                 QStringLiteral("CLOSE THIS WINDOW"));

        const QLabel* title = label(&window, "Label1");
        QVERIFY(title->font().bold());
        QCOMPARE(title->font().pointSizeF(), 24.0);
        const QColor orange = title->palette().color(QPalette::WindowText);
        QVERIFY(orange.red() == 255 && orange.green() > 100 && orange.green() < 180 &&
                orange.blue() == 0);
        QCOMPARE(label(&window, "Label2")->palette().color(QPalette::WindowText), orange);
        QVERIFY(label(&window, "Label2")->font().pointSizeF() < 24.0);
        QCOMPARE(label(&window, "Label8")->font().pointSizeF(), 24.0);
        QVERIFY(label(&window, "Label8")->font().bold());
    }

    void linksOpenTheSiteAndTheDonationPage() {
        FakeDialogs dialogs;
        QVLAbout window(dialogs);
        window.show();
        QLabel* donate = label(&window, "Image1");
        QLabel* site = label(&window, "Label6");
        QVERIFY(!donate->pixmap().isNull());
        QCOMPARE(donate->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(site->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(site->font().bold() && site->font().pointSizeF() > 8.25);

        QTest::mouseClick(donate, Qt::LeftButton);
        QTest::mouseClick(site, Qt::LeftButton);
        site->setFocus();
        QTest::keyClick(site, Qt::Key_Return);
        QCOMPARE(dialogs.openedUrls, (std::vector<QUrl>{address(quarvel::product::donationPage),
                                                        address(quarvel::product::webAddress),
                                                        address(quarvel::product::webAddress)}));
        QVERIFY(dialogs.shown.empty());
    }

    void closeButtonClosesTheWindow() {
        FakeDialogs dialogs;
        QPointer<QVLAbout> window = new QVLAbout(dialogs);
        window->show();
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return window.isNull(); }, 2000));
        QVERIFY(dialogs.openedUrls.empty());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
