#include "ui/QVLAbout.h"

namespace quarvel::ui {

QVLAbout::QVLAbout(UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs) {
    setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace quarvel::ui
