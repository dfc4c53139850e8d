// Renders Quarvel's windows offscreen to PNG for the README:
//   quarvel-screenshots OUTPUT_DIR
// Nothing is shown and no file but the pictures is written.

#include "ui/QVLInstall.h"
#include "ui/QVLMain.h"
#include "ui/user_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTextStream>

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

    quarvel::ui::UserDialogs& dialogs = quarvel::ui::silentDialogs();
    auto* main = new quarvel::ui::QVLMain(dialogs);
    auto* tabs = main->findChild<QTabWidget*>();
    const char* pages[] = {"fps-tweaks.png", "ping-tweaks.png", "cs16-models.png"};
    bool ok = tabs != nullptr;
    for (int page = 0; ok && page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        ok = save(*main, folder, QString::fromLatin1(pages[page]));
    }
    auto* install = new quarvel::ui::QVLInstall(main->engine().tweakLines(), dialogs);
    ok = ok && save(*install, folder, QStringLiteral("install-window.png"));
    delete install;
    delete main;
    return ok ? 0 : 1;
}
