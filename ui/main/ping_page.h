#pragma once

#include <QWidget>

class QGridLayout;
class QLabel;

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
    // The three ways to find one's speed, the last a link to a speed test.
    QGridLayout* buildSpeedSteps(QWidget* panel);
    QLabel* buildSpeedTestLink(QWidget* panel);
};

} // namespace quarvel::ui
