#include "ui/application.h"

#include "core/product.h"
#include "games/game_detection.h"
#include "process/start_up.h"
#include "ui/dialogs/user_dialogs.h"
#include "ui/first_frame.h"
#include "ui/main/main_window.h"
#include "ui/qt_translator.h"
#include "ui/style/pictures.h"
#include "ui/style/plugin_free_style.h"
#include "ui/text.h"
#include "ui/widgets/focus_ring.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTranslator>

namespace quarvel::ui {

bool useLanguage(const QLocale& locale) {
    auto* ours = new QTranslator(qApp);
    const bool translated = ours->load(locale, QStringLiteral("quarvel"), QStringLiteral("_"),
                                       QStringLiteral(":/translations"));
    if (translated) {
        // The translator installed last is asked first: Quarvel's texts are found without Qt's.
        QCoreApplication::installTranslator(new QtTranslator(locale, qApp));
        QCoreApplication::installTranslator(ours);
    } else {
        delete ours;
    }
    return translated;
}

int runQuarvel(int argc, char** argv, const std::function<void(QWidget*)>& firstFrame) {
    setUpProcess();
    QApplication app(argc, argv);
    QApplication::setStyle(new PluginFreeStyle(QApplication::style()));
    QApplication::setApplicationName(qs(product::name));
    QApplication::setApplicationVersion(qs(product::versionNumber));
    QApplication::setWindowIcon(programIcon());
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(qs(product::applicationId));

    // The player's language: QUARVEL_LANGUAGE (such as "ru") when it is set, else the system's.
    const QString language = qEnvironmentVariable("QUARVEL_LANGUAGE");
    useLanguage(language.isEmpty() ? QLocale::system() : QLocale(language));

    // The main window deletes itself when closed; secondary windows may outlive it, and the
    // program ends with the last window.
    FocusRing::follow();
    auto* main = new MainWindow(qtDialogs());
    main->findGamesAfterFirstFrame(
        [] { return games::detectGames(games::defaultDetectOptions()).games; });
    if (firstFrame) {
        afterFirstFrame(main, firstFrame);
    }
    main->show();
    return QApplication::exec();
}

} // namespace quarvel::ui
