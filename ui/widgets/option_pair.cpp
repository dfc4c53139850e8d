#include "ui/widgets/option_pair.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>

namespace quarvel::ui {

namespace {

constexpr int cellPadding = 6;

// One width for every button cell and column head, so that pairs in separate layouts line up.
int cellWidth(const QWidget& reference) {
    return reference.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &reference) +
           2 * cellPadding;
}

QHBoxLayout* cellRow(QWidget* owner) {
    auto* row = new QHBoxLayout(owner);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    return row;
}

} // namespace

OptionPair::OptionPair(const QString& name, const QString& caption, int container, QWidget* parent)
    : QFrame(parent), group_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("blnCmd_%1").arg(container));
    setFrameShape(QFrame::NoFrame);
    auto* row = cellRow(this);
    for (const int element : {1, 0}) {
        auto* button = new QRadioButton(this);
        button->setObjectName(QStringLiteral("%1_%2").arg(name).arg(element));
        button->setAccessibleName((element == 1 ? tr("%1: ON") : tr("%1: OFF")).arg(caption));
        button->setToolTip(button->accessibleName());
        group_->addButton(button, element);
        button->installEventFilter(this);
        // Equal halves of the container, each button centred in its half.
        row->addWidget(button, 1, Qt::AlignCenter);
        buttons_[static_cast<std::size_t>(element)] = button;
    }
    setFixedWidth(2 * cellWidth(*this));
    connect(group_, &QButtonGroup::idClicked, this, &OptionPair::picked);
    takeFocusOnSelected();
}

bool OptionPair::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int other = watched == buttons_[1] ? 0 : 1;
        emit picked(other);
        button(other)->setFocus(Qt::TabFocusReason);
        return true;
    }
    default:
        return false;
    }
}

void OptionPair::takeFocusOnSelected() {
    // Only the selected button is reached with Tab; a pair with neither selected offers ON.
    const int selected = buttons_[0]->isChecked() ? 0 : 1;
    for (const int element : {0, 1}) {
        button(element)->setFocusPolicy(element == selected ? Qt::StrongFocus : Qt::ClickFocus);
    }
    setFocusProxy(button(selected));
}

QRadioButton* OptionPair::button(int element) const {
    return buttons_.at(static_cast<std::size_t>(element));
}

void OptionPair::showSelected(int element) {
    const QSignalBlocker blockGroup(group_);
    const QSignalBlocker blockOn(buttons_[1]);
    const QSignalBlocker blockOff(buttons_[0]);
    if (element == 0 || element == 1) {
        button(element)->setChecked(true);
    } else {
        // An exclusive group cannot be emptied while it is exclusive.
        group_->setExclusive(false);
        for (auto* each : buttons_) {
            each->setChecked(false);
        }
        group_->setExclusive(true);
    }
    takeFocusOnSelected();
}

QWidget* OptionPair::legend(QLabel* on, QLabel* off, QWidget* parent) {
    auto* heads = new QWidget(parent);
    auto* row = cellRow(heads);
    for (QLabel* head : {on, off}) {
        head->setParent(heads);
        head->setAlignment(Qt::AlignCenter);
        head->setFixedWidth(cellWidth(*head));
        row->addWidget(head);
    }
    return heads;
}

} // namespace quarvel::ui
