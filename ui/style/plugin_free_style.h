#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace quarvel::ui {

// The desktop's style, which draws what the main window shows at start without Qt's image
// plugins: loading them takes a good part of the time and memory of the start. The look is the
// same: the menu bar's extension button gets its icon when it is first drawn (the button shows
// only in a window too narrow for the menus), and the Fusion style's group box frame is read as
// the PNG it is, where Fusion would first ask every image plugin whether it reads PNG.
class PluginFreeStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Takes `base`, the style the application has now, and stands in for it.
    explicit PluginFreeStyle(QStyle* base);

    [[nodiscard]] QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    bool fusion_;
    mutable QPixmap groupBoxFrame_;
};

} // namespace quarvel::ui
