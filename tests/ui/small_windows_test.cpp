// The two model wizards and the About window, stepped through with the mouse and the keyboard.

#include "core/product.h"
#include "fake_dialogs.h"
#include "ui/QVLAbout.h"
#include "ui/QVLModels.h"
#include "ui/QVLWeapons.h"
#include "window_support.h"

using quarvel::ui::ModelWizard;
using window_support::qs;

class SmallWindowsTest : public QObject {
    Q_OBJECT

    FakeDialogs dialogs_;
    QPointer<ModelWizard> window_;
    QString suffix_; // of the names of the weapon wizard's frames and buttons

    void open(bool weapons) {
        dialogs_ = FakeDialogs();
        window_ = weapons ? static_cast<ModelWizard*>(new quarvel::ui::QVLWeapons(dialogs_))
                          : new quarvel::ui::QVLModels(dialogs_);
        suffix_ = weapons ? QStringLiteral("2") : QString();
        window_->show();
    }
    template <typename T> T& get(const QString& name) const {
        return window_support::child<T>(*window_, name);
    }
    QPushButton& button(const char* name) const { return get<QPushButton>(name + suffix_); }
    bool closed() {
        return QTest::qWaitFor([&] { return window_.isNull(); }, 2000) && dialogs_.shown.empty();
    }
    void click(QWidget& control) { QTest::mouseClick(&control, Qt::LeftButton); }
    void choose(int index) { click(get<QRadioButton>(QStringLiteral("optInstall_%1").arg(index))); }
    // Which of the three frames shows, and which buttons can be pressed.
    QString state() const {
        QString shown;
        for (const char* name : {"framInstall", "framDownload", "framRemove"}) {
            if (get<QGroupBox>(name + suffix_).isVisible()) {
                shown += QLatin1String(name) + QLatin1Char(' ');
            }
        }
        for (const char* name : {"cmdCancel", "cmdBack", "cmdNext", "cmdFinish"}) {
            if (button(name).isEnabled()) {
                shown += QLatin1String(name) + QLatin1Char(' ');
            }
        }
        return shown.trimmed();
    }

private slots:
    void cleanup() { delete window_; }

    void aWizardStepsThroughBothChoicesToFinish_data() {
        QTest::addColumn<bool>("weapons");
        QTest::newRow("player models") << false;
        QTest::newRow("weapon models") << true;
    }
    void aWizardStepsThroughBothChoicesToFinish() {
        QFETCH(bool, weapons);
        open(weapons);
        const QString choosing = QStringLiteral("framInstall cmdCancel cmdNext");
        QCOMPARE(state(), choosing);
        QVERIFY(get<QRadioButton>(QStringLiteral("optInstall_1")).isChecked());

        choose(0);
        click(button("cmdNext"));
        QCOMPARE(state(), QStringLiteral("framRemove cmdCancel cmdBack cmdFinish"));
        click(button("cmdBack"));
        QCOMPARE(state(), choosing);
        QVERIFY(get<QRadioButton>(QStringLiteral("optInstall_0")).isChecked());

        choose(1);
        click(button("cmdNext"));
        QCOMPARE(state(), QStringLiteral("framDownload cmdCancel cmdBack cmdFinish"));
        QVERIFY(dialogs_.openedUrls.empty());
        click(get<QLabel>(QStringLiteral("Label2")));
        const auto pack =
            weapons ? quarvel::product::weaponModelsPack : quarvel::product::playerModelsPack;
        QCOMPARE(dialogs_.openedUrls, std::vector{QUrl(qs(pack))});
        click(button("cmdFinish"));
        QVERIFY(closed());
    }

    void aWizardStepsOnWithEnterAndClosesWithEscapeOrCancel() {
        // Enter presses the default button, which has the focus: Next, then Finish.
        open(false);
        QTRY_VERIFY(button("cmdNext").hasFocus());
        QVERIFY(button("cmdNext").isDefault());
        QTest::keyClick(window_, Qt::Key_Return);
        QCOMPARE(state(), QStringLiteral("framDownload cmdCancel cmdBack cmdFinish"));
        QVERIFY(button("cmdFinish").isDefault());
        QTest::keyClick(window_, Qt::Key_Return);
        QVERIFY(closed());
        open(true);
        click(button("cmdCancel"));
        QVERIFY(closed());
        open(true);
        QTest::keyClick(window_, Qt::Key_Escape);
        QVERIFY(closed());
        QVERIFY(dialogs_.openedUrls.empty());
    }

    void theAboutWindowsLinksOpenTheirPagesAndItsButtonCloses() {
        FakeDialogs dialogs;
        QPointer<QWidget> about = new quarvel::ui::QVLAbout(dialogs);
        about->show();
        click(window_support::child<QLabel>(*about, QStringLiteral("Image1")));
        click(window_support::child<QLabel>(*about, QStringLiteral("Label6")));
        QCOMPARE(dialogs.openedUrls, (std::vector{QUrl(qs(quarvel::product::donationPage)),
                                                  QUrl(qs(quarvel::product::webAddress))}));
        click(window_support::child<QPushButton>(*about, QStringLiteral("Command1")));
        QVERIFY(QTest::qWaitFor([&] { return about.isNull(); }, 2000));
        QVERIFY(dialogs.shown.empty());
    }
};

QTEST_MAIN(SmallWindowsTest)
#include "small_windows_test.moc"
