#pragma once

#include <QScrollArea>

namespace quarvel::ui {

// A tab page that scrolls when the window is too small to show it whole. It asks for the room
// its page needs, but makes do with little, so that the window fits any screen.
class PageScroller : public QScrollArea {
    Q_OBJECT
public:
    explicit PageScroller(QWidget* parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;
};

} // namespace quarvel::ui
