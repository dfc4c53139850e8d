#pragma once

#include <QDialogButtonBox>
#include <QString>

class QWidget;

namespace quarvel::ui {

enum class MessageKind {
    Question,    // Yes and No, No the default, and the critical icon
    Information, // OK and no icon
    Warning,     // OK and the warning icon
    Offer,       // the warning icon, a button for an action and Close, the default
};

// Shows a message and waits for its answer: the button pressed (Apply for the action of an offer),
// Cancel when it was closed. A text longer than the screen has room for scrolls, so the buttons
// stay on the screen.
QDialogButtonBox::StandardButton showMessage(QWidget* parent, MessageKind kind,
                                             const QString& title, const QString& text,
                                             const QString& action = {});

} // namespace quarvel::ui
