#include "ui/main/tweak_widgets.h"

#include "ui/main/page_widgets.h"
#include "ui/widgets/clickable_label.h"
#include "ui/widgets/field_key_filter.h"
#include "ui/widgets/option_pair.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace quarvel::ui {

namespace {

constexpr int cellGap = 6; // between one caption-and-editor cell and the next below it

void showText(QLineEdit* field, const QString& text) {
    if (field->text() == text) {
        return;
    }
    const QSignalBlocker block(field);
    // A limit may change the text under the user's fingers: keep the cursor where it was.
    const bool editing = field->hasFocus();
    const int cursor = field->cursorPosition();
    field->setText(text);
    if (editing) {
        field->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
    }
}

} // namespace

TweakWidgets::TweakWidgets(Engine& engine, QObject* parent)
    : QObject(parent), engine_(engine), keyFilter_(new FieldKeyFilter(this)),
      editors_(static_cast<std::size_t>(editorCount), nullptr),
      defaultButtons_(static_cast<std::size_t>(editorCount), nullptr) {}

QWidget* TweakWidgets::legendRow(QWidget* parent, bool markerColumn, const char* defaultName,
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

void TweakWidgets::addToggleRows(QGridLayout* grid, QWidget* parent, Block block,
                                 bool markerColumn) {
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
                                    place.container, parent);
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

void TweakWidgets::addCells(QGridLayout* grid, QWidget* parent, Block block) {
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

QWidget* TweakWidgets::togglesBesideCells(QWidget* parent,
                                          const std::array<const char*, 3>& legendNames,
                                          Block toggles, Block cells) {
    auto* container = new QFrame(parent);
    auto* sides = bareLayout(new QHBoxLayout(container), 18);
    auto* column = bareLayout(new QVBoxLayout, 2);
    sides->addLayout(column);
    column->addWidget(legendRow(container, false, legendNames[0], legendNames[1], legendNames[2]));
    auto* toggleGrid = new QGridLayout;
    prepareToggleGrid(toggleGrid);
    addToggleRows(toggleGrid, container, toggles, false);
    column->addLayout(toggleGrid);
    column->addStretch(1);
    auto* fields = new QGridLayout;
    fields->setContentsMargins(0, 0, 0, 0);
    addCells(fields, container, cells);
    sides->addLayout(fields, 1);
    return container;
}

QLabel* TweakWidgets::captionLabel(const TweakPlace& place, QWidget* parent) {
    auto* label = new ClickableLabel(catalogueText(editor(place.editor).caption), parent);
    label->setObjectName(qs(place.label));
    // Not a Tab stop of its own: F1 on the editor shows the same description.
    label->setFocusPolicy(Qt::NoFocus);
    connect(label, &ClickableLabel::clicked, this,
            [this, id = place.editor] { emit captionClicked(id); });
    return label;
}

QPushButton* TweakWidgets::defaultButtonFor(EditorId id, QWidget* parent) {
    const EditorDef& def = editor(id);
    QPushButton* button = defaultButton(qs(def.defaultButton), catalogueText(def.caption), parent);
    connect(button, &QPushButton::clicked, this, [this, id] {
        engine_.pressDefault(id);
        emit defaultPressed(id);
    });
    button->setProperty(tweakProperty, id);
    defaultButtons_[static_cast<std::size_t>(id)] = button;
    return button;
}

QComboBox* TweakWidgets::listBox(EditorId id, QWidget* parent) {
    auto* list = new QComboBox(parent);
    keepEditor(id, list);
    for (const ListItem& item : editor(id).items) {
        list->addItem(catalogueText(item.text));
    }
    connect(list, &QComboBox::activated, this,
            [this, id](int index) { engine_.selectItem(id, index); });
    return list;
}

QLineEdit* TweakWidgets::numericField(EditorId id, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    keepEditor(id, field);
    keyFilter_->watch(field, id);
    connect(field, &QLineEdit::textEdited, this,
            [this, id](const QString& text) { engine_.setText(id, toEngine(text)); });
    return field;
}

void TweakWidgets::keepEditor(EditorId id, QWidget* shown) {
    const EditorDef& def = editor(id);
    shown->setObjectName(qs(def.name));
    shown->setAccessibleName(catalogueText(def.caption));
    shown->setProperty(tweakProperty, id);
    editors_[static_cast<std::size_t>(id)] = shown;
}

void TweakWidgets::showsEditor(EditorId id, QLabel* label) {
    label->setObjectName(qs(editor(id).name));
    editors_[static_cast<std::size_t>(id)] = label;
}

void TweakWidgets::refresh(EditorId id) {
    QWidget* shown = widget(id);
    if (!shown) {
        return;
    }
    // A tweak the game version does not know writes nothing: its editor shows no state.
    const bool offered = engine_.offers(id);
    switch (editor(id).kind) {
    case EditorKind::OptionPair:
        static_cast<OptionPair*>(shown)->showSelected(offered ? engine_.selected(id) : -1);
        break;
    case EditorKind::List: {
        auto* list = static_cast<QComboBox*>(shown);
        const QSignalBlocker block(list);
        list->setCurrentIndex(offered ? engine_.selected(id) : -1);
        break;
    }
    case EditorKind::Field:
        showText(static_cast<QLineEdit*>(shown),
                 offered ? fromEngine(engine_.text(id)) : QString());
        break;
    case EditorKind::Label:
        // The unit labels, whose words are the catalogue's.
        static_cast<QLabel*>(shown)->setText(catalogueText(engine_.text(id)));
        break;
    }
}

void TweakWidgets::refreshOffered() {
    for (EditorId id = 0; id < slotCount; ++id) {
        for (QWidget* each : {editors_[static_cast<std::size_t>(id)],
                              defaultButtons_[static_cast<std::size_t>(id)]}) {
            if (each) {
                each->setEnabled(engine_.offers(id));
            }
        }
        refresh(id);
    }
}

QWidget* TweakWidgets::widget(EditorId id) const {
    return editors_.at(static_cast<std::size_t>(id));
}

} // namespace quarvel::ui
