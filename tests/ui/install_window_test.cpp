// The install window writing into real directories: what the files hold is the engine's affair,
// here the window must hand over the text, ask before replacing and report what happened.

#include "ui/install/install_window.h"

#include "config/script.h"
#include "core/engine.h"
#include "fake_dialogs.h"
#include "ui/host_system.h"
#include "ui/text.h"
#include "window_support.h"

#include <filesystem>
#include <fstream>
#include <memory>

using quarvel::ui::InstallWindow;
using window_support::child;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A mod folder as the game has it: with the liblist.gam that names the mod.
QString gameFolder(const QString& path) {
    QDir().mkpath(path);
    QFile liblist(path + QStringLiteral("/liblist.gam"));
    return liblist.open(QIODevice::WriteOnly) && liblist.write("game \"Counter-Strike\"\n") > 0
               ? path
               : QString();
}

// Every file of a folder, by name, with its bytes.
QMap<QString, QByteArray> filesIn(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QFileInfo& entry :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        files[entry.fileName()] = readAll(entry.filePath());
    }
    return files;
}

void click(QWidget* window, const char* button) {
    QTest::mouseClick(&child<QAbstractButton>(*window, QLatin1String(button)), Qt::LeftButton);
}

// The bytes of a file in the game folder.
QByteArray fileIn(const QTemporaryDir& game, const char* name) {
    return readAll(game.filePath(QLatin1String(name)));
}

bool closed(const QPointer<InstallWindow>& window) {
    return QTest::qWaitFor([&] { return window.isNull(); }, 2000);
}

// Still open a moment after the click.
bool stillOpen(const QPointer<InstallWindow>& window) {
    QTest::qWait(50);
    return !window.isNull() && window->isVisible();
}

} // namespace

class InstallWindowTest : public QObject {
    Q_OBJECT

    quarvel::Engine engine_; // the Default preset's lines
    FakeDialogs dialogs_;

    QPointer<InstallWindow> open(const QString& directory,
                                 quarvel::GameVersion version = quarvel::GameVersion::Classic) {
        QPointer<InstallWindow> window =
            new InstallWindow(quarvel::buildScript(engine_.tweakLines()), version, dialogs_);
        window->setDirectory(directory);
        window->show();
        return window;
    }

    // A window that finds the games given, once the search has ended.
    QPointer<InstallWindow> openFinding(std::vector<quarvel::games::DetectedGame> found,
                                        std::shared_ptr<quarvel::ui::LastFolder> last) {
        QPointer<InstallWindow> window = new InstallWindow(
            quarvel::buildScript(engine_.tweakLines()), quarvel::GameVersion::Classic, dialogs_,
            [found] { return found; }, std::move(last));
        window->show();
        auto& games = child<QComboBox>(*window, QStringLiteral("cmbGames"));
        return QTest::qWaitFor([&] { return games.isEnabled(); }, 2000) ? window : nullptr;
    }

    // The second install asks first; the saved settings can run the tweaks too.
    void installAgainAfterAsking(const QTemporaryDir& game, const QByteArray& edited,
                                 const QByteArray& installed) {
        QPointer<InstallWindow> window = open(game.path());
        click(window, "cmdInstall");
        const QString folder = QDir::toNativeSeparators(game.path());
        QCOMPARE(dialogs_.shown.back(),
                 QStringLiteral("question: quarvel.cfg is already in %1.\nAre you sure you want to "
                                "overwrite your Quarvel Tweaks ?")
                     .arg(folder));
        QCOMPARE(fileIn(game, "quarvel.cfg"), edited);
        QVERIFY(stillOpen(window));
        dialogs_.answers = {true};
        click(window, "chkUserconfig");
        click(window, "cmdInstall");
        QCOMPARE(dialogs_.shown.size(), 4);
        QVERIFY(dialogs_.shown.back().startsWith("information"));
        QCOMPARE(fileIn(game, "quarvel.cfg"), installed);
        QCOMPARE(fileIn(game, "userconfig.cfg"), QByteArray("exec quarvel.cfg\r\n"));
        QVERIFY(closed(window));
    }

