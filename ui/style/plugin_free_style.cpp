#include "ui/style/plugin_free_style.h"

#include "ui/style/deferred_icon.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <qdrawutil.h>

namespace quarvel::ui {

PluginFreeStyle::PluginFreeStyle(QStyle* base)
    : QProxyStyle(base),
      fusion_(baseStyle()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0) {}

QIcon PluginFreeStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                    const QWidget* widget) const {
    if (standardIcon != SP_ToolBarHorizontalExtensionButton) {
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
    // The arrow points the way the text runs, as it does at the moment of asking.
    QStyleOption direction;
    direction.direction =
        option != nullptr ? option->direction : QGuiApplication::layoutDirection();
    return deferredIcon([base = QPointer<QStyle>(baseStyle()), standardIcon, direction] {
        return base ? base->standardIcon(standardIcon, &direction, nullptr) : QIcon();
    });
}

void PluginFreeStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox || !fusion_) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion's own drawing of the frame, below the caption.
    if (groupBoxFrame_.isNull()) {
        QImageReader reader(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
            "png");
        reader.setAutoDetectImageFormat(false);
        groupBoxFrame_ = QPixmap::fromImage(reader.read());
    }
    constexpr int gap = 3;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const int top =
        box != nullptr && !box->isCheckable() && box->title().isEmpty()
            ? gap
            : std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                  gap;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                      groupBoxFrame_);
}

} // namespace quarvel::ui
