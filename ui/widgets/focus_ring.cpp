#include "ui/widgets/focus_ring.h"

#include "ui/style/style.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace quarvel::ui {

namespace {

QPointer<FocusRing> shown;

// Menus and the lists that pop up mark their own current item.
bool wantsRing(const QWidget* widget) {
    return widget != nullptr && !widget->isWindow() && !(widget->windowFlags() & Qt::Popup) &&
           !widget->window()->inherits("QMenu");
}

} // namespace

FocusRing::FocusRing(QWidget* target) : target_(target) {
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    target->installEventFilter(this);
    connect(target, &QObject::destroyed, this, &QObject::deleteLater);
    place();
}

void FocusRing::follow() {
    [[maybe_unused]] static const bool following = [] {
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget*, QWidget* now) {
            delete shown;
            if (wantsRing(now)) {
                shown = new FocusRing(now);
            }
        });
        return true;
    }();
}

FocusRing* FocusRing::current() {
    return shown;
}

void FocusRing::place() {
    if (!target_) {
        return;
    }
    // The nearest container that holds the whole ring: a small one, such as the frame of an
    // ON/OFF pair, would cut it; a scroll area's viewport or the window stops the search.
    QWidget* host = target_->parentWidget();
    QRect ring;
    while (host != nullptr) {
        ring = QRect(target_->mapTo(host, QPoint()), target_->size())
                   .adjusted(-margin, -margin, margin, margin);
        const bool viewport = qobject_cast<QAbstractScrollArea*>(host->parentWidget()) != nullptr;
        if (host->rect().contains(ring) || viewport || host->isWindow()) {
            break;
        }
        host = host->parentWidget();
    }
    if (host == nullptr) {
        return;
    }
    if (parentWidget() != host) {
        setParent(host);
        // The control moves within the host also when a container between them moves.
        for (QWidget* between = target_->parentWidget(); between != host;
             between = between->parentWidget()) {
            between->installEventFilter(this);
        }
    }
    setGeometry(ring);
    setVisible(target_->isVisible());
    raise();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched->isWidgetType() && target_ &&
        (watched == target_ || static_cast<QWidget*>(watched)->isAncestorOf(target_))) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ParentChange:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor around =
        target_ ? target_->palette().color(QPalette::Window) : palette().color(QPalette::Window);
    QPen pen(colourOn(ColourRole::Focus, around), width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
}

} // namespace quarvel::ui
