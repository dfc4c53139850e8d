#include "ui/main/fps_page.h"

#include "ui/main/page_widgets.h"
#include "ui/main/tweak_widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quarvel::ui {

FpsPage::FpsPage(TweakWidgets& tweaks, QWidget* parent) : QWidget(parent) {
    auto* columns = new QHBoxLayout(this);
    columns->setSpacing(18);

    auto* toggles = bareLayout(new QVBoxLayout, 2);
    columns->addLayout(toggles);
    toggles->addWidget(tweaks.legendRow(this, true, "Label39", "Label37", "Label38"));
    auto* container = new QFrame(this);
    auto* containerGrid = new QGridLayout(container);
    prepareToggleGrid(containerGrid);
    tweaks.addToggleRows(containerGrid, container, Block::FpsToggles, true);
    toggles->addWidget(container);
    // The sound rows stand apart from the picture rows, directly on the tab.
    toggles->addSpacing(8);
    auto* soundGrid = new QGridLayout;
    prepareToggleGrid(soundGrid);
    tweaks.addToggleRows(soundGrid, this, Block::FpsSoundToggles, true);
    toggles->addLayout(soundGrid);
    toggles->addStretch(1);

    auto* lists = new QFrame(this);
    auto* listGrid = new QGridLayout(lists);
    listGrid->setContentsMargins(0, 0, 0, 0);
    tweaks.addCells(listGrid, lists, Block::FpsLists);
    columns->addWidget(lists, 1, Qt::AlignTop);
}

} // namespace quarvel::ui
