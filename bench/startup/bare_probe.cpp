// The floor Quarvel's start-up is measured against: a Qt program that shows a main window with one
// line of text, and ends as soon as it has drawn its first frame. Text starts the font system,
// which any window with words needs.
#include "ui/first_frame.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Quarvel"), &window));
    // Ends at once: what is measured is the start, not the tidying up of an exit.
    quarvel::ui::afterFirstFrame(&window, [](QWidget*) { std::_Exit(0); });
    window.show();
    return QApplication::exec();
}
