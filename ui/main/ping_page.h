#pragma once

#include <QWidget>

namespace quarvel::ui {

class TweakWidgets;

// The Ping Tweaks tab: the connection-speed calculator and how to find one's speed, then the
// network rows and rates.
class PingPage : public QWidget {
    Q_OBJECT
public:
    PingPage(TweakWidgets& tweaks, QWidget* parent);

signals:
    // The player follows the link to a speed test.
    void speedTestRequested();

private:
    QWidget* buildSpeedEntry(TweakWidgets& tweaks);
    QWidget* buildSpeedHelp();
};

} // namespace quarvel::ui
