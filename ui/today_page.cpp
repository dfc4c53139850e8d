#include "ui/today_page.h"

#include "ui/main_widgets.h"
#include "ui/tweak_widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quarvel::ui {

TodayPage::TodayPage(TweakWidgets& tweaks, QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    note_ = plainLabel(tr("These settings exist only in today's Steam game. Choose \"Today's "
                          "Steam game\" as the game version above to use them."),
                       this, true);
    note_->setObjectName(QStringLiteral("lblTodayNote"));
    column->addWidget(note_);

    auto* container = new QFrame(this);
    auto* sides = bareLayout(new QHBoxLayout(container), 18);
    auto* toggles = bareLayout(new QVBoxLayout, 2);
    sides->addLayout(toggles);
    toggles->addWidget(
        tweaks.legendRow(container, false, "lblTodayDefault", "lblTodayOn", "lblTodayOff"));
    auto* toggleGrid = new QGridLayout;
    prepareToggleGrid(toggleGrid);
    tweaks.addToggleRows(toggleGrid, container, Block::TodayToggles, false);
    toggles->addLayout(toggleGrid);
    toggles->addStretch(1);
    auto* fields = new QGridLayout;
    fields->setContentsMargins(0, 0, 0, 0);
    tweaks.addCells(fields, container, Block::TodayFields);
    sides->addLayout(fields, 1);
    column->addWidget(container);
    column->addStretch(1);
}

void TodayPage::showNote(bool shown) {
    note_->setVisible(shown);
}

} // namespace quarvel::ui
