// The floor Quarvel's start-up is measured against: a Qt program that shows an empty main window
// and ends as soon as it has drawn its first frame.
#include "ui/first_frame.h"

#include <QApplication>
#include <QMainWindow>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    // Ends at once: what is measured is the start, not the tidying up of an exit.
    quarvel::ui::afterFirstFrame(&window, [](QWidget*) { std::_Exit(0); });
    window.show();
    return QApplication::exec();
}
