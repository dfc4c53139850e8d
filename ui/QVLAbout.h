#pragma once

#include "ui/user_dialogs.h"

#include <QWidget>

namespace quarvel::ui {

// Who made the program, the web site, and the donation button.
class QVLAbout : public QWidget {
    Q_OBJECT
public:
    explicit QVLAbout(UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    UserDialogs& dialogs_;
};

} // namespace quarvel::ui
