#pragma once

#include <QLabel>

namespace quarvel::ui {

// A label or picture that acts as a link: hand pointer, clicked() on a left click, and reachable
// by keyboard (Tab to it, then Enter or Space).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace quarvel::ui
