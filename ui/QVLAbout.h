#pragma once

#include "ui/user_dialogs.h"

#include <QWidget>

namespace quarvel::ui {

// Who made the program, a disclaimer, and links to the web site and the donation page.
class QVLAbout : public QWidget {
    Q_OBJECT
public:
    explicit QVLAbout(UserDialogs& dialogs, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void shadeBackground();
    QWidget* buildTitle();
    QWidget* buildLinks();
    QWidget* buildCredits();

    UserDialogs& dialogs_;
};

} // namespace quarvel::ui
