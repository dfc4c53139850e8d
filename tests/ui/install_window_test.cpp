// The install window writing into real directories: what the files hold is the engine's affair,
// here the window must hand over the text, ask before replacing and report what happened.

#include "config/script.h"
#include "core/engine.h"
#include "fake_dialogs.h"
#include "ui/QVLInstall.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <filesystem>

using quarvel::ui::QVLInstall;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every line end of a file the game reads is CR LF.
bool onlyCrLf(const QByteArray& text) {
    return text.count('\n') == text.count("\r\n") && text.count('\r') == text.count("\r\n");
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
    static QPlainTextEdit* field(QVLInstall* window) {
        return window->findChild<QPlainTextEdit*>(QStringLiteral("txtTweaks"));
    }
    static void install(QVLInstall* window) {
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdInstall")),
                          Qt::LeftButton);
    }
    static bool closed(const QPointer<QVLInstall>& window) {
        return QTest::qWaitFor([&] { return window.isNull(); }, 2000);
    }

    // A window whose game list comes from `games`, filled once the search has ended.
    QPointer<QVLInstall> openWithGames(std::vector<quarvel::games::DetectedGame> games) {
        QPointer<QVLInstall> window =
            new QVLInstall(engine_.tweakLines(), dialogs_, [games] { return games; });
        window->show();
        auto* list = window->findChild<QComboBox*>(QStringLiteral("cmbGames"));
        if (!QTest::qWaitFor([&] { return list->placeholderText() != searching; }, 5000)) {
            qFatal("the search for games never ended");
        }
        return window;
    }
    inline static const QString searching = QStringLiteral("Searching for games...");