    // The check of what the install left; Remove, asked first, takes it all out again.
    void checkAndRemove(const QTemporaryDir& game) {
        QPointer<InstallWindow> window = open(game.path());
        const QString folder = QDir::toNativeSeparators(game.path());
        click(window, "cmdCheck");
        QCOMPARE(dialogs_.shown.back(),
                 QStringLiteral("information: Check of %1:\nautoexec.cfg runs quarvel.cfg.\n"
                                "userconfig.cfg runs quarvel.cfg, but config.cfg does not run "
                                "userconfig.cfg yet: the game adds that line when it next saves "
                                "its settings at exit.\nconfig.cfg is not there: the game has not "
                                "saved its settings here yet.")
                     .arg(folder));
        // No is the default answer: nothing is removed until the player says Yes.
        click(window, "cmdRemove");
        QVERIFY(dialogs_.shown.back().startsWith("question") &&
                dialogs_.shown.back().contains(QDir::toNativeSeparators(game.path())));
        QVERIFY(!fileIn(game, "quarvel.cfg").isEmpty());
        dialogs_.answers = {true};
        click(window, "cmdRemove");
        // The configs the install created go with it, as they hold nothing else.
        QVERIFY(dialogs_.shown.back().startsWith("information") &&
                dialogs_.shown.back().endsWith(
                    "autoexec.cfg has been deleted: the install created it, and it held nothing "
                    "else.\nuserconfig.cfg has been deleted: the install created it, and it held "
                    "nothing else."));
        QCOMPARE(QDir(game.path()).entryList(QDir::Files),
                 QStringList(QStringLiteral("liblist.gam")));
        click(window, "cmdCheck"); // nothing installed is a finding, shown as a warning
        QCOMPARE(dialogs_.shown.back(),
                 QStringLiteral("warning: Check of %1:\nquarvel.cfg is not there: the tweaks are "
                                "not installed in this folder.\nconfig.cfg is not there: the game "
                                "has not saved its settings here yet.")
                     .arg(folder));
        QVERIFY(stillOpen(window));
        delete window;
    }

private slots:
    void init() { dialogs_ = FakeDialogs(); }

    void theGameSearchDoesNotHoldTheWindowAndAGameInAFolderOfAnyNameInstallsThere() {
        QTemporaryDir steam; // in a folder whose name is no UTF-8 at all
        const auto folder =
            std::filesystem::path(QFile::encodeName(steam.path()).toStdString()) / "cs\xff\xfe";
        QVERIFY(std::filesystem::create_directory(folder));
        QVERIFY(std::ofstream(folder / "liblist.gam") << "game \"Counter-Strike\"\n");
        QSemaphore release;
        QPointer<InstallWindow> window =
            new InstallWindow(quarvel::buildScript(engine_.tweakLines()),
                              quarvel::GameVersion::Classic, dialogs_, [&, folder] {
                                  release.acquire();
                                  return std::vector<quarvel::games::DetectedGame>{
                                      {"Counter-Strike", folder, "cstrike"}};
                              });
        window->show();
        auto& games = child<QComboBox>(*window, QStringLiteral("cmbGames"));
        QCOMPARE(games.placeholderText(), QStringLiteral("Searching for games..."));
        QVERIFY(!games.isEnabled());
        QCOMPARE(window->directory(), QDir::currentPath()); // until a game is found
        release.release();
        QTRY_VERIFY(games.isEnabled());
        // The window moves to the first game found, and the list names it.
        QCOMPARE(window->directory(), QFile::decodeName(folder.c_str()));
        QCOMPARE(games.currentIndex(), 0);
        QVERIFY(child<QLabel>(*window, QStringLiteral("lblNotGame")).isHidden());
        click(window, "cmdInstall");
        QVERIFY(std::filesystem::is_regular_file(folder / "quarvel.cfg") &&
                std::filesystem::is_regular_file(folder / "autoexec.cfg"));
        QVERIFY(closed(window));
    }

