#include "ui/widgets/window_geometry.h"

#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace quarvel::ui {

namespace {

// The free area of a window's screen, less a little room for the window's frame, which is not
// known before it is shown.
QRect freeArea(const QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        return {};
    }
    const QRect free = screen->availableGeometry();
    const QSize room = free.size() * 0.95;
    return {free.topLeft() +
                QPoint((free.width() - room.width()) / 2, (free.height() - room.height()) / 2),
            room};
}

QSize smallestSize(const QWidget* window) {
    return window->minimumSizeHint().expandedTo(window->minimumSize());
}

// Puts what a window holds into a scroll area, for a screen too small for it.
void scrollContents(QWidget* window) {
    QLayout* layout = window->layout();
    if (layout == nullptr) {
        return;
    }
    auto* content = new QWidget;
    content->setMinimumSize(window->minimumSize());
    content->setLayout(layout); // takes the layout and its widgets from the window
    window->setMinimumSize(0, 0);
    auto* scroll = new QScrollArea(window);
    scroll->setObjectName(QStringLiteral("scrWindow"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

} // namespace

void fitToScreen(QWidget* window, QSize wanted) {
    const QRect room = freeArea(window);
    if (room.isEmpty()) {
        window->resize(wanted.expandedTo(smallestSize(window)));
        return;
    }
    const QSize smallest = smallestSize(window);
    if (smallest.width() > room.width() || smallest.height() > room.height()) {
        scrollContents(window);
    }
    window->resize(wanted.boundedTo(room.size()).expandedTo(smallestSize(window)));
    // A window not yet placed is centred on its screen by the desktop; one that was is put back
    // inside the free area.
    const bool placed = window->isVisible() || window->testAttribute(Qt::WA_Moved);
    if (placed && !room.contains(QRect(window->pos(), window->size()))) {
        window->move(room.center() - window->rect().center());
    }
}

void fitWrappedText(QWidget* window, int narrowest) {
    // The wrapped texts decide the height at a width, in every language: the narrowest width at
    // which that height fits the screen, or the widest the screen allows.
    QLayout* layout = window->layout();
    const QRect room = freeArea(window);
    const auto heightAt = [&](int width) { return layout->totalHeightForWidth(width); };
    int width = narrowest;
    while (!room.isEmpty() && width + 10 <= room.width() && heightAt(width) > room.height()) {
        width += 10;
    }
    window->setMinimumSize(width, heightAt(width));
}

int longestLineWidth(const QFontMetrics& metrics, const QString& text) {
    int longest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        longest = std::max(longest, metrics.horizontalAdvance(line));
    }
    return longest;
}

int widthForLines(const QPlainTextEdit& editor) {
    const int longest = longestLineWidth(editor.fontMetrics(), editor.toPlainText());
    // The document's margins, the cursor, the frame and the scroll bar beside the lines.
    const auto margins = static_cast<int>(std::ceil(2 * editor.document()->documentMargin()));
    return longest + margins + editor.cursorWidth() + 2 * editor.frameWidth() +
           editor.verticalScrollBar()->sizeHint().width();
}

} // namespace quarvel::ui
