#include "ui/style/deferred_icon.h"

#include <QIconEngine>

#include <memory>
#include <mutex>

namespace quarvel::ui {

namespace {

class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> load) : state_(std::make_shared<State>()) {
        state_->load = std::move(load);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    bool isNull() override { return icon().isNull(); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    // Shared by the copies, so that the pictures are made once.
    struct State {
        std::function<QIcon()> load;
        QIcon icon;
        std::once_flag made;
    };

    const QIcon& icon() {
        std::call_once(state_->made, [this] { state_->icon = state_->load(); });
        return state_->icon;
    }

    std::shared_ptr<State> state_;
};

} // namespace

QIcon deferredIcon(std::function<QIcon()> load) {
    return QIcon(new DeferredIconEngine(std::move(load)));
}

} // namespace quarvel::ui
