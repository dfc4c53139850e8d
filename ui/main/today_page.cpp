#include "ui/main/today_page.h"

#include "ui/main/page_widgets.h"
#include "ui/main/tweak_widgets.h"

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

    column->addWidget(tweaks.togglesBesideCells(this,
                                                {{"lblTodayDefault", "lblTodayOn", "lblTodayOff"}},
                                                Block::TodayToggles, Block::TodayFields));
    column->addStretch(1);
}

void TodayPage::showNote(bool shown) {
    note_->setVisible(shown);
}

} // namespace quarvel::ui
