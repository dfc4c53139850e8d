#pragma once

#include <QFrame>

#include <array>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace quarvel::ui {

// An ON/OFF tweak: two option buttons without caption in a borderless container that makes them
// one exclusive group. Element 1 (ON) stands left, element 0 (OFF) right. The pair is one stop of
// the Tab key, on its selected button, and the arrow keys move the choice to the other one.
class OptionPair : public QFrame {
    Q_OBJECT
public:
    // `name` is the control array (optHimodels), `container` the element of blnCmd.
    OptionPair(const QString& name, const QString& caption, int container,
               QWidget* parent = nullptr);

    [[nodiscard]] QRadioButton* button(int element) const;
    // Shows a state without reporting it as a pick; -1 selects neither.
    void showSelected(int element);

    // The column heads "1" and "0", spaced like the buttons of every pair.
    static QWidget* legend(QLabel* on, QLabel* off, QWidget* parent = nullptr);

signals:
    // The user clicked one of the buttons, or chose it with the arrow keys.
    void picked(int element);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeFocusOnSelected();

    QButtonGroup* group_;
    std::array<QRadioButton*, 2> buttons_{};
};

} // namespace quarvel::ui
