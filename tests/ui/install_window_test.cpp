// The install window writing into real directories: what the files hold is the engine's affair,
// here the window must hand over the text, ask before replacing and report what happened.

#include "config/script.h"
#include "core/engine.h"
#include "fake_dialogs.h"
#include "ui/QVLInstall.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
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

private slots:
    void init() { dialogs_ = FakeDialogs(); }

    void detectedGamesMoveTheDirectoryChooser() {
        QTemporaryDir steam;
        QVERIFY(QDir(steam.path()).mkpath(QStringLiteral("common/Half-Life/dod")));
        const QString dod = steam.filePath(QStringLiteral("common/Half-Life/dod"));
        QVLInstall window(engine_.tweakLines(), dialogs_,
                          {{"Day of Defeat", dod.toStdString(), "dod"}});
        auto* games = window.findChild<QComboBox*>(QStringLiteral("cmbGames"));
        QVERIFY(games && games->isEnabled());
        QCOMPARE(window.directory(), QDir::currentPath()); // still starts where it did
        games->setFocus();
        QTest::keyClick(games, Qt::Key_Down); // the player picks the game with the keyboard
        QCOMPARE(window.directory(), dod);
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("txtDirectory"))->text(),
                 QDir::toNativeSeparators(dod));

        QVLInstall none(engine_.tweakLines(), dialogs_);
        QVERIFY(!none.findChild<QComboBox*>(QStringLiteral("cmbGames"))->isEnabled());
    }

    void aGameInAFolderOfAnyNameInstallsIntoThatFolder() {
        // A Portuguese folder name, and one whose bytes are no UTF-8 at all.
        for (const char* name : {"Jogos \xc3\x87\xc3\xa0", "cs\xff\xfe"}) {
            QTemporaryDir steam;
            const auto folder =
                std::filesystem::path(QFile::encodeName(steam.path()).toStdString()) / name;
            QVERIFY(std::filesystem::create_directory(folder));
            QPointer<QVLInstall> window = new QVLInstall(engine_.tweakLines(), dialogs_,
                                                         {{"Counter-Strike", folder, "cstrike"}});
            window->show();
            auto* games = window->findChild<QComboBox*>(QStringLiteral("cmbGames"));
            games->setFocus();
            QTest::keyClick(games, Qt::Key_Down);
            install(window);
            QVERIFY(std::filesystem::is_regular_file(folder / "quarvel.cfg"));
            QVERIFY(std::filesystem::is_regular_file(folder / "autoexec.cfg"));
            QVERIFY(closed(window));
        }
    }

    void theDirectoryListMovesTheTargetAndEnterInstalls() {
        QTemporaryDir games;
        QVERIFY(QDir(games.path()).mkpath(QStringLiteral("cstrike")));
        const QString cstrike = games.filePath(QStringLiteral("cstrike"));
        QPointer<QVLInstall> window = open(games.path());
        auto* tree = window->findChild<QTreeView*>(QStringLiteral("Dir1"));
        tree->setCurrentIndex(qobject_cast<QFileSystemModel*>(tree->model())->index(cstrike));
        QCOMPARE(window->directory(), cstrike);
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("txtDirectory"))->text(),
                 QDir::toNativeSeparators(cstrike));
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Return);
        QVERIFY(QFile::exists(games.filePath(QStringLiteral("cstrike/quarvel.cfg"))));
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
};

QTEST_MAIN(InstallWindowTest)
#include "install_window_test.moc"
