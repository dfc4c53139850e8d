#include "core/product.h"
#include "ui/QVLMain.h"
#include "ui/text.h"
#include "ui/user_dialogs.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvel"));
    QApplication::setApplicationVersion(quarvel::ui::qs(quarvel::product::versionNumber));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/quarvel.svg")));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quarvel.Quarvel"));

    // The main window deletes itself when closed; secondary windows may outlive it, and the
    // program ends with the last window.
    auto* main = new quarvel::ui::QVLMain(quarvel::ui::qtDialogs());
    main->show();
    return QApplication::exec();
}
