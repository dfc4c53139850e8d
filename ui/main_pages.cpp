// The three tabs and the description panel of the main window: what stands where.

#include "core/product.h"
#include "core/rate_rules.h"
#include "ui/QVLMain.h"
#include "ui/clickable_label.h"
#include "ui/main_key_filter.h"
#include "ui/main_option_pair.h"
#include "ui/main_widgets.h"
#include "ui/style.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quarvel::ui {

namespace {

constexpr int cellGap = 6; // between one caption-and-editor cell and the next below it

QLabel* boldLabel(const QString& text, QWidget* parent) {
    QLabel* label = plainLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

template <typename Layout> Layout* bareLayout(Layout* layout, int spacing) {
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

void prepareToggleGrid(QGridLayout* grid) {
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(toggleGap);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(3, 1);
}

} // namespace

QWidget* QVLMain::buildFpsPage() {
    auto* page = new QWidget(tabs_);
    auto* columns = new QHBoxLayout(page);
    columns->setSpacing(18);

    auto* toggles = bareLayout(new QVBoxLayout, 2);
    columns->addLayout(toggles);
    toggles->addWidget(legendRow(page, true, "Label39", "Label37", "Label38"));
    auto* container = new QFrame(page);
    auto* containerGrid = new QGridLayout(container);
    prepareToggleGrid(containerGrid);
    addToggleRows(containerGrid, container, Block::FpsToggles, true);
    toggles->addWidget(container);
    // The sound rows stand apart from the picture rows, directly on the tab.
    toggles->addSpacing(8);
    auto* soundGrid = new QGridLayout;
    prepareToggleGrid(soundGrid);
    addToggleRows(soundGrid, page, Block::FpsSoundToggles, true);
    toggles->addLayout(soundGrid);
    toggles->addStretch(1);

    auto* lists = new QFrame(page);
    auto* listGrid = new QGridLayout(lists);
    listGrid->setContentsMargins(0, 0, 0, 0);
    addCells(listGrid, lists, Block::FpsLists);
    columns->addWidget(lists, 1, Qt::AlignTop);
    return page;
}

QWidget* QVLMain::buildPingPage() {
    auto* page = new QWidget(tabs_);
    auto* column = new QVBoxLayout(page);

    auto* speed = new QHBoxLayout;
    speed->setSpacing(18);
    column->addLayout(speed);
    speed->addWidget(buildSpeedEntry(page), 0, Qt::AlignTop);
    speed->addWidget(buildSpeedHelp(page), 1);

    column->addWidget(decorativeLine(QString(), QFrame::HLine, page));

    auto* container = new QFrame(page);
    auto* sides = bareLayout(new QHBoxLayout(container), 18);
    auto* toggles = bareLayout(new QVBoxLayout, 2);
    sides->addLayout(toggles);
    toggles->addWidget(legendRow(container, false, "Label46", "Label48", "Label47"));
    auto* toggleGrid = new QGridLayout;
    prepareToggleGrid(toggleGrid);
    addToggleRows(toggleGrid, container, Block::PingToggles, false);
    toggles->addLayout(toggleGrid);
    toggles->addStretch(1);
    auto* fields = new QGridLayout;
    fields->setContentsMargins(0, 0, 0, 0);
    addCells(fields, container, Block::PingFields);
    sides->addLayout(fields, 1);
    column->addWidget(container);

    auto* voice = new QGridLayout;
    prepareToggleGrid(voice);
    addToggleRows(voice, page, Block::PingVoice, false);
    column->addLayout(voice);
    column->addStretch(1);
    return page;
}

QWidget* QVLMain::buildSpeedEntry(QWidget* parent) {
    auto* entry = new QWidget(parent);
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
        unitCaption->setBuddy(listBox(step.unitList, entry));
        rows->addWidget(unitCaption->buddy());
        rows->addSpacing(4);
        QLabel* speedCaption = plainLabel(catalogueText(editor(step.speedField).caption), entry);
        rows->addWidget(speedCaption);
        auto* fieldRow = bareLayout(new QHBoxLayout, 6);
        speedCaption->setBuddy(numericField(step.speedField, entry));
        fieldRow->addWidget(speedCaption->buddy(), 1);
        auto* unit = plainLabel(QString(), entry);
        unit->setObjectName(qs(editor(step.unitLabel).name));
        // Wide enough for the longest unit, so the field does not jump when the unit changes.
        unit->setMinimumWidth(
            unit->fontMetrics().horizontalAdvance(catalogueText(speedUnitItems[2].line)));
        editors_[static_cast<std::size_t>(step.unitLabel)] = unit;
        fieldRow->addWidget(unit);
        rows->addLayout(fieldRow);
    }
    return entry;
}

QWidget* QVLMain::buildSpeedHelp(QWidget* parent) {
    auto* panel = new QFrame(parent);
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
    connect(link, &QLabel::linkActivated, this,
            [this] { openUrl(quarvel::product::speedTestPage); });
    steps->addWidget(boldLabel(QStringLiteral("3]"), panel), row, 0, Qt::AlignTop);
    steps->addWidget(link, row++, 1);
    steps->addWidget(plainLabel(tr("On the site, find the country closest to you and "
                                   "do the speedtest. NOTE: this method is not an "
                                   "accurate one."),
                                panel, true),
                     row, 1);
    text->addLayout(steps);
    text->addStretch(1);
    return panel;
}

QWidget* QVLMain::buildModelsPage() {
    auto* page = new QWidget(tabs_);
    auto* column = new QVBoxLayout(page);
    auto* sections = new QHBoxLayout;
    sections->setSpacing(12);
    column->addLayout(sections, 1);

    struct Section {
        const char* title;
        const char* line;
        const char* image;
        const char* resource;
        QSize size;
        const char* text;
        void (QVLMain::*open)();
    };
    const Section models[] = {
        {QT_TR_NOOP("CS 1.6 Hi FPS Player  Models"), "Line1", "Image2", "model-player",
         QSize(160, 200),
         QT_TR_NOOP(
             "These models look a bit worse than the default models, but they can improve your "
             "performance vastly."),
         &QVLMain::openModels},
        {QT_TR_NOOP("CS 1.6 Hi FPS Weapon Models"), "Line2", "Image3", "model-weapon",
         QSize(200, 120),
         QT_TR_NOOP("The Hi FPS Weapon Models make your primary and secondary guns disappear. The "
                    "guns you "
                    "see on other players however will remain visible. These models gain you about "
                    "5 to 10 "
                    "FPS!"),
         &QVLMain::openWeapons},
    };
    for (const Section& model : models) {
        if (model.open == &QVLMain::openWeapons) {
            sections->addWidget(decorativeLine(QStringLiteral("Line3"), QFrame::VLine, page));
        }
        auto* section = bareLayout(new QVBoxLayout, 8);
        sections->addLayout(section, 1);
        QLabel* title = plainLabel(tr(model.title), page);
        title->setFont(roleFont(FontRole::Title));
        title->setAlignment(Qt::AlignCenter);
        section->addWidget(title);
        section->addWidget(decorativeLine(QString::fromUtf8(model.line), QFrame::HLine, page));
        auto* image = new ClickableLabel(page);
        image->setObjectName(QString::fromUtf8(model.image));
        image->setAccessibleName(title->text());
        image->setPixmap(picture(QString::fromUtf8(model.resource), model.size));
        image->setAlignment(Qt::AlignCenter);
        // Only the picture is clickable; both stand in boxes of one height, on one level.
        image->setFixedSize(model.size.width(), 200);
        connect(image, &ClickableLabel::clicked, this, model.open);
        section->addWidget(image, 0, Qt::AlignHCenter);
        section->addWidget(plainLabel(tr(model.text), page, true));
        section->addWidget(plainLabel(tr("Click on the model to start the install "
                                         "wizard."),
                                      page, true));
        section->addStretch(1);
    }

    column->addWidget(decorativeLine(QStringLiteral("Line4"), QFrame::HLine, page));
    auto* credits = new QFrame(page);
    credits->setObjectName(QStringLiteral("framCredits"));
    credits->setFrameShape(QFrame::Box);
    credits->setFrameShadow(QFrame::Sunken);
    auto* creditsRow = new QHBoxLayout(credits);
    QLabel* names =
        plainLabel(tr("Hi FPS Player Models by Ruud \"Rux\" Kessel, Hi FPS Weapon Models by "
                      "Tomasz \"Tomek\" Lind"),
                   credits, true);
    names->setAlignment(Qt::AlignCenter);
    creditsRow->addWidget(names);
    column->addWidget(credits);
    return page;
}

QWidget* QVLMain::buildDescriptionPanel(QWidget* parent) {
    auto* frame = new QGroupBox(tr("Description"), parent);
    frame->setObjectName(QStringLiteral("frameDes"));
    auto* inside = new QVBoxLayout(frame);
    lblDes_ = plainLabel(QString(), frame, true);
    lblDes_->setObjectName(QStringLiteral("lblDes"));
    lblDes_->setFont(roleFont(FontRole::Text));
    lblDes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A fixed height, so that the window keeps its size whatever the text; a text longer than
    // that, in a narrow window or a wordy language, scrolls.
    auto* scroller = new QScrollArea(frame);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setBackgroundRole(QPalette::Window);
    scroller->setFixedHeight(7 * lblDes_->fontMetrics().lineSpacing());
    scroller->setWidget(lblDes_);
    inside->addWidget(scroller);
    return frame;
}

QWidget* QVLMain::legendRow(QWidget* parent, bool markerColumn, const char* defaultName,
                            const char* onName, const char* offName) {
    auto* legend = new QWidget(parent);
    auto* row = bareLayout(new QHBoxLayout(legend), toggleGap);
    if (markerColumn) {
        row->addSpacing(markerSize.width());
    }
    QLabel* head = legendHead(QString::fromUtf8(defaultName), QStringLiteral("D"),
                              ColourRole::DefaultHead, tr("Select the DEFAULT value."), legend);
    head->setFixedWidth(defaultButtonSide(*legend));
    row->addWidget(head);
    row->addWidget(
        OptionPair::legend(legendHead(QString::fromUtf8(onName), QStringLiteral("1"),
                                      ColourRole::OnHead, tr("Turns a command ON."), legend),
                           legendHead(QString::fromUtf8(offName), QStringLiteral("0"),
                                      ColourRole::OffHead, tr("Turns a command OFF."), legend),
                           legend));
    row->addStretch(1);
    return legend;
}

void QVLMain::addToggleRows(QGridLayout* grid, QWidget* parent, Block block, bool markerColumn) {
    int row = 0;
    for (const TweakPlace& place : tweakPlaces) {
        if (place.block != block) {
            continue;
        }
        const EditorId id = place.editor;
        if (QLabel* marker = markerPicture(place.marker, place.markerIndex, parent)) {
            grid->addWidget(marker, row, 0, Qt::AlignCenter);
        } else if (markerColumn) {
            // A grid column without widgets gets no gap after it: hold the place of a marker.
            auto* room = new QWidget(parent);
            room->setFixedSize(markerSize.width(), 0);
            grid->addWidget(room, row, 0);
        }
        grid->addWidget(defaultButtonFor(id, parent), row, 1);
        auto* pair = new OptionPair(qs(editor(id).name), catalogueText(editor(id).caption),
                                    place.blnCmd, parent);
        connect(pair, &OptionPair::picked, this,
                [this, id](int element) { engine_.selectOption(id, element); });
        editors_[static_cast<std::size_t>(id)] = pair;
        pair->setProperty(tweakProperty, id);
        grid->addWidget(pair, row, 2);
        QLabel* caption = captionLabel(place, parent);
        caption->setBuddy(pair); // a screen reader names the pair by its caption
        grid->addWidget(caption, row, 3);
        ++row;
    }
}

void QVLMain::addCells(QGridLayout* grid, QWidget* parent, Block block) {
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(18);
    std::array<int, 2> rows{};
    for (const TweakPlace& place : tweakPlaces) {
        if (place.block != block) {
            continue;
        }
        const EditorId id = place.editor;
        const int column = place.column;
        const int row = 3 * rows[static_cast<std::size_t>(column)]++;
        // Marker, DEFAULT button and caption on one line, the editor below them.
        auto* header = bareLayout(new QHBoxLayout, 4);
        if (QLabel* marker = markerPicture(place.marker, place.markerIndex, parent)) {
            header->addWidget(marker);
        }
        if (!editor(id).defaultButton.empty()) {
            header->addWidget(defaultButtonFor(id, parent));
        }
        QLabel* caption = captionLabel(place, parent);
        header->addWidget(caption);
        header->addStretch(1);
        grid->addLayout(header, row, column);
        QWidget* widget = editor(id).kind == EditorKind::List
                              ? static_cast<QWidget*>(listBox(id, parent))
                              : numericField(id, parent);
        caption->setBuddy(widget); // a screen reader names the list or field by its caption
        grid->addWidget(widget, row + 1, column);
        grid->setRowMinimumHeight(row + 2, cellGap);
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

QLabel* QVLMain::captionLabel(const TweakPlace& place, QWidget* parent) {
    auto* label = new ClickableLabel(catalogueText(editor(place.editor).caption), parent);
    label->setObjectName(qs(place.label));
    // Not a Tab stop of its own: F1 on the editor shows the same description.
    label->setFocusPolicy(Qt::NoFocus);
    connect(label, &ClickableLabel::clicked, this,
            [this, id = place.editor] { captionClicked(id); });
    return label;
}

QPushButton* QVLMain::defaultButtonFor(EditorId id, QWidget* parent) {
    const EditorDef& def = editor(id);
    QPushButton* button = defaultButton(qs(def.defaultButton), catalogueText(def.caption), parent);
    connect(button, &QPushButton::clicked, this, [this, id] {
        engine_.pressDefault(id);
        tell(tr("%1 set to its default").arg(catalogueText(editor(id).caption)));
    });
    button->setProperty(tweakProperty, id);
    defaultButtons_[static_cast<std::size_t>(id)] = button;
    return button;
}

QComboBox* QVLMain::listBox(EditorId id, QWidget* parent) {
    const EditorDef& def = editor(id);
    auto* list = new QComboBox(parent);
    list->setObjectName(qs(def.name));
    list->setAccessibleName(catalogueText(def.caption));
    for (const ListItem& item : def.items) {
        list->addItem(catalogueText(item.text));
    }
    connect(list, &QComboBox::activated, this,
            [this, id](int index) { engine_.selectItem(id, index); });
    editors_[static_cast<std::size_t>(id)] = list;
    list->setProperty(tweakProperty, id);
    return list;
}

QLineEdit* QVLMain::numericField(EditorId id, QWidget* parent) {
    const EditorDef& def = editor(id);
    auto* field = new QLineEdit(parent);
    field->setObjectName(qs(def.name));
    field->setAccessibleName(catalogueText(def.caption));
    keyFilter_->watch(field, id);
    connect(field, &QLineEdit::textEdited, this,
            [this, id](const QString& text) { engine_.setText(id, toEngine(text)); });
    editors_[static_cast<std::size_t>(id)] = field;
    field->setProperty(tweakProperty, id);
    return field;
}

QWidget* QVLMain::buildTodayPage() {
    auto* page = new QWidget(tabs_);
    auto* column = new QVBoxLayout(page);
    todayNote_ =
        plainLabel(tr("These settings exist only in today's Steam game. Choose \"Today's Steam "
                      "game\" as the game version above to use them."),
                   page, true);
    todayNote_->setObjectName(QStringLiteral("lblTodayNote"));
    column->addWidget(todayNote_);

    auto* container = new QFrame(page);
    auto* sides = bareLayout(new QHBoxLayout(container), 18);
    auto* toggles = bareLayout(new QVBoxLayout, 2);
    sides->addLayout(toggles);
    toggles->addWidget(legendRow(container, false, "lblTodayDefault", "lblTodayOn", "lblTodayOff"));
    auto* toggleGrid = new QGridLayout;
    prepareToggleGrid(toggleGrid);
    addToggleRows(toggleGrid, container, Block::TodayToggles, false);
    toggles->addLayout(toggleGrid);
    toggles->addStretch(1);
    auto* fields = new QGridLayout;
    fields->setContentsMargins(0, 0, 0, 0);
    addCells(fields, container, Block::TodayFields);
    sides->addLayout(fields, 1);
    column->addWidget(container);
    column->addStretch(1);
    return page;
}

// The game the settings are made for: the caption beside the list.
QWidget* QVLMain::buildVersionRow(QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = bareLayout(new QHBoxLayout(row), 6);
    QLabel* caption = plainLabel(tr("&Game version:"), row);
    caption->setObjectName(QStringLiteral("lblLimits"));
    cmbLimits_ = new QComboBox(row);
    cmbLimits_->setObjectName(QStringLiteral("cmbLimits"));
    for (const GameVersionName& name : gameVersionNames) {
        cmbLimits_->addItem(translated("GameVersion", name.caption));
    }
    const auto cap = [](EditorId field, GameVersion version) {
        return qs(rateRuleOf(field)->limit(version).text);
    };
    cmbLimits_->setToolTip(
        tr("The game the settings are made for. The classic game takes rate up to %1 and "
           "cl_updaterate up to %2. Today's Steam game takes rate up to %3 and cl_updaterate "
           "up to %4, starts at its own rates, knows the settings of the Today's Game tab and no "
           "longer knows gl_ztrick.")
            .arg(cap(editorId("txtRate"), GameVersion::Classic),
                 cap(editorId("txtURate"), GameVersion::Classic),
                 cap(editorId("txtRate"), GameVersion::Steam),
                 cap(editorId("txtURate"), GameVersion::Steam)));
    caption->setBuddy(cmbLimits_);
    connect(cmbLimits_, &QComboBox::activated, this, [this](int index) {
        engine_.setGameVersion(gameVersionNames.at(static_cast<std::size_t>(index)).version);
        tell(tr("Game version set to %1").arg(cmbLimits_->itemText(index)));
    });
    layout->addWidget(caption);
    layout->addWidget(cmbLimits_);
    layout->addStretch(1);
    return row;
}

} // namespace quarvel::ui
