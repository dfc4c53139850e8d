#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's pictures, drawn from their SVG when it is built.
namespace quarvel::ui {

// One of the program's pictures (badge-cs, model-player ...) at the size it was drawn for,
// sharp on screens of high density.
QPixmap picture(const QString& name, QSize size);

// The program's icon, at the sizes desktops ask for.
QIcon programIcon();

} // namespace quarvel::ui
