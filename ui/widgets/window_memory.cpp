#include "ui/widgets/window_memory.h"

#include "ui/widgets/window_geometry.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QHash>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

namespace quarvel::ui {

namespace {

struct Placement {
    QSize size;
    QHash<QString, QPoint> scrolled; // by the scroll area's name: horizontal, vertical
};

// This run's windows, by their object names.
QHash<QString, Placement>& placements() {
    static QHash<QString, Placement> kept;
    return kept;
}

QList<QAbstractScrollArea*> namedScrollAreas(const QWidget* window) {
    QList<QAbstractScrollArea*> named;
    for (QAbstractScrollArea* area : window->findChildren<QAbstractScrollArea*>()) {
        if (!area->objectName().isEmpty()) {
            named << area;
        }
    }
    return named;
}

// Keeps the placement each time the window is hidden, which closing it does first.
class PlacementKeeper : public QObject {
public:
    explicit PlacementKeeper(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Hide) {
            Placement& kept = placements()[window_->objectName()];
            kept.size = window_->size();
            for (const QAbstractScrollArea* area : namedScrollAreas(window_)) {
                kept.scrolled[area->objectName()] = {area->horizontalScrollBar()->value(),
                                                     area->verticalScrollBar()->value()};
            }
        }
        return false;
    }

private:
    QWidget* window_;
};

} // namespace

void rememberPlacement(QWidget* window) {
    const auto kept = placements().constFind(window->objectName());
    if (kept != placements().cend()) {
        fitToScreen(window, kept->size);
        // The scroll bars have their ranges once the window is laid out on the screen.
        QTimer::singleShot(0, window, [window, scrolled = kept->scrolled] {
            for (QAbstractScrollArea* area : namedScrollAreas(window)) {
                const QPoint at = scrolled.value(area->objectName(), QPoint(-1, -1));
                if (at.x() >= 0) {
                    area->horizontalScrollBar()->setValue(at.x());
                    area->verticalScrollBar()->setValue(at.y());
                }
            }
        });
    }
    new PlacementKeeper(window);
}

} // namespace quarvel::ui
