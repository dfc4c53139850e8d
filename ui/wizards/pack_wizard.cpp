#include "ui/wizards/pack_wizard.h"

#include "core/product.h"
#include "ui/text.h"

#include <QCoreApplication>

#include <array>
#include <string_view>

namespace quarvel::ui {

namespace {

// What tells the two wizards apart, a row for each pack. The texts are translated in the context
// of the wizard's class.
struct Pack {
    const char* context;
    const char* windowName;
    const char* nameSuffix; // of the names of the step field, buttons and frames
    const char* packFolder; // where in the game folder the pack's files go
    std::string_view download;
    const char* caption;
    const char* removeChoice;
    const char* installChoice;
    const char* models;   // ending the download sentence
    const char* replaced; // the game's files the pack replaces; %1 is the pack's folder
};

constexpr std::array packs{
    Pack{"quarvel::ui::ModelsWizard", "QVLModels", "", "models/player", product::playerModelsPack,
         QT_TRANSLATE_NOOP("quarvel::ui::ModelsWizard", "Hi FPS Player Models"),
         QT_TRANSLATE_NOOP("quarvel::ui::ModelsWizard", "Remove Hi FPS Player Models"),
         QT_TRANSLATE_NOOP("quarvel::ui::ModelsWizard", "Install Hi FPS Player Models"),
         QT_TRANSLATE_NOOP("quarvel::ui::ModelsWizard", "Player Models."),
         QT_TRANSLATE_NOOP("quarvel::ui::ModelsWizard",
                           "the player models in %1, one .mdl file in the folder of each team")},
    Pack{"quarvel::ui::WeaponsWizard", "QVLWeapons", "2", "models", product::weaponModelsPack,
         QT_TRANSLATE_NOOP("quarvel::ui::WeaponsWizard", "Hi FPS Weapon Models"),
         QT_TRANSLATE_NOOP("quarvel::ui::WeaponsWizard", "Remove Hi FPS Weapon Models"),
         QT_TRANSLATE_NOOP("quarvel::ui::WeaponsWizard", "Install Hi FPS Weapon Models"),
         QT_TRANSLATE_NOOP("quarvel::ui::WeaponsWizard", "Weapon Models."),
         QT_TRANSLATE_NOOP("quarvel::ui::WeaponsWizard",
                           "the weapon models in %1, the v_*.mdl files")},
};

const Pack& packOf(ModelPack pack) {
    return packs.at(static_cast<std::size_t>(pack));
}

} // namespace

ModelWizardTexts packTexts(ModelPack pack) {
    const Pack& row = packOf(pack);
    const auto text = [&row](const char* english) {
        return QCoreApplication::translate(row.context, english);
    };
    return {
        .windowName = QString::fromUtf8(row.windowName),
        .caption = text(row.caption),
        .nameSuffix = QString::fromUtf8(row.nameSuffix),
        .removeChoice = text(row.removeChoice),
        .installChoice = text(row.installChoice),
        .models = text(row.models),
        .packFolder = QString::fromUtf8(row.packFolder),
        .replaced = text(row.replaced),
        .pack = QUrl(qs(row.download)),
    };
}

} // namespace quarvel::ui
