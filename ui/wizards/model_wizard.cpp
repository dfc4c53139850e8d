#include "ui/wizards/model_wizard.h"

#include "games/game_folder.h"
#include "ui/style/style.h"
#include "ui/text.h"
#include "ui/widgets/clickable_label.h"
#include "ui/widgets/window_geometry.h"
#include "ui/widgets/window_memory.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quarvel::ui {

namespace {

QLabel* addLabel(QLayout* layout, const QString& text, bool bold = false) {
    QLabel* label = plainLabel(text, nullptr, true);
    if (bold) {
        label->setFont(roleFont(FontRole::Bold));
    }
    layout->addWidget(label);
    return label;
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent) {
    auto* result = new QPushButton(text, parent);
    result->setObjectName(name);
    result->setMinimumWidth(76);
    return result;
}

// A path as the system writes it.
QString systemPath(const QString& path, HostSystem system) {
    QString shown = path;
    return system == HostSystem::Windows ? shown.replace(QLatin1Char('/'), QLatin1Char('\\'))
                                         : shown.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace

ModelSteps modelSteps(const ModelWizardTexts& texts,
                      const std::optional<std::filesystem::path>& game, HostSystem system) {
    ModelSteps steps;
    const QString packFolder = systemPath(texts.packFolder, system);
    const QString replaced = texts.replaced.arg(packFolder);
    if (game) {
        steps.folder = systemPath(fromPath(*game), system);
        steps.browse =
            system == HostSystem::Windows
                ? QCoreApplication::translate("quarvel::ui::ModelWizard",
                                              "\"Open folder\" shows it in File Explorer.")
                : QCoreApplication::translate("quarvel::ui::ModelWizard",
                                              "\"Open folder\" shows it in your file manager.");
    } else {
        steps.browse = QCoreApplication::translate(
            "quarvel::ui::ModelWizard",
            "Quarvel found no Counter-Strike: use the cstrike folder in the folder "
            "you installed Half-Life in.");
    }
    // Whatever the copy, the game's own files stay: without them the game has no models.
    steps.remove = {QCoreApplication::translate("quarvel::ui::ModelWizard",
                                                "The pack replaced %1. Do not delete them: "
                                                "Counter-Strike would have no models.")
                        .arg(replaced)};
    if (game && games::inSteamLibrary(*game)) {
        steps.remove << QCoreApplication::translate(
            "quarvel::ui::ModelWizard",
            "Steam puts the game's own files back: in Steam, right-click Counter-Strike, choose "
            "Properties, then Installed Files, and press \"Verify integrity of game files\".");
    } else {
        steps.before = {QCoreApplication::translate(
                            "quarvel::ui::ModelWizard",
                            "The pack replaces %1. Copy the folder %2 somewhere safe first, so "
                            "that you can put them back.")
                            .arg(replaced, packFolder)};
        steps.remove << QCoreApplication::translate(
                            "quarvel::ui::ModelWizard",
                            "Copy the folder %1 you kept before the install back into the game "
                            "folder, replacing the files there, or install the game again.")
                            .arg(packFolder);
    }
    return steps;
}

ModelWizard::ModelWizard(const ModelWizardTexts& texts, UserDialogs& dialogs,
                         std::optional<std::filesystem::path> game, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), pack_(texts.pack), game_(std::move(game)),
      steps_(modelSteps(texts, game_, thisSystem())) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Named before its placement is remembered, which goes by the name.
    setObjectName(texts.windowName);
    setWindowTitle(texts.caption);
    setFont(roleFont(FontRole::Text));

    choiceFrame_ = buildChoiceFrame(texts);
    downloadFrame_ = buildDownloadFrame(texts);
    removeFrame_ = buildRemoveFrame();
    choiceFrame_->setObjectName(QStringLiteral("framInstall") + texts.nameSuffix);
    downloadFrame_->setObjectName(QStringLiteral("framDownload") + texts.nameSuffix);
    removeFrame_->setObjectName(QStringLiteral("framRemove") + texts.nameSuffix);

    // The three frames share one place; each keeps its room while hidden, so the window does not
    // jump in size between the steps.
    auto* frames = new QGridLayout;
    for (QGroupBox* frame : {choiceFrame_, downloadFrame_, removeFrame_}) {
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
        frames->addWidget(frame, 0, 0);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames, 1);
    layout->addWidget(buildButtons(texts.nameSuffix));

    // It opens at step 1, with Install chosen.
    installChoice_->setChecked(true);
    setStep(0);
    // Sentences wrap into more lines in a narrow window and in longer languages; the window never
    // gets shorter than its longest step needs.
    fitWrappedText(this, 430);
    fitToScreen(this, sizeHint().expandedTo(minimumSize()));
    rememberPlacement(this);
}

QGroupBox* ModelWizard::buildChoiceFrame(const ModelWizardTexts& texts) {
    QGroupBox* frame = stepFrame(tr("[Step 1]"), this);
    auto* layout = new QVBoxLayout(frame);
    addLabel(layout, tr("Choose what you want to do:"), true);
    removeChoice_ = new QRadioButton(texts.removeChoice, frame);
    removeChoice_->setObjectName(QStringLiteral("optInstall_0"));
    installChoice_ = new QRadioButton(texts.installChoice, frame);
    installChoice_->setObjectName(QStringLiteral("optInstall_1"));
    auto* group = new QButtonGroup(frame);
    group->addButton(removeChoice_, 0);
    group->addButton(installChoice_, 1);
    // Only the button and its caption take a click, so they are not stretched wider.
    layout->addWidget(removeChoice_, 0, Qt::AlignLeft);
    layout->addWidget(installChoice_, 0, Qt::AlignLeft);
    layout->addStretch();
    return frame;
}

QGroupBox* ModelWizard::buildDownloadFrame(const ModelWizardTexts& texts) {
    QGroupBox* frame = stepFrame(tr("[Step 2]"), this);
    auto* layout = new QVBoxLayout(frame);

    auto* sentence = new QVBoxLayout;
    sentence->setSpacing(1);
    auto* firstLine = new QHBoxLayout;
    firstLine->setSpacing(4);
    auto* link = new ClickableLabel(tr("Click here"), frame);
    link->setObjectName(QStringLiteral("Label2"));
    setTextColour(link, ColourRole::Link);
    link->setToolTip(pack_.toString());
    connect(link, &ClickableLabel::clicked, this, [this] { dialogs_.openUrl(pack_); });
    firstLine->addWidget(link);
    addLabel(firstLine, tr("to start downloading the Hi FPS"))->setWordWrap(false);
    firstLine->addStretch();
    sentence->addLayout(firstLine);
    addLabel(sentence, texts.models);
    layout->addLayout(sentence);

    addLabel(layout, tr("Once you have downloaded the models, open the .zip file and extract it "
                        "into your Counter-Strike folder:"));
    addGameFolder(layout);
    for (const QString& step : steps_.before) {
        addLabel(layout, step);
    }
    layout->addStretch();
    return frame;
}

QGroupBox* ModelWizard::buildRemoveFrame() {
    QGroupBox* frame = stepFrame(tr("[Step 2]"), this);
    auto* layout = new QVBoxLayout(frame);
    addLabel(layout, tr("Your Counter-Strike folder:"));
    addGameFolder(layout);
    for (const QString& step : steps_.remove) {
        addLabel(layout, step);
    }
    addLabel(layout, tr("The next time you play CS, you should see the default models again!"));
    layout->addStretch();
    return frame;
}

void ModelWizard::addGameFolder(QVBoxLayout* layout) {
    if (!steps_.folder.isEmpty()) {
        auto* row = new QHBoxLayout;
        QLabel* path = addLabel(row, steps_.folder, true);
        path->setObjectName(QStringLiteral("lblGameFolder"));
        // The path can be copied, and a long one wraps anywhere rather than widen the window.
        path->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        path->setWordWrap(true);
        auto* open = new QPushButton(tr("&Open folder"), this);
        open->setObjectName(QStringLiteral("cmdOpenFolder"));
        connect(open, &QPushButton::clicked, this, &ModelWizard::openGameFolder);
        row->addWidget(open, 0, Qt::AlignTop);
        layout->addLayout(row);
    }
    addLabel(layout, steps_.browse);
}

void ModelWizard::openGameFolder() {
    if (!dialogs_.openUrl(QUrl::fromLocalFile(fromPath(*game_)))) {
        dialogs_.warn(
            this, windowTitle(),
            tr("No file manager could be started. The folder is:\n%1").arg(steps_.folder));
    }
}

QWidget* ModelWizard::buildButtons(const QString& suffix) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    cancelButton_ = button(QStringLiteral("cmdCancel") + suffix, tr("&Cancel"), row);
    backButton_ = button(QStringLiteral("cmdBack") + suffix, tr("< &Back"), row);
    nextButton_ = button(QStringLiteral("cmdNext") + suffix, tr("&Next >"), row);
    finishButton_ = button(QStringLiteral("cmdFinish") + suffix, tr("&Finish"), row);
    layout->addWidget(cancelButton_);
    layout->addStretch();
    layout->addWidget(backButton_);
    layout->addWidget(nextButton_);
    layout->addSpacing(8);
    layout->addWidget(finishButton_);

    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(finishButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(nextButton_, &QPushButton::clicked, this, [this] { setStep(std::min(step_ + 1, 1)); });
    connect(backButton_, &QPushButton::clicked, this, [this] { setStep(std::max(step_ - 1, 0)); });
    return row;
}

void ModelWizard::setStep(int step) {
    step_ = step;
    if (step == 0) {
        choiceFrame_->setVisible(true);
        downloadFrame_->setVisible(false);
        removeFrame_->setVisible(false);
        finishButton_->setEnabled(false);
        nextButton_->setEnabled(true);
        backButton_->setEnabled(false);
        showDefault(nextButton_);
    } else {
        const bool install = installChoice_->isChecked();
        choiceFrame_->setVisible(false);
        downloadFrame_->setVisible(install);
        removeFrame_->setVisible(!install);
        finishButton_->setEnabled(true);
        nextButton_->setEnabled(false);
        backButton_->setEnabled(true);
        showDefault(finishButton_);
    }
}

void ModelWizard::showDefault(QPushButton* button) {
    // The button Enter presses, as in any wizard, is drawn as the default one and has the focus.
    for (QPushButton* each : {nextButton_, finishButton_}) {
        each->setDefault(each == button);
    }
    button->setFocus();
}

} // namespace quarvel::ui
