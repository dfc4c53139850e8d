#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace quarvel::ui {

// Everything the windows ask of the desktop outside them: message boxes, the file dialog and the
// web browser. The program uses the Qt implementation; tests answer through a fake.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // What a message says, and whether it warns.
    struct Message {
        QString text;
        bool warning = false;
    };

    // A question with Yes and No, No the default button, and the question icon. True for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    // A message with only an OK button and no icon.
    virtual void inform(QWidget* parent, const QString& title, const QString& text) = 0;
    // Something went wrong: OK button and the warning icon.
    virtual void warn(QWidget* parent, const QString& title, const QString& text) = 0;
    // Something went wrong that an action can mend: the warning icon, a button for the action (its
    // caption with an access key) and a Close button, the default. The action runs while the box
    // stays open, which then shows what it returns, with Close alone.
    virtual void offer(QWidget* parent, const QString& title, const QString& text,
                       const QString& action, const std::function<Message()>& act) = 0;
    // A file-open dialog with the given filter, opening at `folder` and showing hidden folders;
    // an empty name when the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& filter, const QString& folder) = 0;
    // Shows a web page or a folder in the user's browser or file manager; false when none could
    // be started.
    virtual bool openUrl(const QUrl& url) = 0;
};

// Quarvel's message box (ui/dialogs/message_box.h), QFileDialog and QDesktopServices.
UserDialogs& qtDialogs();

// Shows nothing and opens nothing; every question is answered No and the file dialog cancelled.
// For drawing and timing the windows where nobody is there to answer.
UserDialogs& silentDialogs();

} // namespace quarvel::ui
