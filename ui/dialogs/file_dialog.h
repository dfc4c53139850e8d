#pragma once

class QFileDialog;

namespace quarvel::ui {

// Widens the side bar of Qt's own file dialog (the one used where the desktop offers none) to its
// longest entry, "Computer" or its translation, once the dialog is shown; and keeps the dialog on
// its screen.
void fitFileDialog(QFileDialog& dialog);

} // namespace quarvel::ui
