#include "core/product.h"
#include "fake_dialogs.h"
#include "ui/QVLModels.h"
#include "ui/QVLWeapons.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using quarvel::ui::ModelWizard;

namespace {

// The two wizards differ only in these.
struct Wizard {
    const char* caption;
    QString suffix;
    const char* models;
    const char* removeStep;
    std::string_view pack;
    ModelWizard* (*make)(FakeDialogs&);
};

const Wizard wizards[] = {
    {"Hi FPS Player Models", QString(), "Player Models",
     "Right-click on the player folder and select Delete. Confirm the deletion.",
     quarvel::product::playerModelsPack,
     [](FakeDialogs& d) -> ModelWizard* { return new quarvel::ui::QVLModels(d); }},
    {"Hi FPS Weapon Models", QStringLiteral("2"), "Weapon Models",
     "Don't delete the .mdl files in the 'player' folder however.",
     quarvel::product::weaponModelsPack,
     [](FakeDialogs& d) -> ModelWizard* { return new quarvel::ui::QVLWeapons(d); }},
};

// A wizard on screen, with its controls found by the names the window gives them.
struct Opened {
    FakeDialogs dialogs;
    QPointer<ModelWizard> window;
    QString suffix;

    explicit Opened(const Wizard& wizard) : window(wizard.make(dialogs)), suffix(wizard.suffix) {
        window->show();
    }
    ~Opened() { delete window; }
    template <typename T> T* get(const QString& name) const {
        T* child = window->findChild<T*>(name);
        if (!child) {
            qFatal("no control %s", qPrintable(name));
        }
        return child;
    }
    QPushButton* button(const char* name) const {
        return get<QPushButton>(QLatin1String(name) + suffix);
    }
    QGroupBox* frame(const char* name) const {
        return get<QGroupBox>(QLatin1String(name) + suffix);
    }
    QRadioButton* choice(int index) const {
        return get<QRadioButton>(QStringLiteral("optInstall_%1").arg(index));
    }
    QString step() const { return get<QLineEdit>(QStringLiteral("txtStep") + suffix)->text(); }
    void click(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    // Which of the three frames shows, and which buttons can be pressed.
    QString state() const {
        QString shown;
        for (const char* name : {"framInstall", "framDownload", "framRemove"}) {
            if (frame(name)->isVisible()) {
                shown += QLatin1String(name) + QLatin1Char(' ');
            }
        }
        for (const char* name : {"cmdCancel", "cmdBack", "cmdNext", "cmdFinish"}) {
            if (button(name)->isEnabled()) {
                shown += QLatin1String(name) + QLatin1Char(' ');
            }
        }
        return shown.trimmed();
    }
};

QStringList labelTexts(const QWidget* parent) {
    QStringList texts;
    for (const QLabel* label : parent->findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts;
}

} // namespace

class ModelWizardsTest : public QObject {
    Q_OBJECT

