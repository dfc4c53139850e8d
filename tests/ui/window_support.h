#pragma once

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <string_view>

// What the window tests share: finding controls by name, and the main window's pages built.
namespace window_support {

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The control of that name; a missing one ends the test with its name.
template <typename T> T& child(const QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) {
        qFatal("%s has no %s", qPrintable(window.objectName()), qPrintable(name));
    }
    return *found;
}

// Every page of the main window's tabs, each built the first time it is shown; the first page
// shown again.
inline void showEveryPage(const QWidget& window) {
    auto& tabs = child<QTabWidget>(window, QStringLiteral("tabTweaks"));
    for (int page = tabs.count() - 1; page >= 0; --page) {
        tabs.setCurrentIndex(page);
    }
}

// Brings up the page that holds a control, as a player must before he can click it.
inline void bringUp(QWidget* control) {
    for (QWidget* up = control; up != nullptr; up = up->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(up)) {
            for (int page = 0; page < tabs->count(); ++page) {
                if (tabs->widget(page)->isAncestorOf(control)) {
                    tabs->setCurrentIndex(page);
                }
            }
        }
    }
}

// Presses the keys of standard shortcuts (Ctrl+A, Ctrl+Z...) on a widget as the desktop delivers
// them: Ctrl with a letter carries its control character.
inline void pressKeys(QWidget& widget, std::initializer_list<QKeySequence::StandardKey> keys) {
    for (const auto standard : keys) {
        const QKeyCombination key = QKeySequence(standard)[0];
        const Qt::Key code = key.key();
        const QString text =
            key.keyboardModifiers() == Qt::ControlModifier && code >= Qt::Key_A && code <= Qt::Key_Z
                ? QString(QChar(code - Qt::Key_A + 1))
                : QString();
        QTest::sendKeyEvent(QTest::Click, &widget, code, text, key.keyboardModifiers());
    }
}

// Calls `open`, which shows a modal dialog and waits for it, and hands the dialog to `inspect`
// once it is up; then closes it as Escape would. False when no dialog came up.
inline bool inspectModal(const std::function<void()>& open,
                         const std::function<void(QWidget&)>& inspect) {
    bool seen = false;
    QTimer::singleShot(50, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen = true;
            inspect(
                *modal); // a failed check returns from it, and the dialog is closed all the same
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            }
        }
    });
    open();
    return seen;
}

// Shows a window that the test owns, which closing must not delete.
inline void showOwned(QWidget& window) {
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
}

} // namespace window_support