private slots:
    void init() { dialogs_ = FakeDialogs(); }

    void gamesAreFoundWithoutWaitingAndMoveTheFolderChooser() {
        QTemporaryDir steam;
        QVERIFY(QDir(steam.path()).mkpath(QStringLiteral("common/Half-Life/dod")));
        const QString dod = steam.filePath(QStringLiteral("common/Half-Life/dod"));
        // The window is up and usable while a slow search goes on.
        QSemaphore release;
        QVLInstall slow(engine_.tweakLines(), dialogs_, [&release] {
            release.acquire();
            return std::vector<quarvel::games::DetectedGame>{};
        });
        auto* slowList = slow.findChild<QComboBox*>(QStringLiteral("cmbGames"));
        QCOMPARE(slowList->placeholderText(), searching);
        QVERIFY(!slowList->isEnabled());
        release.release();
        QTRY_COMPARE(slowList->placeholderText(), QStringLiteral("No games found"));

        QPointer<QVLInstall> window = openWithGames({{"Day of Defeat", dod.toStdString(), "dod"}});
        auto* games = window->findChild<QComboBox*>(QStringLiteral("cmbGames"));
        QVERIFY(games->isEnabled());
        QCOMPARE(window->directory(), QDir::currentPath()); // still starts where it did
        games->setFocus();
        QTest::keyClick(games, Qt::Key_Down); // the player picks the game with the keyboard
        QCOMPARE(window->directory(), dod);
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("txtDirectory"))->text(),
                 QDir::toNativeSeparators(dod));
        delete window;
    }

    void aGameInAFolderOfAnyNameInstallsIntoThatFolder() {
        // A Portuguese folder name, and one whose bytes are no UTF-8 at all.
        for (const char* name : {"Jogos \xc3\x87\xc3\xa0", "cs\xff\xfe"}) {
            QTemporaryDir steam;
            const auto folder =
                std::filesystem::path(QFile::encodeName(steam.path()).toStdString()) / name;
            QVERIFY(std::filesystem::create_directory(folder));
            QPointer<QVLInstall> window = openWithGames({{"Counter-Strike", folder, "cstrike"}});
            auto* games = window->findChild<QComboBox*>(QStringLiteral("cmbGames"));
            games->setFocus();
            QTest::keyClick(games, Qt::Key_Down);
            install(window);
            QVERIFY(std::filesystem::is_regular_file(folder / "quarvel.cfg"));
            QVERIFY(std::filesystem::is_regular_file(folder / "autoexec.cfg"));
            QVERIFY(closed(window));
        }
    }

    void theFolderTreeAndThePathFieldChooseAndOnlyTheButtonInstalls() {
        QTemporaryDir games;
        QVERIFY(QDir(games.path()).mkpath(QStringLiteral("cstrike")));
        QVERIFY(QDir(games.path()).mkpath(QStringLiteral(".wine/drive_c/Sierra/Half-Life/tfc")));
        const QString cstrike = games.filePath(QStringLiteral("cstrike"));
        QPointer<QVLInstall> window = open(games.path());
        auto* tree = window->findChild<QTreeView*>(QStringLiteral("Dir1"));
        tree->setCurrentIndex(qobject_cast<QFileSystemModel*>(tree->model())->index(cstrike));
        QCOMPARE(window->directory(), cstrike);
        // Enter opens the folder, in the tree as in the path field; it installs nothing.
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Return);
        auto* path = window->findChild<QLineEdit*>(QStringLiteral("txtDirectory"));
        path->setFocus();
        QTest::keyClick(path, Qt::Key_Return);
        QTest::qWait(50);
        QVERIFY(!QFile::exists(games.filePath(QStringLiteral("cstrike/quarvel.cfg"))));

        // A typed path, into a hidden folder; then one that is no folder is said to be none and
        // taken nowhere, even by the Install button.
        const QString hidden = games.filePath(QStringLiteral(".wine/drive_c/Sierra/Half-Life/tfc"));
        path->selectAll();
        QTest::keyClicks(path, hidden);
        QTest::keyClick(path, Qt::Key_Return);
        QCOMPARE(window->directory(), hidden);
        path->selectAll();
        QTest::keyClicks(path, games.filePath(QStringLiteral("nowhere")));
        install(window);
        QVERIFY(window->findChild<QLabel*>(QStringLiteral("lblDirectoryProblem"))->isVisible());
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
        QPlainTextEdit* text = field(first);
        text->setFocus();
        QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("fps_max 101"));

        install(first);
        QCOMPARE(readAll(game.filePath(QStringLiteral("autoexec.cfg"))),
                 QByteArray("exec quarvel.cfg\r\n"));
        const QByteArray edited = readAll(script);
        QVERIFY(onlyCrLf(edited));
        QCOMPARE(edited,
                 (original + QStringLiteral("\r\nfps_max 101") + banner + "\r\n").toLatin1());
        QCOMPARE(dialogs_.shown.size(), 1U); // no question before the first install
        QCOMPARE(dialogs_.shown[0].kind, QStringLiteral("information"));
        QVERIFY(dialogs_.shown[0].text.contains(QDir::toNativeSeparators(game.path())));
        // The window closes after the message; until it is gone the field shows the banner.
        QVERIFY(field(first)->toPlainText().endsWith(QStringLiteral("fps_max 101") +
                                                     QString(banner).replace("\r\n", "\n")));
        QVERIFY(closed(first));

        QPointer<QVLInstall> second = open(game.path());
        dialogs_.answers = {false};
        install(second);
        QCOMPARE(dialogs_.shown.size(), 2U);
        QCOMPARE(dialogs_.shown[1].kind, QStringLiteral("question"));
        QCOMPARE(dialogs_.shown[1].text,
                 QStringLiteral("Are you sure you want to overwrite your Quarvel Tweaks ?"));
        QCOMPARE(readAll(script), edited);
        QTest::qWait(50);
        QVERIFY(!second.isNull() && second->isVisible());

        dialogs_.answers = {true};
        install(second);
        QCOMPARE(dialogs_.shown.size(), 4U);
        QCOMPARE(dialogs_.shown[3].kind, QStringLiteral("information"));
        QCOMPARE(readAll(script), (original + banner + "\r\n").toLatin1());
        QCOMPARE(readAll(game.filePath(QStringLiteral("autoexec.cfg"))),
                 QByteArray("exec quarvel.cfg\r\n"));
        QVERIFY(closed(second));
    }

    void aFailedInstallSaysWhyAndKeepsTheWindow() {
        QTemporaryDir game;
        const QString missing = game.filePath(QStringLiteral("missing/cstrike"));
        QPointer<QVLInstall> window = open(missing);
        const QString before = field(window)->toPlainText();

        install(window);

        QCOMPARE(dialogs_.shown.size(), 1U);
        QCOMPARE(dialogs_.shown[0].kind, QStringLiteral("warning"));
        const QString& warning = dialogs_.shown[0].text;
        QVERIFY2(warning.contains(QDir::toNativeSeparators(missing)) &&
                     warning.contains(QStringLiteral(".cfg")),
                 qPrintable(warning));
        QTest::qWait(50);
        QVERIFY(!window.isNull() && window->isVisible());
        QCOMPARE(field(window)->toPlainText(), before);
        QVERIFY(!before.contains(QStringLiteral("Optimisations Loaded")));
        delete window;
    }

    void runsAfterTheSavedSettingsChecksAndRemovesWhenAsked() {
        QTemporaryDir game;
        const auto click = [](QVLInstall* window, const char* name) {
            QTest::mouseClick(window->findChild<QAbstractButton*>(QLatin1String(name)),
                              Qt::LeftButton);
        };
        QPointer<QVLInstall> window = open(game.path());
        click(window, "chkUserconfig");
        install(window);
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

        click(window, "cmdCheck");
        QCOMPARE(dialogs_.shown.back().kind, QStringLiteral("warning"));
        QVERIFY(!window.isNull() && window->isVisible());
        delete window;
    }
};

QTEST_MAIN(InstallWindowTest)
#include "install_window_test.moc"
