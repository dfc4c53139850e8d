// The two model wizards, stepped through with the mouse.

#include "core/product.h"
#include "fake_dialogs.h"
#include "ui/QVLModels.h"
#include "ui/QVLWeapons.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using quarvel::ui::ModelWizard;

namespace {

// The two wizards differ only in these.
struct Wizard {
    const char* caption;
    QString suffix; // of the names of the frames and buttons
    std::string_view pack;
    ModelWizard* (*make)(FakeDialogs&);
};

const Wizard wizards[] = {
    {"Hi FPS Player Models", QString(), quarvel::product::playerModelsPack,
     [](FakeDialogs& d) -> ModelWizard* { return new quarvel::ui::QVLModels(d); }},
    {"Hi FPS Weapon Models", QStringLiteral("2"), quarvel::product::weaponModelsPack,
     [](FakeDialogs& d) -> ModelWizard* { return new quarvel::ui::QVLWeapons(d); }},
};

} // namespace

class ModelWizardsTest : public QObject {
    Q_OBJECT

    FakeDialogs dialogs_;
    QPointer<ModelWizard> window_;
    QString suffix_;

    template <typename T> T* get(const QString& name) const {
        T* found = window_->findChild<T*>(name);
        if (!found) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }
    const Wizard& open(int which) {
        dialogs_ = FakeDialogs();
        window_ = wizards[which].make(dialogs_);
        suffix_ = wizards[which].suffix;
        window_->show();
        return wizards[which];
    }
    bool closed() {
        return QTest::qWaitFor([&] { return window_.isNull(); }, 2000) && dialogs_.shown.empty();
    }
    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    void click(const char* button) { click(get<QPushButton>(button + suffix_)); }
    void choose(int index) { click(get<QRadioButton>(QStringLiteral("optInstall_%1").arg(index))); }
    // Which of the three frames shows, and which buttons can be pressed.
    QString state() const {
        QString shown;
        for (const char* name : {"framInstall", "framDownload", "framRemove"}) {
            if (get<QGroupBox>(name + suffix_)->isVisible()) {
                shown += QLatin1String(name) + QLatin1Char(' ');
            }
        }
        for (const char* name : {"cmdCancel", "cmdBack", "cmdNext", "cmdFinish"}) {
            if (get<QPushButton>(name + suffix_)->isEnabled()) {
                shown += QLatin1String(name) + QLatin1Char(' ');
            }
        }
        return shown.trimmed();
    }

private slots:
    void cleanup() { delete window_; }

    void stepsThroughBothChoicesToFinish_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("player models") << 0;
        QTest::newRow("weapon models") << 1;
    }
    void stepsThroughBothChoicesToFinish() {
        QFETCH(int, which);
        const Wizard& wizard = open(which);
        QCOMPARE(window_->windowTitle(), QString::fromLatin1(wizard.caption));
        QCOMPARE(state(), QStringLiteral("framInstall cmdCancel cmdNext"));
        QVERIFY(get<QRadioButton>(QStringLiteral("optInstall_1"))->isChecked());

        choose(0);
        click("cmdNext");
        QCOMPARE(state(), QStringLiteral("framRemove cmdCancel cmdBack cmdFinish"));
        click("cmdBack");
        QCOMPARE(state(), QStringLiteral("framInstall cmdCancel cmdNext"));
        QVERIFY(get<QRadioButton>(QStringLiteral("optInstall_0"))->isChecked());

        choose(1);
        click("cmdNext");
        QCOMPARE(state(), QStringLiteral("framDownload cmdCancel cmdBack cmdFinish"));
        QVERIFY(dialogs_.openedUrls.empty());
        click(get<QLabel>(QStringLiteral("Label2")));
        QCOMPARE(dialogs_.openedUrls, std::vector<QUrl>{QUrl(QString::fromUtf8(wizard.pack))});

        click("cmdFinish");
        QVERIFY(closed());
    }

    void theKeyboardStepsThroughAndEscapeCloses() {
        // Enter presses the default button, which has the focus: Next, then Finish.
        open(0);
        QTRY_VERIFY(get<QPushButton>(QStringLiteral("cmdNext"))->hasFocus());
        QVERIFY(get<QPushButton>(QStringLiteral("cmdNext"))->isDefault());
        QTest::keyClick(window_, Qt::Key_Return);
        QCOMPARE(state(), QStringLiteral("framDownload cmdCancel cmdBack cmdFinish"));
        QVERIFY(get<QPushButton>(QStringLiteral("cmdFinish"))->isDefault());
        QTest::keyClick(window_, Qt::Key_Return);
        QVERIFY(closed());
        open(1);
        click("cmdCancel");
        QVERIFY(closed());
        open(1);
        QTest::keyClick(window_, Qt::Key_Escape);
        QVERIFY(closed());
        QVERIFY(dialogs_.openedUrls.empty());
    }
};

QTEST_MAIN(ModelWizardsTest)
#include "model_wizards_test.moc"