    void thePathFieldAndTheScriptTakeTheEditingKeys_data() {
        QTest::addColumn<QString>("field");
        QTest::newRow("path") << "txtDirectory";
        QTest::newRow("script") << "txtTweaks";
    }
    void thePathFieldAndTheScriptTakeTheEditingKeys() {
        QFETCH(QString, field);
        QTemporaryDir game;
        QPointer<InstallWindow> window = open(game.path());
        auto& edit = child<QWidget>(*window, field);
        const auto text = [&] {
            return edit.property(field == "txtTweaks" ? "plainText" : "text").toString();
        };
        const QString before = text();
        edit.setFocus();
        window_support::pressKeys(edit, {QKeySequence::SelectAll, QKeySequence::Copy});
        QCOMPARE(QApplication::clipboard()->text(), before);
        QTest::keyClicks(&edit, QStringLiteral("~/x"));
        QCOMPARE(text(), QStringLiteral("~/x"));
        window_support::pressKeys(edit, {QKeySequence::Undo});
        QCOMPARE(text(), before);
        QTest::keyClick(&edit, Qt::Key_End,
                        field == "txtTweaks" ? Qt::ControlModifier : Qt::NoModifier);
        QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier);
        window_support::pressKeys(edit,
                                  {QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Paste});
        QCOMPARE(text(), before + before.back());
        delete window;
    }

    void theFolderTreeAndThePathFieldChooseOnlyTheButtonInstallsAndAFailureKeepsTheWindow() {
        QTemporaryDir games;
        const QString cstrike = games.filePath(QStringLiteral("cstrike"));
        const QString hidden = games.filePath(QStringLiteral(".wine/drive_c/Sierra/Half-Life/tfc"));
        QVERIFY(QDir().mkpath(cstrike) && QDir().mkpath(hidden));
        QPointer<InstallWindow> window = open(games.path());
        auto& tree = child<QTreeView>(*window, QStringLiteral("Dir1"));
        tree.setCurrentIndex(qobject_cast<QFileSystemModel*>(tree.model())->index(cstrike));
        QCOMPARE(window->directory(), cstrike);
        // Enter opens the folder, in the tree as in the path field (below); it installs nothing.
        tree.setFocus();
        QTest::keyClick(&tree, Qt::Key_Return);
        auto& path = child<QLineEdit>(*window, QStringLiteral("txtDirectory"));
        path.setFocus();
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

        // A folder that vanished since it was chosen: the install says why and keeps the window.
        const QString missing = games.filePath(QStringLiteral("missing/cstrike"));
        window->setDirectory(missing);
        const QString before = window->scriptText();
        click(window, "cmdInstall");
        QCOMPARE(dialogs_.shown.size(), 1);
        QVERIFY(dialogs_.shown.back().startsWith("warning") &&
                dialogs_.shown.back().contains(QDir::toNativeSeparators(missing) + "\": "));
        QVERIFY(stillOpen(window));
        QCOMPARE(window->scriptText(), before);
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(closed(window));
    }

    void installsTheEditedTextAsksBeforeReplacingItChecksAndRemoves() {
        QTemporaryDir game;
        QVERIFY(!gameFolder(game.path()).isEmpty());
        const QString banner = QString::fromStdString(quarvel::echoBanner());
        const QString original = QString::fromStdString(quarvel::buildScript(engine_.tweakLines()));
        QPointer<InstallWindow> window = open(game.path());
        auto& text = child<QPlainTextEdit>(*window, QStringLiteral("txtTweaks"));
        text.setFocus();
        QTest::keyClick(&text, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(&text, Qt::Key_Return);
        QTest::keyClicks(&text, QStringLiteral("fps_max 101"));

        click(window, "cmdInstall"); // no question before the first install
        QCOMPARE(fileIn(game, "autoexec.cfg"), QByteArray("exec quarvel.cfg\r\n"));
        const QByteArray edited = fileIn(game, "quarvel.cfg"); // every line end CR LF
        QCOMPARE(edited, (original + "\r\nfps_max 101" + banner + "\r\n").toLatin1());
        QCOMPARE(dialogs_.shown.size(), 1);
        QVERIFY(dialogs_.shown.back().startsWith("information") &&
                dialogs_.shown.back().contains(QDir::toNativeSeparators(game.path())));
        // The window closes after the message; until it is gone the field shows the banner.
        QVERIFY(text.toPlainText().endsWith("fps_max 101" + QString(banner).replace("\r\n", "\n")));
        QVERIFY(closed(window));

        installAgainAfterAsking(game, edited, (original + banner + "\r\n").toLatin1());
        if (QTest::currentTestFailed()) {
            return;
        }
        checkAndRemove(game);
    }

    void theRemedyOfACheckHooksOnlyUserconfigAndChecksAgainInTheSameBox() {
        QTemporaryDir game;
        QVERIFY(!gameFolder(game.path()).isEmpty());
        QPointer<InstallWindow> window = open(game.path());
        QVERIFY(!child<QCheckBox>(*window, QStringLiteral("chkUserconfig")).isChecked());
        click(window, "cmdInstall");
        QVERIFY(closed(window));
        QFile saved(game.filePath(QStringLiteral("config.cfg")));
        QVERIFY(saved.open(QIODevice::WriteOnly));
        saved.write("cl_updaterate \"60\"\r\nexec userconfig.cfg\r\n");
        saved.close();

        // Edits in the window are not what the remedy writes: quarvel.cfg keeps its bytes, no
        // question is asked, and the check's new result follows in the same box.
        window = open(game.path());
        child<QPlainTextEdit>(*window, QStringLiteral("txtTweaks")).appendPlainText("fps_max 99");
        auto before = filesIn(game.path());
        dialogs_.shown.clear();
        dialogs_.answers = {true};
        click(window, "cmdCheck");
        const QString folder = QDir::toNativeSeparators(game.path());
        QCOMPARE(dialogs_.shown,
                 QStringList({QStringLiteral(
                                  "offer: Check of %1:\nautoexec.cfg runs quarvel.cfg.\nconfig.cfg "
                                  "line 1 sets cl_updaterate \"60\" after quarvel.cfg sets "
                                  "\"20\".\nTo make them hold, \"Also run after the game's own "
                                  "settings (userconfig.cfg)\" makes userconfig.cfg run "
                                  "quarvel.cfg, which the game runs after config.cfg.\nconfig.cfg "
                                  "sets cl_updaterate to 60, above 45, the most the classic game "
                                  "takes. [&Run after the game's settings]")
                                  .arg(folder),
                              QStringLiteral("then: Check of %1:\nautoexec.cfg runs quarvel.cfg.\n"
                                             "userconfig.cfg runs quarvel.cfg.\nEvery setting "
                                             "of quarvel.cfg held.")
                                  .arg(folder)}));
        before[QStringLiteral("userconfig.cfg")] = "exec quarvel.cfg\r\n";
        // and the record knows, so that Remove takes the file away again
        before[QStringLiteral("quarvel-restore.cfg")] +=
            "// The install created userconfig.cfg.\r\n";
        QCOMPARE(filesIn(game.path()), before);
        QVERIFY(child<QCheckBox>(*window, QStringLiteral("chkUserconfig")).isChecked());
        QVERIFY(stillOpen(window));
        delete window;
    }

    void theOptionShowsTheFolderAndUntickedAnInstallTakesTheHookOut() {
        QTemporaryDir games;
        const QString hooked = gameFolder(games.filePath(QStringLiteral("hooked")));
        const QString plain = gameFolder(games.filePath(QStringLiteral("plain")));
        const QString empty = gameFolder(games.filePath(QStringLiteral("empty")));
        for (const QString& folder : {hooked, plain}) {
            QFile script(folder + QStringLiteral("/quarvel.cfg"));
            QVERIFY(script.open(QIODevice::WriteOnly) && script.write("rate 1\r\n") > 0);
        }
        QFile userconfig(hooked + QStringLiteral("/userconfig.cfg"));
        QVERIFY(userconfig.open(QIODevice::WriteOnly) &&
                userconfig.write("bind x jump\r\n\r\n\r\nexec quarvel.cfg\r\n") > 0);
        userconfig.close();
        for (const auto version : {quarvel::GameVersion::Classic, quarvel::GameVersion::Steam}) {
            QPointer<InstallWindow> window = open(hooked, version);
            const auto& option = child<QCheckBox>(*window, QStringLiteral("chkUserconfig"));
            QVERIFY(option.isChecked());
            window->setDirectory(plain);
            QVERIFY(!option.isChecked());
            window->setDirectory(empty); // nothing installed: the version's own default
            QCOMPARE(option.isChecked(), version == quarvel::GameVersion::Steam);
            delete window;
        }

        QPointer<InstallWindow> window = open(hooked);
        click(window, "chkUserconfig");
        dialogs_.answers = {true};
        click(window, "cmdInstall");
        QVERIFY(dialogs_.shown.back().startsWith("information") &&
                dialogs_.shown.back().endsWith("\nuserconfig.cfg no longer runs quarvel.cfg."));
        QCOMPARE(readAll(hooked + QStringLiteral("/userconfig.cfg")),
                 QByteArray("bind x jump\r\n"));
        QVERIFY(closed(window));
    }

    void escapeAndTheCloseBoxAskBeforeThrowingAwayEdits() {
        QTemporaryDir game;
        QPointer<InstallWindow> window = open(game.path());
        auto& text = child<QPlainTextEdit>(*window, QStringLiteral("txtTweaks"));
        text.appendPlainText(QStringLiteral("fps_max 99"));
        QTest::keyClick(window, Qt::Key_Escape); // No, the default, keeps the window
        window->close();
        QCOMPARE(dialogs_.shown.size(), 2);
        QVERIFY(dialogs_.shown.back().startsWith(
            "question: Your changes to the script have not been installed."));
        QVERIFY(stillOpen(window));
        QVERIFY(text.toPlainText().endsWith("fps_max 99"));
        dialogs_.answers = {true};
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(closed(window));

        window = open(game.path()); // without edits nothing is asked
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(closed(window));
        QCOMPARE(dialogs_.shown.size(), 3);
    }

    void aFolderInASteamLibraryOffersTodaysGameWhileTheClassicOneIsChosen() {
        QTemporaryDir home;
        const QString steam =
            gameFolder(home.filePath(QStringLiteral("Steam/steamapps/common/Half-Life/cstrike")));
        const QString retail = gameFolder(home.filePath(QStringLiteral("Sierra/cstrike")));
        QPointer<InstallWindow> window = open(retail);
        int switched = 0;
        window->offerTodaysGame([&] {
            ++switched;
            return quarvel::buildScript(engine_.tweakLines(), quarvel::GameVersion::Steam);
        });
        const auto& note = child<QLabel>(*window, QStringLiteral("lblSteamGame"));
        QVERIFY(!note.isVisible());
        window->setDirectory(steam);
        QVERIFY(note.isVisible());
        child<QPlainTextEdit>(*window, QStringLiteral("txtTweaks")).appendPlainText("fps_max 99");
        click(window, "cmdTodaysGame"); // asks before the edits are lost; No keeps them
        QCOMPARE(switched, 0);
        QVERIFY(window->scriptText().endsWith("fps_max 99"));
        dialogs_.answers = {true};
        click(window, "cmdTodaysGame");
        QCOMPARE(switched, 1);
        QCOMPARE(window->scriptText(), QString::fromStdString(quarvel::buildScript(
                                           engine_.tweakLines(), quarvel::GameVersion::Steam)));
        QVERIFY(!note.isVisible());
        QVERIFY(child<QCheckBox>(*window, QStringLiteral("chkUserconfig")).isChecked());
        delete window;
    }

    void aFolderWithoutLiblistGamIsNamedSoAndAnInstallThereAsksFirst() {
        QTemporaryDir home;
        QFile binds(home.filePath(QStringLiteral("autoexec.cfg")));
        QVERIFY(binds.open(QIODevice::WriteOnly) && binds.write("bind x jump\n") > 0);
        binds.close();
        const QMap<QString, QByteArray> before = filesIn(home.path());
        QTemporaryDir games;
        const QString cstrike = gameFolder(games.filePath(QStringLiteral("cstrike")));
        QPointer<InstallWindow> window = open(home.path());
        const auto& note = child<QLabel>(*window, QStringLiteral("lblNotGame"));
        QCOMPARE(note.text(), QStringLiteral("This folder holds no liblist.gam: it does not look "
                                             "like a game folder"));
        QVERIFY(note.isVisible());
        window->setDirectory(cstrike);
        QVERIFY(note.isHidden());
        window->setDirectory(home.path());
        QVERIFY(note.isVisible());

        // No, the default, writes nothing; Yes installs.
        click(window, "cmdInstall");
        QCOMPARE(dialogs_.shown, QStringList(QStringLiteral(
                                     "question: Install into a folder that does not look like a "
                                     "game folder?")));
        QCOMPARE(filesIn(home.path()), before);
        QVERIFY(stillOpen(window));
        dialogs_.answers = {true};
        click(window, "cmdInstall");
        QCOMPARE(readAll(home.filePath(QStringLiteral("autoexec.cfg"))),
                 QByteArray("bind x jump\r\n\r\n\r\nexec quarvel.cfg\r\n"));
        QVERIFY(dialogs_.shown.back().startsWith("information"));
        QVERIFY(closed(window));
    }

    void theWindowOpensAtTheFolderLastWorkedOnBeforeTheFirstGameFound_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<bool>>("answers");
        QTest::newRow("install") << "cmdInstall" << QList<bool>{};
        QTest::newRow("check") << "cmdCheck" << QList<bool>{};
        QTest::newRow("remove") << "cmdRemove" << QList<bool>{true};
        QTest::newRow("remove, said No") << "cmdRemove" << QList<bool>{false};
    }
    void theWindowOpensAtTheFolderLastWorkedOnBeforeTheFirstGameFound() {
        QFETCH(QString, button);
        QFETCH(QList<bool>, answers);
        QTemporaryDir games;
        const QString first = gameFolder(games.filePath(QStringLiteral("cstrike")));
        const QString second = gameFolder(games.filePath(QStringLiteral("dod")));
        const std::vector<quarvel::games::DetectedGame> found{
            {"Counter-Strike", quarvel::ui::toPath(first), "cstrike"},
            {"Day of Defeat", quarvel::ui::toPath(second), "dod"}};
        const auto last = std::make_shared<quarvel::ui::LastFolder>();
        QPointer<InstallWindow> window = openFinding(found, last);
        QVERIFY(window);
        QCOMPARE(window->directory(), first);
        window->setDirectory(second);
        QCOMPARE(child<QComboBox>(*window, QStringLiteral("cmbGames")).currentIndex(), 1);
        dialogs_.answers = answers;
        click(window, button.toLatin1().constData());
        delete window;

        // A question answered No leaves nothing done there.
        window = openFinding(found, last);
        QVERIFY(window);
        QCOMPARE(window->directory(), answers == QList<bool>{false} ? first : second);
        delete window;
    }
};

QTEST_MAIN(InstallWindowTest)
#include "install_window_test.moc"
