// The two model wizards, stepped through with the mouse and the keyboard.

#include "core/product.h"
#include "fake_dialogs.h"
#include "ui/wizards/pack_wizard.h"
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
        window_ = weapons ? static_cast<ModelWizard*>(new quarvel::ui::WeaponsWizard(dialogs_))
                          : new quarvel::ui::ModelsWizard(dialogs_);
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
        QStringList shown;
        for (const char* name : {"framInstall", "framDownload", "framRemove", "cmdCancel",
                                 "cmdBack", "cmdNext", "cmdFinish"}) {
            const auto& widget = get<QWidget>(name + suffix_);
            if (name[0] == 'f' ? widget.isVisible() : widget.isEnabled()) {
                shown << QLatin1String(name);
            }
        }
        return shown.join(QLatin1Char(' '));
    }

private slots:
    void cleanup() { delete window_; }

    void aWizardStepsThroughBothChoicesAndClosesWithEscapeOrCancel_data() {
        QTest::addColumn<bool>("weapons");
        QTest::newRow("player models") << false;
        QTest::newRow("weapon models") << true;
    }
    void aWizardStepsThroughBothChoicesAndClosesWithEscapeOrCancel() {
        QFETCH(bool, weapons);
        open(weapons);
        // Enter presses the default button, which has the focus: Next, then Finish.
        QTRY_VERIFY(button("cmdNext").hasFocus());
        QVERIFY(button("cmdNext").isDefault());
        const QString choosing = QStringLiteral("framInstall cmdCancel cmdNext");
        QCOMPARE(state(), choosing);
        QVERIFY(get<QRadioButton>(QStringLiteral("optInstall_1")).isChecked());
        QTest::keyClick(window_, Qt::Key_Return);
        QCOMPARE(state(), QStringLiteral("framDownload cmdCancel cmdBack cmdFinish"));
        QVERIFY(button("cmdFinish").isDefault());
        click(get<QLabel>(QStringLiteral("Label2")));
        const auto pack =
            weapons ? quarvel::product::weaponModelsPack : quarvel::product::playerModelsPack;
        QCOMPARE(dialogs_.openedUrls, std::vector{QUrl(qs(pack))});

        click(button("cmdBack"));
        QCOMPARE(state(), choosing);
        choose(0);
        click(button("cmdNext"));
        QCOMPARE(state(), QStringLiteral("framRemove cmdCancel cmdBack cmdFinish"));
        click(button("cmdFinish"));
        QVERIFY(closed());
        // Escape and Cancel close it, and open nothing.
        for (const bool escape : {false, true}) {
            open(weapons);
            escape ? QTest::keyClick(window_, Qt::Key_Escape) : click(button("cmdCancel"));
            QVERIFY(closed() && dialogs_.openedUrls.empty());
        }
    }

    // The steps name the player's own folder as his system writes it, and never tell him to
    // delete the game's files; a Steam game gets them back through Steam.
    void theStepsSpeakOfThePlayersGameOnHisSystem_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("steam");
        using quarvel::ui::HostSystem;
        const QString steam = QStringLiteral("C:/Games/Steam/steamapps/common/Half-Life/cstrike");
        QTest::newRow("Steam, Windows")
            << steam << int(HostSystem::Windows)
            << QStringLiteral("C:\\Games\\Steam\\steamapps\\common\\Half-Life\\cstrike") << true;
        QTest::newRow("Steam, Linux")
            << "/home/p/.local/share/Steam/steamapps/common/Half-Life/cstrike"
            << int(HostSystem::Linux)
            << "/home/p/.local/share/Steam/steamapps/common/Half-Life/cstrike" << true;
        QTest::newRow("retail, Windows")
            << "C:/Sierra/Half-Life/cstrike" << int(HostSystem::Windows)
            << "C:\\Sierra\\Half-Life\\cstrike" << false;
        QTest::newRow("retail, Linux")
            << "/home/p/Games/Half-Life/cstrike" << int(HostSystem::Linux)
            << "/home/p/Games/Half-Life/cstrike" << false;
    }
    void theStepsSpeakOfThePlayersGameOnHisSystem() {
        QFETCH(QString, game);
        QFETCH(int, system);
        QFETCH(QString, folder);
        QFETCH(bool, steam);
        const auto host = static_cast<quarvel::ui::HostSystem>(system);
        for (const bool weapons : {false, true}) {
            const quarvel::ui::ModelWizardTexts texts =
                weapons ? quarvel::ui::WeaponsWizard::texts() : quarvel::ui::ModelsWizard::texts();
            const auto steps =
                quarvel::ui::modelSteps(texts, std::filesystem::path(game.toStdString()), host);
            QCOMPARE(steps.folder, folder);
            QVERIFY(steps.browse.contains(host == quarvel::ui::HostSystem::Windows
                                              ? QStringLiteral("File Explorer")
                                              : QStringLiteral("file manager")));
            const QString remove = steps.remove.join(QLatin1Char(' '));
            QCOMPARE(remove.contains(QStringLiteral("\"Verify integrity of game files\"")), steam);
            QVERIFY(remove.contains(host == quarvel::ui::HostSystem::Windows
                                        ? (weapons ? "models" : "models\\player")
                                        : (weapons ? "models" : "models/player")));
            QCOMPARE(steps.before.isEmpty(), steam); // a copy of what the pack replaces, first
            QVERIFY(!remove.contains(QStringLiteral("Delete ")) &&
                    remove.contains(QStringLiteral("Do not delete")));
        }
        const auto none = quarvel::ui::modelSteps(quarvel::ui::ModelsWizard::texts(), std::nullopt,
                                                  quarvel::ui::HostSystem::Linux);
        QVERIFY(none.folder.isEmpty() && none.browse.contains(QStringLiteral("found no")));
    }

    // Opened again in the run, a wizard has the size the player gave it.
    void aWizardOpensAgainAtItsSize() {
        for (const bool weapons : {false, true}) {
            open(weapons);
            QVERIFY(QTest::qWaitForWindowExposed(window_));
            const QSize resized = window_->size() + QSize(40, 30);
            window_->resize(resized);
            window_->close();
            QVERIFY(closed());
            open(weapons);
            QCOMPARE(window_->size(), resized);
        }
    }
};

QTEST_MAIN(SmallWindowsTest)
#include "small_windows_test.moc"
