// The install window writing into real directories: what the files hold is the engine's affair,
// here the window must hand over the text, ask before replacing and report what happened.

#include "config/script.h"
#include "core/engine.h"
#include "fake_dialogs.h"
#include "ui/QVLInstall.h"
#include "window_support.h"

#include <filesystem>

using quarvel::ui::QVLInstall;
using window_support::child;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void click(QWidget* window, const char* button) {
    QTest::mouseClick(&child<QAbstractButton>(*window, QLatin1String(button)), Qt::LeftButton);
}

bool closed(const QPointer<QVLInstall>& window) {
    return QTest::qWaitFor([&] { return window.isNull(); }, 2000);
}

// Still open a moment after the click.
bool stillOpen(const QPointer<QVLInstall>& window) {
    QTest::qWait(50);
    return !window.isNull() && window->isVisible();
}

QString plainText(QWidget* window) {
    return child<QPlainTextEdit>(*window, QStringLiteral("txtTweaks")).toPlainText();
}

} // namespace

class InstallWindowTest : public QObject {
    Q_OBJECT

    quarvel::Engine engine_; // the Default preset's lines
    FakeDialogs dialogs_;

    QPointer<QVLInstall> open(const QString& directory) {
        QPointer<QVLInstall> window = new QVLInstall(engine_.tweakLines(), dialogs_);
        window->setDirectory(directory);
        window->show();
        return window;
    }

private slots:
    void init() { dialogs_ = FakeDialogs(); }

    void gamesAreFoundWithoutWaitingAndAGameInAFolderOfAnyNameInstallsThere() {
        // The window is up while a slow search goes on.
        QSemaphore release;
        QVLInstall slow(engine_.tweakLines(), dialogs_, [&release] {
            release.acquire();
            return std::vector<quarvel::games::DetectedGame>{};
        });
        auto& slowList = child<QComboBox>(slow, QStringLiteral("cmbGames"));
        QCOMPARE(slowList.placeholderText(), QStringLiteral("Searching for games..."));
        QVERIFY(!slowList.isEnabled());
        release.release();
        QTRY_COMPARE(slowList.placeholderText(), QStringLiteral("No games found"));

        // A Portuguese folder name, and one whose bytes are no UTF-8 at all.
        for (const char* name : {"Jogos \xc3\x87\xc3\xa0", "cs\xff\xfe"}) {
            QTemporaryDir steam;
            const auto folder =
                std::filesystem::path(QFile::encodeName(steam.path()).toStdString()) / name;
            QVERIFY(std::filesystem::create_directory(folder));
            QPointer<QVLInstall> window = new QVLInstall(engine_.tweakLines(), dialogs_, [=] {
                return std::vector<quarvel::games::DetectedGame>{
                    {"Counter-Strike", folder, "cstrike"}};
            });
            window->show();
            auto& games = child<QComboBox>(*window, QStringLiteral("cmbGames"));
            QTRY_VERIFY(games.isEnabled());
            QCOMPARE(window->directory(), QDir::currentPath()); // no game is chosen at first
            // The player picks the game with the keyboard; the path field follows it.
            games.setFocus();
            QTest::keyClick(&games, Qt::Key_Down);
            click(window, "cmdInstall");
            QVERIFY(std::filesystem::is_regular_file(folder / "quarvel.cfg"));
            QVERIFY(std::filesystem::is_regular_file(folder / "autoexec.cfg"));
            QVERIFY(closed(window));
        }
    }

    void theFolderTreeAndThePathFieldChooseAndOnlyTheButtonInstalls() {
        QTemporaryDir games;
        const QString cstrike = games.filePath(QStringLiteral("cstrike"));
        const QString hidden = games.filePath(QStringLiteral(".wine/drive_c/Sierra/Half-Life/tfc"));
        QVERIFY(QDir().mkpath(cstrike) && QDir().mkpath(hidden));
        QPointer<QVLInstall> window = open(games.path());
        auto& tree = child<QTreeView>(*window, QStringLiteral("Dir1"));
        tree.setCurrentIndex(qobject_cast<QFileSystemModel*>(tree.model())->index(cstrike));
        QCOMPARE(window->directory(), cstrike);
        // Enter opens the folder, in the tree as in the path field; it installs nothing.
        tree.setFocus();
        QTest::keyClick(&tree, Qt::Key_Return);
        auto& path = child<QLineEdit>(*window, QStringLiteral("txtDirectory"));
        path.setFocus();
        QTest::keyClick(&path, Qt::Key_Return);
        QTest::qWait(50);
        QVERIFY(!QFile::exists(cstrike + QStringLiteral("/quarvel.cfg")));

        // A typed path, into a hidden folder; then one that is no folder is said to be none and
        // taken nowhere, even by the Install button.
        path.selectAll();
        QTest::keyClicks(&path, hidden);
        QTest::keyClick(&path, Qt::Key_Return);
        QCOMPARE(window->directory(), hidden);
        path.selectAll();
        QTest::keyClicks(&path, games.filePath(QStringLiteral("nowhere")));
        click(window, "cmdInstall");
        QVERIFY(child<QLabel>(*window, QStringLiteral("lblDirectoryProblem")).isVisible());
        QCOMPARE(window->directory(), hidden);
        QVERIFY(!QFile::exists(hidden + QStringLiteral("/quarvel.cfg")));
        QVERIFY(dialogs_.shown.empty());
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(closed(window));
    }

