#pragma once

#include "ui/dialogs/user_dialogs.h"

#include <QDialogButtonBox>
#include <QString>

#include <functional>

class QWidget;

namespace quarvel::ui {

enum class MessageKind {
    Question,    // Yes and No, No the default, and the question icon
    Information, // OK and no icon
    Warning,     // OK and the warning icon
    Offer,       // the warning icon, a button for an action and Close, the default
};

// The action an offer makes: its button's caption, and what runs when it is pressed, which gives
// the box its new text.
struct MessageAction {
    QString caption;
    std::function<UserDialogs::Message()> act;
};

// Shows a message and waits for its answer: the button pressed, Cancel when it was closed. An
// offer's action runs in the box, which stays open with the action's text. A text longer than the
// screen has room for scrolls, so the buttons stay on the screen; the text can be selected and
// copied with the mouse or the keyboard.
QDialogButtonBox::StandardButton showMessage(QWidget* parent, MessageKind kind,
                                             const QString& title, const QString& text,
                                             const MessageAction& action = {});

} // namespace quarvel::ui
