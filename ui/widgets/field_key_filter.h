#pragma once

#include "core/catalogue.h"

#include <QHash>
#include <QObject>

#include <optional>

class QKeyEvent;
class QLineEdit;

namespace quarvel::ui {

// The character code a key press types, as the fields' key rule knows it: the character itself,
// 8 for Backspace, the control code for Ctrl with a letter (Ctrl+V is 22). Nothing for keys that
// type no character (arrows, Delete, Home, End, Tab), which the fields handle as usual.
[[nodiscard]] std::optional<int> typedCharacterCode(const QKeyEvent& event);

// Select all, copy, cut, undo, redo and the other editing shortcuts, which change a field only as
// typing could (Paste is not among them: it goes through the key rule).
[[nodiscard]] bool isEditingKey(const QKeyEvent& event);

// Lets a field take only the characters that the engine's key rule for it allows: typed, and
// pasted in any way (Ctrl+V, Shift+Insert, the context menu, a middle click, drag and drop),
// which goes through the same rule character by character. The editing shortcuts work as in any
// field.
class FieldKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void watch(QLineEdit* field, EditorId id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Inserts what the rule lets through of a pasted text, at the cursor or at `position`.
    void paste(QLineEdit* field, EditorId id, const QString& text, int position = -1) const;
    void showContextMenu(QLineEdit* field, EditorId id, const QPoint& where) const;

    QHash<const QObject*, EditorId> fields_;
};

} // namespace quarvel::ui