    void installsTheEditedTextAndAsksBeforeReplacingIt() {
        QTemporaryDir game;
        const QString script = game.filePath(QStringLiteral("quarvel.cfg"));
        const QString banner = QString::fromStdString(quarvel::echoBanner());
        const QString original = QString::fromStdString(quarvel::buildScript(engine_.tweakLines()));
        QPointer<QVLInstall> first = open(game.path());
        auto& text = child<QPlainTextEdit>(*first, QStringLiteral("txtTweaks"));
        text.setFocus();
        QTest::keyClick(&text, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(&text, Qt::Key_Return);
        QTest::keyClicks(&text, QStringLiteral("fps_max 101"));

        click(first, "cmdInstall"); // no question before the first install
        QCOMPARE(readAll(game.filePath(QStringLiteral("autoexec.cfg"))),
                 QByteArray("exec quarvel.cfg\r\n"));
        const QByteArray edited = readAll(script); // every line end CR LF
        QCOMPARE(edited, (original + "\r\nfps_max 101" + banner + "\r\n").toLatin1());
        QCOMPARE(dialogs_.shown.size(), 1U);
        QCOMPARE(dialogs_.shown[0].kind, QStringLiteral("information"));
        QVERIFY(dialogs_.shown[0].text.contains(QDir::toNativeSeparators(game.path())));
        // The window closes after the message; until it is gone the field shows the banner.
        QVERIFY(plainText(first).endsWith("fps_max 101" + QString(banner).replace("\r\n", "\n")));
        QVERIFY(closed(first));

        QPointer<QVLInstall> second = open(game.path());
        dialogs_.answers = {false};
        click(second, "cmdInstall");
        QCOMPARE(dialogs_.shown.back().kind, QStringLiteral("question"));
        QCOMPARE(dialogs_.shown.back().text,
                 QStringLiteral("Are you sure you want to overwrite your Quarvel Tweaks ?"));
        QCOMPARE(readAll(script), edited);
        QVERIFY(stillOpen(second));

        dialogs_.answers = {true};
        click(second, "cmdInstall");
        QCOMPARE(dialogs_.shown.size(), 4U);
        QCOMPARE(dialogs_.shown[3].kind, QStringLiteral("information"));
        QCOMPARE(readAll(script), (original + banner + "\r\n").toLatin1());
        QVERIFY(closed(second));
    }

    void aFailedInstallSaysWhyAndKeepsTheWindow() {
        QTemporaryDir game;
        const QString missing = game.filePath(QStringLiteral("missing/cstrike"));
        QPointer<QVLInstall> window = open(missing);
        const QString before = plainText(window);
        click(window, "cmdInstall");
        QCOMPARE(dialogs_.shown.size(), 1U);
        QCOMPARE(dialogs_.shown[0].kind, QStringLiteral("warning"));
        const QString& warning = dialogs_.shown[0].text;
        QVERIFY2(warning.contains(QDir::toNativeSeparators(missing + "/autoexec.cfg")),
                 qPrintable(warning));
        QVERIFY(stillOpen(window));
        QCOMPARE(plainText(window), before);
        delete window;
    }

    void runsAfterTheSavedSettingsChecksAndRemovesWhenAsked() {
        QTemporaryDir game;
        QPointer<QVLInstall> window = open(game.path());
        click(window, "chkUserconfig");
        click(window, "cmdInstall");
        QCOMPARE(readAll(game.filePath(QStringLiteral("userconfig.cfg"))),
                 QByteArray("exec quarvel.cfg\r\n"));
        QVERIFY(closed(window));

        window = open(game.path());
        click(window, "cmdCheck");
        QCOMPARE(dialogs_.shown.back().kind, QStringLiteral("information"));
        QCOMPARE(dialogs_.shown.back().text,
                 QStringLiteral("autoexec.cfg runs quarvel.cfg.\nuserconfig.cfg runs "
                                "quarvel.cfg.\nconfig.cfg is not there: the game has not saved "
                                "its settings here yet."));

        // No is the default answer: nothing is removed until the player says Yes.
        click(window, "cmdRemove");
        QCOMPARE(dialogs_.shown.back().kind, QStringLiteral("question"));
        QVERIFY(dialogs_.shown.back().text.contains(QDir::toNativeSeparators(game.path())));
        QVERIFY(QFile::exists(game.filePath(QStringLiteral("quarvel.cfg"))));
        dialogs_.answers = {true};
        click(window, "cmdRemove");
        QCOMPARE(dialogs_.shown.back().kind, QStringLiteral("information"));
        QVERIFY(dialogs_.shown.back().text.endsWith(
            QStringLiteral("userconfig.cfg no longer runs quarvel.cfg.")));
        QVERIFY(!QFile::exists(game.filePath(QStringLiteral("quarvel.cfg"))));
        QCOMPARE(readAll(game.filePath(QStringLiteral("autoexec.cfg"))), QByteArray());

        click(window, "cmdCheck"); // nothing installed is a finding, shown as a warning
        QCOMPARE(dialogs_.shown.back().kind, QStringLiteral("warning"));
        QVERIFY(stillOpen(window));
        delete window;
    }
};

QTEST_MAIN(InstallWindowTest)
#include "install_window_test.moc"
