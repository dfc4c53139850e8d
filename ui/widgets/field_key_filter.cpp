#include "ui/widgets/field_key_filter.h"

#include "core/engine.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include <algorithm>
#include <array>

namespace quarvel::ui {

std::optional<int> typedCharacterCode(const QKeyEvent& event) {
    constexpr int backspace = 8;
    const int key = event.key();
    if (key == Qt::Key_Backspace) {
        return backspace;
    }
    // Ctrl with a letter types a control code, as on Windows: refused by every field, unless it
    // is an editing shortcut, which the filter lets through before asking for a code.
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

bool isEditingKey(const QKeyEvent& event) {
    // What a field does with its text besides typing, as the desktop binds it.
    static constexpr std::array editing{
        QKeySequence::SelectAll,
        QKeySequence::Copy,
        QKeySequence::Cut,
        QKeySequence::Undo,
        QKeySequence::Redo,
        QKeySequence::Deselect,
        QKeySequence::DeleteEndOfLine,
        QKeySequence::DeleteStartOfWord,
        QKeySequence::DeleteEndOfWord,
        QKeySequence::DeleteCompleteLine,
        QKeySequence::MoveToStartOfLine,
        QKeySequence::MoveToEndOfLine,
        QKeySequence::SelectStartOfLine,
        QKeySequence::SelectEndOfLine,
    };
    return std::ranges::any_of(editing, [&](auto key) { return event.matches(key); });
}

void FieldKeyFilter::watch(QLineEdit* field, EditorId id) {
    fields_.insert(field, id);
    field->installEventFilter(this);
    connect(field, &QObject::destroyed, this, [this](QObject* gone) { fields_.remove(gone); });
}

bool FieldKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    const auto found = fields_.constFind(watched);
    if (found == fields_.cend()) {
        return false;
    }
    auto* field = static_cast<QLineEdit*>(watched);
    const EditorId id = *found;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (key.matches(QKeySequence::Paste)) { // Ctrl+V, Shift+Insert
            paste(field, id, QGuiApplication::clipboard()->text());
            return true;
        }
        if (isEditingKey(key)) {
            return false; // the field's own, and its change reaches the engine as typing does
        }
        if (const auto code = typedCharacterCode(key)) {
            // A refused character is swallowed here, before the field sees it.
            return Engine::filterKey(id, *code) == 0;
        }
        return false;
    }
    case QEvent::ContextMenu:
        showContextMenu(field, id, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::MouseButtonRelease: {
        const auto& mouse = *static_cast<QMouseEvent*>(event);
        if (mouse.button() != Qt::MiddleButton) {
            return false;
        }
        // The X11 selection, pasted where the middle button was let go.
        if (QGuiApplication::clipboard()->supportsSelection()) {
            paste(field, id, QGuiApplication::clipboard()->text(QClipboard::Selection),
                  field->cursorPositionAt(mouse.position().toPoint()));
        }
        return true;
    }
    case QEvent::Drop: {
        auto& drop = *static_cast<QDropEvent*>(event);
        paste(field, id, drop.mimeData()->text(),
              field->cursorPositionAt(drop.position().toPoint()));
        drop.acceptProposedAction();
        return true;
    }
    default:
        return false;
    }
}

void FieldKeyFilter::paste(QLineEdit* field, EditorId id, const QString& text, int position) const {
    QString accepted;
    for (const QChar c : text) {
        // A pasted control character is no key: Backspace in a text deletes nothing.
        if (c.unicode() >= 0x20 && Engine::filterKey(id, c.unicode()) != 0) {
            accepted.append(c);
        }
    }
    if (position >= 0) {
        field->deselect();
        field->setCursorPosition(position);
    }
    field->insert(accepted); // an edit like typing: the engine hears of it
}

void FieldKeyFilter::showContextMenu(QLineEdit* field, EditorId id, const QPoint& where) const {
    QMenu* menu = field->createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        // The menu's Paste is the action wired to the field's own paste slot, which Qt wires by
        // name, so it is unwired by name.
        if (disconnect(action, SIGNAL(triggered()), field, SLOT(paste()))) {
            connect(action, &QAction::triggered, field,
                    [this, field, id] { paste(field, id, QGuiApplication::clipboard()->text()); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(where);
}

} // namespace quarvel::ui
