#include "ui/main/models_page.h"

#include "ui/main/page_widgets.h"
#include "ui/style/pictures.h"
#include "ui/style/style.h"
#include "ui/widgets/clickable_label.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quarvel::ui {

ModelsPage::ModelsPage(QWidget* parent) : QWidget(parent) {
    auto* column = new QVBoxLayout(this);
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
        void (ModelsPage::*chosen)();
    };
    const Section models[] = {
        {QT_TR_NOOP("CS 1.6 Hi FPS Player  Models"), "Line1", "Image2", "model-player",
         QSize(160, 200),
         QT_TR_NOOP(
             "These models look a bit worse than the default models, but they can improve your "
             "performance vastly."),
         &ModelsPage::playerModelsChosen},
        {QT_TR_NOOP("CS 1.6 Hi FPS Weapon Models"), "Line2", "Image3", "model-weapon",
         QSize(200, 120),
         QT_TR_NOOP("The Hi FPS Weapon Models make your primary and secondary guns disappear. The "
                    "guns you "
                    "see on other players however will remain visible. These models gain you about "
                    "5 to 10 "
                    "FPS!"),
         &ModelsPage::weaponModelsChosen},
    };
    for (const Section& model : models) {
        if (model.chosen == &ModelsPage::weaponModelsChosen) {
            sections->addWidget(decorativeLine(QStringLiteral("Line3"), QFrame::VLine, this));
        }
        auto* section = bareLayout(new QVBoxLayout, 8);
        sections->addLayout(section, 1);
        QLabel* title = plainLabel(tr(model.title), this);
        title->setFont(roleFont(FontRole::Title));
        title->setAlignment(Qt::AlignCenter);
        section->addWidget(title);
        section->addWidget(decorativeLine(QString::fromUtf8(model.line), QFrame::HLine, this));
        auto* image = new ClickableLabel(this);
        image->setObjectName(QString::fromUtf8(model.image));
        image->setAccessibleName(title->text());
        image->setPixmap(picture(QString::fromUtf8(model.resource), model.size));
        image->setAlignment(Qt::AlignCenter);
        // Only the picture is clickable; both stand in boxes of one height, on one level.
        image->setFixedSize(model.size.width(), 200);
        connect(image, &ClickableLabel::clicked, this, model.chosen);
        section->addWidget(image, 0, Qt::AlignHCenter);
        section->addWidget(plainLabel(tr(model.text), this, true));
        section->addWidget(plainLabel(tr("Click on the model to start the install "
                                         "wizard."),
                                      this, true));
        section->addStretch(1);
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
