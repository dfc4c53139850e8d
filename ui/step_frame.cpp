#include "ui/step_frame.h"

#include <QGroupBox>

namespace quarvel::ui {

QGroupBox* stepFrame(const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    // A style sheet's font and colour stay with the frame itself and do not reach its labels.
    frame->setStyleSheet(
        QStringLiteral("QGroupBox { color: %1; font-weight: bold; }").arg(stepOrange.name()));
    return frame;
}

} // namespace quarvel::ui
