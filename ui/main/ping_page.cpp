#include "ui/main/ping_page.h"

#include "ui/main/page_widgets.h"
#include "ui/main/tweak_widgets.h"
#include "ui/style/pictures.h"
#include "ui/style/style.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quarvel::ui {

PingPage::PingPage(TweakWidgets& tweaks, QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);

    auto* speed = new QHBoxLayout;
    speed->setSpacing(18);
    column->addLayout(speed);
    speed->addWidget(buildSpeedEntry(tweaks), 0, Qt::AlignTop);
    speed->addWidget(buildSpeedHelp(), 1);

    column->addWidget(decorativeLine(QString(), QFrame::HLine, this));

    column->addWidget(tweaks.togglesBesideCells(this, {{"Label46", "Label48", "Label47"}},
                                                Block::PingToggles, Block::PingFields));

    auto* voice = new QGridLayout;
    prepareToggleGrid(voice);
    tweaks.addToggleRows(voice, this, Block::PingVoice, false);
    column->addLayout(voice);
    column->addStretch(1);
}

QWidget* PingPage::buildSpeedEntry(TweakWidgets& tweaks) {
    auto* entry = new QWidget(this);
    auto* rows = bareLayout(new QVBoxLayout(entry), 2);
    struct Step {
        const char* heading;
        EditorId unitList;
        EditorId speedField;
        EditorId unitLabel;
    };
    const Step steps[] = {
        {QT_TR_NOOP("[Step 1]"), editorId("cmbSpeed"), editorId("txtUSpeed"),
         editorId("lblUSpeed")},
        {QT_TR_NOOP("[Step 2]"), editorId("cmbSpeed2"), editorId("txtDSpeed"),
         editorId("lblDSpeed")},
    };
    for (const Step& step : steps) {
        if (&step != &steps[0]) {
            rows->addSpacing(10);
        }
        rows->addWidget(colouredLabel(tr(step.heading), ColourRole::Heading, true, entry));
        QLabel* unitCaption = plainLabel(catalogueText(editor(step.unitList).caption), entry);
        rows->addWidget(unitCaption);
        unitCaption->setBuddy(tweaks.listBox(step.unitList, entry));
        rows->addWidget(unitCaption->buddy());
        rows->addSpacing(4);
        QLabel* speedCaption = plainLabel(catalogueText(editor(step.speedField).caption), entry);
        rows->addWidget(speedCaption);
        auto* fieldRow = bareLayout(new QHBoxLayout, 6);
        speedCaption->setBuddy(tweaks.numericField(step.speedField, entry));
        fieldRow->addWidget(speedCaption->buddy(), 1);
        auto* unit = plainLabel(QString(), entry);
        // Wide enough for the longest unit, so the field does not jump when the unit changes.
        unit->setMinimumWidth(
            unit->fontMetrics().horizontalAdvance(catalogueText(speedUnitItems[2].line)));
        tweaks.showsEditor(step.unitLabel, unit);
        fieldRow->addWidget(unit);
        rows->addLayout(fieldRow);
    }
    return entry;
}

QWidget* PingPage::buildSpeedHelp() {
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* sides = new QHBoxLayout(panel);
    sides->setSpacing(12);
    auto* image = new QLabel(panel);
    image->setPixmap(picture(QStringLiteral("help-speed"), QSize(64, 64)));
    sides->addWidget(image, 0, Qt::AlignTop);

    auto* text = bareLayout(new QVBoxLayout, 6);
    sides->addLayout(text, 1);
    auto* heading =
        bareLayout(new QHBoxLayout, panel->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    heading->addWidget(boldLabel(tr("How to find your UPLOAD/DOWNLOAD"), panel));
    heading->addWidget(boldLabel(tr("speed:"), panel));
    heading->addStretch(1);
    text->addLayout(heading);
    text->addLayout(buildSpeedSteps(panel));
    text->addStretch(1);
    return panel;
}

QGridLayout* PingPage::buildSpeedSteps(QWidget* panel) {
    auto* steps = new QGridLayout;
    steps->setContentsMargins(0, 0, 0, 0);
    steps->setHorizontalSpacing(6);
    steps->setColumnStretch(1, 1);
    const QString hints[] = {
        tr("Look on the box of your modem. The speed will be in bits/sec or in "
           "Kbits/sec (e.g. 56K)"),
        tr("Go to your ISP's website. If you can't find it there, then email your "
           "ISP.   (ISP = Internet Service Provider)"),
    };
    int row = 0;
    for (const QString& hintText : hints) {
        steps->addWidget(boldLabel(QStringLiteral("%1]").arg(row + 1), panel), row, 0,
                         Qt::AlignTop);
        steps->addWidget(plainLabel(hintText, panel, true), row++, 1);
    }
    QLabel* link = buildSpeedTestLink(panel);
    steps->addWidget(boldLabel(QStringLiteral("3]"), panel), row, 0, Qt::AlignTop);
    steps->addWidget(link, row++, 1);
    steps->addWidget(plainLabel(tr("On the site, find the country closest to you and "
                                   "do the speedtest. NOTE: this method is not an "
                                   "accurate one."),
                                panel, true),
                     row, 1);
    return steps;
}

QLabel* PingPage::buildSpeedTestLink(QWidget* panel) {
    // The link ends the third hint's sentence, on its line: the words before it and its own words
    // are joined by spaces that do not break.
    const auto unbroken = [](const QString& words) {
        return words.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
    };
    const QString lead = tr("If you couldn't find your speed in step 1 or 2, you can use");
    const qsizetype lastSpace = lead.lastIndexOf(QLatin1Char(' '));
    auto* link = new QLabel(panel);
    link->setObjectName(QStringLiteral("Label63"));
    link->setTextFormat(Qt::RichText);
    link->setWordWrap(true);
    link->setText(QStringLiteral("%1 %2&nbsp;<a href=\"speed-test\">%3</a>")
                      .arg(lead.left(lastSpace).toHtmlEscaped(), unbroken(lead.mid(lastSpace + 1)),
                           unbroken(tr("this site."))));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setTextColour(link, ColourRole::InlineLink);
    connect(link, &QLabel::linkActivated, this, &PingPage::speedTestRequested);
    return link;
}

} // namespace quarvel::ui
