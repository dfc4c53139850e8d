#include "ui/main_key_filter.h"

#include "core/engine.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace quarvel::ui {

std::optional<int> typedCharacterCode(const QKeyEvent& event) {
    constexpr int backspace = 8;
    const int key = event.key();
    if (key == Qt::Key_Backspace) {
        return backspace;
    }
    // Ctrl with a letter types a control code on the desktop this rule comes from, so the
    // shortcuts for cut, copy and paste are refused like any other character.
    const auto modifiers = event.modifiers();
    if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier) &&
        key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        return '\r';
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    // Tab, Escape and Delete may carry control characters; they type nothing into the field.
    const char32_t character = text.toUcs4().value(0);
    if (character < 0x20 || character == 0x7f) {
        return std::nullopt;
    }
    return static_cast<int>(character);
}

void FieldKeyFilter::watch(QLineEdit* field, EditorId id) {
    fields_.insert(field, id);
    field->installEventFilter(this);
    connect(field, &QObject::destroyed, this, [this](QObject* gone) { fields_.remove(gone); });
}

bool FieldKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto field = fields_.constFind(watched);
    if (field == fields_.cend()) {
        return false;
    }
    const auto code = typedCharacterCode(*static_cast<QKeyEvent*>(event));
    // A refused character is swallowed here, before the field sees it.
    return code && Engine::filterKey(*field, *code) == 0;
}

} // namespace quarvel::ui
