#include "ui/main/models_page.h"

#include "ui/main/page_widgets.h"
#include "ui/style/pictures.h"
#include "ui/style/style.h"
#include "ui/widgets/clickable_label.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>

namespace quarvel::ui {

namespace {

// One of the two model packs: its title, its lines and picture, and the signal its picture sends.
struct Section {
    const char* title;
    const char* line;
    const char* image;
    const char* resource;
    QSize size;
    const char* text;
    void (ModelsPage::*chosen)();
};

constexpr std::array sections{
    Section{QT_TRANSLATE_NOOP("quarvel::ui::ModelsPage", "CS 1.6 Hi FPS Player  Models"), "Line1",
            "Image2", "model-player", QSize(160, 200),
            QT_TRANSLATE_NOOP(
                "quarvel::ui::ModelsPage",
                "These models look a bit worse than the default models, but they can improve your "
                "performance vastly."),
            &ModelsPage::playerModelsChosen},
    Section{
        QT_TRANSLATE_NOOP("quarvel::ui::ModelsPage", "CS 1.6 Hi FPS Weapon Models"), "Line2",
        "Image3", "model-weapon", QSize(200, 120),
        QT_TRANSLATE_NOOP(
            "quarvel::ui::ModelsPage",
            "The Hi FPS Weapon Models make your primary and secondary guns disappear. The guns "
            "you see on other players however will remain visible. These models gain you about 5 "
            "to 10 FPS!"),
        &ModelsPage::weaponModelsChosen},
};

// A pack's title above its picture, which opens its wizard, and what the pack does.
QVBoxLayout* buildSection(ModelsPage* page, const Section& model) {
    auto* section = bareLayout(new QVBoxLayout, 8);
    QLabel* title = plainLabel(ModelsPage::tr(model.title), page);
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
    QObject::connect(image, &ClickableLabel::clicked, page, model.chosen);
    section->addWidget(image, 0, Qt::AlignHCenter);
    section->addWidget(plainLabel(ModelsPage::tr(model.text), page, true));
    section->addWidget(
        plainLabel(ModelsPage::tr("Click on the model to start the install wizard."), page, true));
    section->addStretch(1);
    return section;
}

} // namespace

ModelsPage::ModelsPage(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
    auto* packs = new QHBoxLayout;
    packs->setSpacing(12);
    column->addLayout(packs, 1);
    for (const Section& model : sections) {
        if (model.chosen == &ModelsPage::weaponModelsChosen) {
            packs->addWidget(decorativeLine(QStringLiteral("Line3"), QFrame::VLine, this));
        }
        packs->addLayout(buildSection(this, model), 1);
    }

    column->addWidget(decorativeLine(QStringLiteral("Line4"), QFrame::HLine, this));
    column->addWidget(buildCredits());
}

QWidget* ModelsPage::buildCredits() {
    auto* credits = new QFrame(this);
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
    return credits;
}

} // namespace quarvel::ui
