#include "config/script.h"
#include "core/engine.h"
#include "fake_dialogs.h"
#include "ui/QVLInstall.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using quarvel::ui::QVLInstall;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Every line end of a file the game reads is CR LF.
bool onlyCrLf(const QByteArray& text) {
    return text.count('\n') == text.count("\r\n") && text.count('\r') == text.count("\r\n");
}

bool closed(const QPointer<QVLInstall>& window) {
    return QTest::qWaitFor([&] { return window.isNull(); }, 2000);
}

} // namespace

class InstallWindowTest : public QObject {
    Q_OBJECT

    quarvel::Engine engine_; // the Default preset's lines
    QString script_;         // what the window builds from them, CR LF

    QPointer<QVLInstall> open(quarvel::ui::UserDialogs& dialogs, const QString& directory) {
        QPointer<QVLInstall> window = new QVLInstall(engine_.tweakLines(), dialogs);
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

private slots:
    void initTestCase() {
        script_ = QString::fromStdString(quarvel::buildScript(engine_.tweakLines()));
    }

    void opensWithTheScriptAndTheCurrentDirectory() {
        FakeDialogs dialogs;
        QVLInstall window(engine_.tweakLines(), dialogs);
        QCOMPARE(window.windowTitle(), QStringLiteral("Install Tweaks"));
        QVERIFY(window.testAttribute(Qt::WA_DeleteOnClose));

        const QStringList lines = field(&window)->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QStringLiteral("// Quarvel v3"));
        QVERIFY(lines.contains(QStringLiteral("cl_himodels 0")));
        QVERIFY(!field(&window)->toPlainText().contains(QLatin1Char('\r')));
        QCOMPARE(window.scriptText(), script_);

        QCOMPARE(window.directory(), QDir::currentPath());
        auto* shown = window.findChild<QLineEdit*>(QStringLiteral("txtDirectory"));
        QVERIFY(shown && shown->isReadOnly());
        QCOMPARE(QDir::fromNativeSeparators(shown->text()), QDir::currentPath());

        QStringList texts;
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            texts << label->text();
        }
        for (const char* text :
             {"Any changes made to the following code will be saved once you INSTALL the tweaks "
              "using Step 1 and 2.",
              "Please select the path to the game directory.",
              "Steam example:", "C:\\Program Files\\Steam\\SteamApps\\", "ACCOUNT@NAME",
              "\\Counter-Strike\\cstrike", "Non-Steam example:", "C:\\Sierra\\Half-Life\\cstrike",
              "Click on [Install Tweaks] once you have finished [Step 1]."}) {
            QVERIFY2(texts.contains(QString::fromLatin1(text)), text);
        }
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("cmdInstall"))->text(),
                 QStringLiteral("Install Tweaks"));
    }

    void detectedGamesMoveTheDirectoryChooser() {
        FakeDialogs dialogs;
        QTemporaryDir steam;
        QVERIFY(QDir(steam.path()).mkpath(QStringLiteral("common/Half-Life/dod")));
        const QString dod = steam.filePath(QStringLiteral("common/Half-Life/dod"));
        QVLInstall window(engine_.tweakLines(), dialogs,
                          {{"Day of Defeat", dod.toStdString(), "dod"}});
        auto* games = window.findChild<QComboBox*>(QStringLiteral("cmbGames"));
        QVERIFY(games && games->isEnabled());
        QCOMPARE(games->currentIndex(), -1);
        QCOMPARE(window.directory(), QDir::currentPath()); // still starts where it did
        games->setFocus();
        QTest::keyClick(games, Qt::Key_Down); // the player picks the game with the keyboard
        QCOMPARE(window.directory(), dod);
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("txtDirectory"))->text(),
                 QDir::toNativeSeparators(dod));

        QVLInstall none(engine_.tweakLines(), dialogs);
        auto* empty = none.findChild<QComboBox*>(QStringLiteral("cmbGames"));
        QVERIFY(!empty->isEnabled());
        QCOMPARE(empty->placeholderText(), QStringLiteral("No games found"));
    }

    void choosingInTheDirectoryListMovesTheTarget() {
        QTemporaryDir games;
        QVERIFY(QDir(games.path()).mkpath(QStringLiteral("cstrike")));
        const QString cstrike = games.path() + QStringLiteral("/cstrike");
        FakeDialogs dialogs;
        QVLInstall window(engine_.tweakLines(), dialogs);
        auto* tree = window.findChild<QTreeView*>(QStringLiteral("Dir1"));
        auto* model = qobject_cast<QFileSystemModel*>(tree->model());
        QVERIFY(model);

        tree->setCurrentIndex(model->index(cstrike));
        QCOMPARE(window.directory(), cstrike);
        QCOMPARE(QDir::fromNativeSeparators(
                     window.findChild<QLineEdit*>(QStringLiteral("txtDirectory"))->text()),
                 cstrike);
        // And the other way round: the list follows a directory set from outside.
        window.setDirectory(games.path());
        QCOMPARE(model->filePath(tree->currentIndex()), games.path());
    }

    void installsIntoAFreshDirectoryAndCloses() {
        QTemporaryDir game;
        FakeDialogs dialogs;
        QPointer<QVLInstall> window = open(dialogs, game.path());

        install(window);

        QCOMPARE(readAll(game.filePath(QStringLiteral("autoexec.cfg"))),
                 QByteArray("exec quarvel.cfg\r\n"));
        const QByteArray script = readAll(game.filePath(QStringLiteral("quarvel.cfg")));
        QVERIFY(onlyCrLf(script));
        QVERIFY(script.endsWith("\r\necho \"\"\r\n"));
        QCOMPARE(script,
                 (script_ + QString::fromStdString(quarvel::echoBanner()) + QStringLiteral("\r\n"))
                     .toLatin1());

        QCOMPARE(dialogs.shown.size(), 1U); // no question before the first install
        const auto& message = dialogs.shown.front();
        QCOMPARE(message.kind, QStringLiteral("information"));
        QCOMPARE(message.title, QStringLiteral("Quarvel"));
        QVERIFY(message.text.startsWith(
            QStringLiteral("Quarvel config tweaks have been installed in ") +
            QDir::toNativeSeparators(game.path()) + QStringLiteral("!\r\n\r\nINSTRUCTIONS:\r\n")));
        // The window closes after the message; until it is gone the field shows the banner.
        QVERIFY(!window.isNull() && !window->isVisible());
        QCOMPARE(field(window)->toPlainText(),
                 QString(script_ + QString::fromStdString(quarvel::echoBanner()))
                     .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QVERIFY(closed(window));
    }

    void asksBeforeReplacingAScript() {
        QTemporaryDir game;
        FakeDialogs dialogs;
        QPointer<QVLInstall> first = open(dialogs, game.path());
        install(first);
        QVERIFY(closed(first));
        // The player's own autoexec.cfg without the exec line: an install would change it.
        const QString autoexec = game.filePath(QStringLiteral("autoexec.cfg"));
        writeAll(autoexec, "bind f1 buyammo1\r\n");
        writeAll(game.filePath(QStringLiteral("quarvel.cfg")), "// old\r\n");
        dialogs.shown.clear();

        QPointer<QVLInstall> second = open(dialogs, game.path());
        const QString before = field(second)->toPlainText();
        dialogs.answers = {false};
        install(second);
        QCOMPARE(dialogs.shown.size(), 1U);
        QCOMPARE(dialogs.shown[0].kind, QStringLiteral("question"));
        QCOMPARE(dialogs.shown[0].title, QStringLiteral("Warning!"));
        QCOMPARE(dialogs.shown[0].text,
                 QStringLiteral("Are you sure you want to overwrite your Quarvel Tweaks ?"));
        QCOMPARE(readAll(autoexec), QByteArray("bind f1 buyammo1\r\n"));
        QCOMPARE(readAll(game.filePath(QStringLiteral("quarvel.cfg"))), QByteArray("// old\r\n"));
        QTest::qWait(50);
        QVERIFY(!second.isNull());
        QCOMPARE(field(second)->toPlainText(), before);

        dialogs.answers = {true};
        install(second);
        QCOMPARE(dialogs.shown.size(), 3U);
        QCOMPARE(dialogs.shown[2].kind, QStringLiteral("information"));
        QCOMPARE(readAll(autoexec), QByteArray("bind f1 buyammo1\r\n\r\n\r\nexec quarvel.cfg\r\n"));
        QVERIFY(
            readAll(game.filePath(QStringLiteral("quarvel.cfg"))).startsWith("// Quarvel v3\r\n"));
        QVERIFY(closed(second));
    }

    void typedLinesReachTheFile() {
        QTemporaryDir game;
        FakeDialogs dialogs;
        QPointer<QVLInstall> window = open(dialogs, game.path());
        QPlainTextEdit* text = field(window);
        text->setFocus();
        QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("fps_max 101"));
        // Shift+Enter makes a soft line break inside the field; the file still gets a line.
        QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(text, QStringLiteral("cl_showfps 1"));

        install(window);

        const QByteArray script = readAll(game.filePath(QStringLiteral("quarvel.cfg")));
        QVERIFY(onlyCrLf(script));
        QVERIFY2(script.contains(".example\r\nfps_max 101\r\ncl_showfps 1\r\n\r\necho \"\"\r\n"),
                 script.right(200).constData());
        QVERIFY(closed(window));
    }

    void enterInTheDirectoryListInstalls() {
        QTemporaryDir game;
        FakeDialogs dialogs;
        QPointer<QVLInstall> window = open(dialogs, game.path());
        auto* tree = window->findChild<QTreeView*>(QStringLiteral("Dir1"));
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Return);
        QVERIFY(QFile::exists(game.filePath(QStringLiteral("quarvel.cfg"))));
        QVERIFY(closed(window));
    }

    void aFailedInstallSaysWhyAndKeepsTheText_data() {
        QTest::addColumn<QString>("below"); // path under the temporary directory
        QTest::newRow("through a regular file") << QStringLiteral("file/cstrike");
        QTest::newRow("missing directory") << QStringLiteral("missing/cstrike");
    }
    void aFailedInstallSaysWhyAndKeepsTheText() {
        QFETCH(QString, below);
        QTemporaryDir game;
        writeAll(game.filePath(QStringLiteral("file")), "not a directory\r\n");
        FakeDialogs dialogs;
        QPointer<QVLInstall> window = open(dialogs, game.filePath(below));
        QCOMPARE(window->directory(), game.filePath(below));
        const QString before = field(window)->toPlainText();

        install(window);

        QCOMPARE(dialogs.shown.size(), 1U);
        QCOMPARE(dialogs.shown[0].kind, QStringLiteral("warning"));
        QVERIFY(!dialogs.shown[0].title.isEmpty());
        QVERIFY2(dialogs.shown[0].text.contains(QDir::toNativeSeparators(game.filePath(below))) &&
                     dialogs.shown[0].text.contains(QStringLiteral(".cfg")),
                 qPrintable(dialogs.shown[0].text));
        QVERIFY(!dialogs.shown[0].text.contains(QStringLiteral("installed")));
        QTest::qWait(50);
        QVERIFY(!window.isNull());
        QCOMPARE(field(window)->toPlainText(), before);
        QVERIFY(!before.contains(QStringLiteral("Optimisations Loaded")));
        delete window;
    }
};

QTEST_MAIN(InstallWindowTest)
#include "install_window_test.moc"
