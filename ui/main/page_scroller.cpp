#include "ui/main/page_scroller.h"

#include <QScrollBar>

namespace quarvel::ui {

PageScroller::PageScroller(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // The page stands on the window's own colour, as if it did not scroll.
    setBackgroundRole(QPalette::Window);
}

QSize PageScroller::sizeHint() const {
    if (widget() == nullptr) {
        return QScrollArea::sizeHint();
    }
    // Room for the vertical scroll bar too: on a screen too low for the page it shows, and must
    // not take the width the page needs, which would bring a horizontal one.
    const QMargins frame = contentsMargins();
    return widget()->sizeHint() +
           QSize(frame.left() + frame.right() + verticalScrollBar()->sizeHint().width(),
                 frame.top() + frame.bottom());
}

QSize PageScroller::minimumSizeHint() const {
    // Room for a few rows and the scroll bars.
    const int line = fontMetrics().lineSpacing();
    return {20 * line + verticalScrollBar()->sizeHint().width(),
            6 * line + horizontalScrollBar()->sizeHint().height()};
}

} // namespace quarvel::ui
