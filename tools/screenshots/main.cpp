// Renders Quarvel's windows offscreen to PNG for the README:
//   quarvel-screenshots OUTPUT_DIR
// The tabs and the install window as they come, the Today's Game tab for today's Steam game, the
// first tab and Today's Game on a dark theme, and the Ping Tweaks and Today's Game tabs in Russian.
// Nothing is shown and no file but the pictures is written.

#include "config/script.h"
#include "dark_palette.h"
#include "ui/application.h"
#include "ui/dialogs/user_dialogs.h"
#include "ui/install/install_window.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <memory>

namespace {

bool save(QWidget& window, const QDir& folder, const QString& name) {
    window.show();
    QApplication::processEvents();
    const QString file = folder.filePath(name);
    if (!window.grab().save(file)) {
        QTextStream(stderr) << "cannot write " << file << "\n";
        return false;
    }
    QTextStream(stdout) << file << "\n";
    return true;
}

constexpr int todaysGame = 3;

// The main window with one of its pages shown, for a game version.
bool savePage(const QDir& folder, int page, const QString& name,
              quarvel::GameVersion version = quarvel::GameVersion::Classic) {
    std::unique_ptr<quarvel::ui::MainWindow> main(
        new quarvel::ui::MainWindow(quarvel::ui::silentDialogs()));
    main->setAttribute(Qt::WA_DeleteOnClose, false);
    main->engine().setGameVersion(version);
    main->findChild<QTabWidget*>()->setCurrentIndex(page);
    return save(*main, folder, name);
}

// The install window of a player with two Steam libraries, opened at the first game found.
// The libraries are made in a temporary folder so that the folder tree has something to show.
bool saveInstallWindow(const QDir& folder, const QString& name) {
    QTemporaryDir scratch;
    const QDir home(scratch.filePath(QStringLiteral("home/player")));
    for (const char* other : {"Documents", "Games", "Music", "Pictures", "SteamLibrary/steamapps",
                              ".steam/steam/steamapps/common/Half-Life/valve"}) {
        home.mkpath(QString::fromLatin1(other));
    }
    const auto game = [&home](const char* library, const char* mod) {
        const QString path = home.filePath(QString::fromLatin1(library) +
                                           QStringLiteral("/steamapps/common/Half-Life/") +
                                           QString::fromLatin1(mod));
        home.mkpath(path);
        QFile liblist(path + QStringLiteral("/liblist.gam"));
        liblist.open(QIODevice::WriteOnly);
        return std::filesystem::path(path.toStdString());
    };
    std::vector<quarvel::games::DetectedGame> games{
        {"Counter-Strike", game(".steam/steam", "cstrike"), "cstrike"},
        {"Day of Defeat", game(".steam/steam", "dod"), "dod"},
        {"Team Fortress Classic", game(".steam/steam", "tfc"), "tfc"}};
    quarvel::Engine engine;
    quarvel::ui::InstallWindow install(quarvel::buildScript(engine.tweakLines()),
                                       quarvel::GameVersion::Classic, quarvel::ui::silentDialogs(),
                                       [games] { return games; });
    install.setAttribute(Qt::WA_DeleteOnClose, false);
    auto* list = install.findChild<QComboBox*>(QStringLiteral("cmbGames"));
    while (!list->isEnabled()) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    install.show();
    // The folder tree reads folders on a thread of its own and then scrolls to the chosen one.
    QElapsedTimer settling;
    settling.start();
    while (settling.elapsed() < 500) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    return save(install, folder, name);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: quarvel-screenshots OUTPUT_DIR\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create " << folder.path() << "\n";
        return 1;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette light = QApplication::style()->standardPalette();
    const auto steam = quarvel::GameVersion::Steam;
    QApplication::setPalette(light);

    bool ok = savePage(folder, 0, QStringLiteral("fps-tweaks.png")) &&
              savePage(folder, 1, QStringLiteral("ping-tweaks.png")) &&
              savePage(folder, 2, QStringLiteral("cs16-models.png")) &&
              savePage(folder, todaysGame, QStringLiteral("todays-game.png"), steam) &&
              saveInstallWindow(folder, QStringLiteral("install-window.png"));
    QApplication::setPalette(darkPalette());
    ok = ok && savePage(folder, 0, QStringLiteral("fps-tweaks-dark.png")) &&
         savePage(folder, todaysGame, QStringLiteral("todays-game-dark.png"), steam);
    QApplication::setPalette(light);
    ok = ok && quarvel::ui::useLanguage(QLocale(QLocale::Russian)) &&
         savePage(folder, 1, QStringLiteral("ping-tweaks-ru.png")) &&
         savePage(folder, todaysGame, QStringLiteral("todays-game-ru.png"), steam);
    return ok ? 0 : 1;
}
