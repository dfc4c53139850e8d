#pragma once

#include <QWidget>

namespace quarvel::ui {

class TweakWidgets;

// The FPS Tweaks tab: the ON/OFF rows of picture and sound beside the lists.
class FpsPage : public QWidget {
    Q_OBJECT
public:
    FpsPage(TweakWidgets& tweaks, QWidget* parent);
};

} // namespace quarvel::ui
