// The About window: its two links and its close button.

#include "core/product.h"
#include "fake_dialogs.h"
#include "ui/QVLAbout.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using quarvel::ui::QVLAbout;

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void linksOpenTheirPagesAndTheButtonCloses() {
        FakeDialogs dialogs;
        QPointer<QVLAbout> window = new QVLAbout(dialogs);
        window->show();
        QTest::mouseClick(window->findChild<QLabel*>(QStringLiteral("Image1")), Qt::LeftButton);
        QTest::mouseClick(window->findChild<QLabel*>(QStringLiteral("Label6")), Qt::LeftButton);
        const auto address = [](std::string_view text) { return QUrl(QString::fromUtf8(text)); };
        QCOMPARE(dialogs.openedUrls, (std::vector<QUrl>{address(quarvel::product::donationPage),
                                                        address(quarvel::product::webAddress)}));

        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return window.isNull(); }, 2000));
        QCOMPARE(dialogs.openedUrls.size(), 2U);
        QVERIFY(dialogs.shown.empty());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
