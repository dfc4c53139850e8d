#pragma once

#include "ui/dialogs/user_dialogs.h"

#include <QDialog>

namespace quarvel::ui {

// Who made the program, a disclaimer, and links to the web site and the donation page. Modeless;
// Escape closes it.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(UserDialogs& dialogs, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void shadeBackground();
    QWidget* buildTitle();
    QWidget* buildLinks();
    QWidget* buildCredits();

    UserDialogs& dialogs_;
};

} // namespace quarvel::ui