    static void eachWizard() {
        QTest::addColumn<int>("which");
        QTest::newRow("player models") << 0;
        QTest::newRow("weapon models") << 1;
    }

private slots:
    void opensAtTheChoiceWithInstallSelected_data() { eachWizard(); }
    void opensAtTheChoiceWithInstallSelected() {
        QFETCH(int, which);
        const Wizard& wizard = wizards[which];
        Opened w(wizard);
        QCOMPARE(w.window->windowTitle(), QString::fromLatin1(wizard.caption));
        QVERIFY(w.window->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(w.state(), QStringLiteral("framInstall cmdCancel cmdNext"));
        QCOMPARE(w.step(), QStringLiteral("0"));
        QVERIFY(!w.get<QLineEdit>(QStringLiteral("txtStep") + wizard.suffix)->isVisible());
        QVERIFY(w.choice(1)->isChecked());
        QVERIFY(!w.choice(0)->isChecked());
        QCOMPARE(w.choice(0)->text(), QStringLiteral("Remove Hi FPS ") + wizard.models);
        QCOMPARE(w.choice(1)->text(), QStringLiteral("Install Hi FPS ") + wizard.models);
        QCOMPARE(w.frame("framInstall")->title(), QStringLiteral("[Step 1]"));
        QCOMPARE(w.frame("framDownload")->title(), QStringLiteral("[Step 2]"));
        QCOMPARE(w.frame("framRemove")->title(), QStringLiteral("[Step 2]"));
        QCOMPARE(w.button("cmdBack")->text(), QStringLiteral("< Back"));
        QCOMPARE(w.button("cmdNext")->text(), QStringLiteral("Next >"));
        QVERIFY(labelTexts(w.frame("framInstall"))
                    .contains(QStringLiteral("Choose what you want to do:")));
    }

    void removeThenBackKeepsTheChoice_data() { eachWizard(); }
    void removeThenBackKeepsTheChoice() {
        QFETCH(int, which);
        const Wizard& wizard = wizards[which];
        Opened w(wizard);
        QTest::mouseClick(w.choice(0), Qt::LeftButton);
        w.click("cmdNext");
        QCOMPARE(w.step(), QStringLiteral("1"));
        QCOMPARE(w.state(), QStringLiteral("framRemove cmdCancel cmdBack cmdFinish"));
        const QStringList removal = labelTexts(w.frame("framRemove"));
        QVERIFY(removal.contains(QString::fromLatin1(wizard.removeStep)));
        QVERIFY(removal.contains(QStringLiteral("ACCOUNT@NAME")));

        w.click("cmdBack");
        QCOMPARE(w.step(), QStringLiteral("0"));
        QCOMPARE(w.state(), QStringLiteral("framInstall cmdCancel cmdNext"));
        QVERIFY(w.choice(0)->isChecked());

        QTest::mouseClick(w.choice(1), Qt::LeftButton);
        w.click("cmdNext");
        QCOMPARE(w.state(), QStringLiteral("framDownload cmdCancel cmdBack cmdFinish"));
        const QStringList download = labelTexts(w.frame("framDownload"));
        QVERIFY(download.contains(QStringLiteral("to start downloading the Hi FPS")));
        QVERIFY(download.contains(QString::fromLatin1(wizard.models) + QLatin1Char('.')));
        QVERIFY(w.dialogs.openedUrls.empty());

        // A step text the wizard does not know leaves the window as it is.
        w.get<QLineEdit>(QStringLiteral("txtStep") + wizard.suffix)->setText(QStringLiteral("x"));
        QCOMPARE(w.state(), QStringLiteral("framDownload cmdCancel cmdBack cmdFinish"));
    }

    void clickHereOpensThePack_data() { eachWizard(); }
    void clickHereOpensThePack() {
        QFETCH(int, which);
        const Wizard& wizard = wizards[which];
        Opened w(wizard);
        w.click("cmdNext");
        auto* link = w.get<QLabel>(QStringLiteral("Label2"));
        QCOMPARE(link->text(), QStringLiteral("Click here"));
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);

        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(w.dialogs.openedUrls.size(), 1U);
        QCOMPARE(w.dialogs.openedUrls[0], QUrl(QString::fromUtf8(wizard.pack)));
        // The same by keyboard.
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Space);
        QCOMPARE(w.dialogs.openedUrls.size(), 2U);
        QVERIFY(!w.window.isNull());
    }

    void finishAndCancelClose_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("how");
        for (int which : {0, 1}) {
            for (const char* how : {"cmdCancel", "cmdFinish", "Escape"}) {
                QTest::addRow("%s %s", wizards[which].models, how) << which << QString(how);
            }
        }
    }
    void finishAndCancelClose() {
        QFETCH(int, which);
        QFETCH(QString, how);
        Opened w(wizards[which]);
        if (how == QLatin1String("cmdFinish")) {
            w.click("cmdNext");
        }
        if (how == QLatin1String("Escape")) {
            QTest::keyClick(w.window, Qt::Key_Escape);
        } else {
            w.click(how.toLatin1().constData());
        }
        QVERIFY(QTest::qWaitFor([&] { return w.window.isNull(); }, 2000));
        QVERIFY(w.dialogs.openedUrls.empty());
        QVERIFY(w.dialogs.shown.empty());
    }

    void theTwoWizardsAreIndependent() {
        Opened players(wizards[0]);
        Opened weapons(wizards[1]);
        players.click("cmdNext");
        QCOMPARE(players.state(), QStringLiteral("framDownload cmdCancel cmdBack cmdFinish"));
        QCOMPARE(weapons.state(), QStringLiteral("framInstall cmdCancel cmdNext"));
    }
};

QTEST_MAIN(ModelWizardsTest)
#include "model_wizards_test.moc"
