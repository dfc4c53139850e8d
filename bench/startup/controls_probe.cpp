// What Qt Widgets itself takes to show Quarvel's first page: a main window with a menu bar, a tab
// control and, on its first tab, the controls of the FPS tweaks with their own texts (each
// caption, DEFAULT button and editor, the lists with all their items), in Qt's own style and
// with none of Quarvel's behaviour. It ends as soon as it has drawn its first frame.
#include "ui/first_frame.h"
#include "ui/main/tweak_places.h"
#include "ui/text.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <array>
#include <cstdlib>

namespace {

using namespace quarvel;
using ui::qs;

QWidget* optionPair(QWidget* parent) {
    auto* pair = new QWidget(parent);
    auto* row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(pair);
    for (int element = 0; element < 2; ++element) {
        auto* button = new QRadioButton(pair);
        group->addButton(button, element);
        row->addWidget(button);
    }
    return pair;
}

QWidget* firstPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* grid = new QGridLayout(page);
    int toggleRow = 0;
    std::array<int, 2> cellRows{};
    for (const ui::TweakPlace& place : ui::tweakPlaces) {
        const EditorDef& def = editor(place.editor);
        if (place.block == ui::Block::FpsToggles || place.block == ui::Block::FpsSoundToggles) {
            grid->addWidget(new QPushButton(QStringLiteral("D"), page), toggleRow, 0);
            grid->addWidget(optionPair(page), toggleRow, 1);
            grid->addWidget(new QLabel(qs(def.caption), page), toggleRow++, 2);
        } else if (place.block == ui::Block::FpsLists) {
            const int column = 3 + place.column;
            const int row = 2 * cellRows[static_cast<std::size_t>(place.column)]++;
            auto* header = new QHBoxLayout;
            if (!def.defaultButton.empty()) {
                header->addWidget(new QPushButton(QStringLiteral("D"), page));
            }
            header->addWidget(new QLabel(qs(def.caption), page), 1);
            grid->addLayout(header, row, column);
            if (def.kind == EditorKind::List) {
                auto* list = new QComboBox(page);
                for (const ListItem& item : def.items) {
                    list->addItem(qs(item.text));
                }
                grid->addWidget(list, row + 1, column);
            } else {
                grid->addWidget(new QLineEdit(QStringLiteral("120"), page), row + 1, column);
            }
        }
    }
    return page;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* menu : {"&File", "&Presets", "&Install Tweaks", "&About"}) {
        window.menuBar()->addMenu(QString::fromLatin1(menu));
    }
    auto* tabs = new QTabWidget(&window);
    tabs->addTab(firstPage(tabs), QStringLiteral("FPS Tweaks"));
    for (const char* title : {"Ping Tweaks", "CS 1.6 Models", "Today's Game"}) {
        tabs->addTab(new QWidget(tabs), QString::fromLatin1(title));
    }
    window.setCentralWidget(tabs);
    // Ends at once: what is measured is the start, not the tidying up of an exit.
    quarvel::ui::afterFirstFrame(&window, [](QWidget*) { std::_Exit(0); });
    window.show();
    return QApplication::exec();
}
