#pragma once

#include <QPointer>
#include <QWidget>

namespace quarvel::ui {

// A ring around the control that has the keyboard focus, in every window of the program: the
// styles' own marks are faint on some controls (the "D" buttons, the ON/OFF buttons) and in some
// themes. Its colour stands out from the window's by a contrast of at least 3 to 1, in a light
// theme and a dark one alike.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    // Starts following the focus for the whole program; once is enough.
    static void follow();
    // The ring while it shows, for the tests.
    static FocusRing* current();
    [[nodiscard]] QWidget* target() const { return target_; }

    // How far the ring stands out from the control, and how thick it is.
    static constexpr int margin = 3;
    static constexpr int width = 2;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FocusRing(QWidget* target);
    // Stands around the target, in the nearest of its containers that has room for the whole ring.
    void place();

    QPointer<QWidget> target_;
};

} // namespace quarvel::ui
