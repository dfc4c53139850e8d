#include "ui/application.h"

#include "core/product.h"
#include "ui/QVLMain.h"
#include "ui/first_frame.h"
#include "ui/main_widgets.h"
#include "ui/text.h"
#include "ui/user_dialogs.h"

#include <QApplication>
#include <QIcon>

namespace quarvel::ui {

int runQuarvel(int argc, char** argv, const std::function<void(QWidget*)>& firstFrame) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(qs(product::name));
    QApplication::setApplicationVersion(qs(product::versionNumber));
    QApplication::setWindowIcon(programIcon());
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quarvel.Quarvel"));

    // The main window deletes itself when closed; secondary windows may outlive it, and the
    // program ends with the last window.
    auto* main = new QVLMain(qtDialogs());
    if (firstFrame) {
        afterFirstFrame(main, firstFrame);
    }
    main->show();
    return QApplication::exec();
}

} // namespace quarvel::ui
