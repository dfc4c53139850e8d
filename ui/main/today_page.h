#pragma once

#include <QWidget>

class QLabel;

namespace quarvel::ui {

class TweakWidgets;

// The Today's Game tab: the settings only today's Steam game knows, with a note that says so
// while the classic game is chosen.
class TodayPage : public QWidget {
    Q_OBJECT
public:
    TodayPage(TweakWidgets& tweaks, QWidget* parent);
    void showNote(bool shown);

private:
    QLabel* note_;
};

} // namespace quarvel::ui
