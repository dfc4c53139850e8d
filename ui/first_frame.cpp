#include "ui/first_frame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace quarvel::ui {

namespace {

// Waits for the window's first paint, and calls back once that has been put on the screen.
class FirstFrame : public QObject {
public:
    FirstFrame(QWidget* window, std::function<void(QWidget*)> then)
        : QObject(window), window_(window), then_(std::move(then)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !called_) {
            called_ = true;
            QTimer::singleShot(0, this, [this] { then_(window_); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
    std::function<void(QWidget*)> then_;
    bool called_ = false;
};

} // namespace

void afterFirstFrame(QWidget* window, std::function<void(QWidget*)> then) {
    new FirstFrame(window, std::move(then));
}

} // namespace quarvel::ui
