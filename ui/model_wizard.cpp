#include "ui/model_wizard.h"

#include "ui/clickable_label.h"
#include "ui/style.h"

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

// "C:\Program Files\Steam\SteamApps\", then the bold account name and the rest of the path.
void addSteamPath(QVBoxLayout* layout) {
    auto* lines = new QVBoxLayout;
    lines->setSpacing(1);
    addLabel(lines, QCoreApplication::translate("quarvel::ui::ModelWizard",
                                                "C:\\Program Files\\Steam\\SteamApps\\"));
    auto* account = new QHBoxLayout;
    account->setSpacing(0);
    addLabel(account, QCoreApplication::translate("quarvel::ui::ModelWizard", "ACCOUNT@NAME"), true)
        ->setWordWrap(false);
    addLabel(account,
             QCoreApplication::translate("quarvel::ui::ModelWizard", "\\Counter-Strike\\cstrike"))
        ->setWordWrap(false);
    account->addStretch();
    lines->addLayout(account);
    layout->addLayout(lines);
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent) {
    auto* result = new QPushButton(text, parent);
    result->setObjectName(name);
    result->setMinimumWidth(76);
    return result;
}

} // namespace

ModelWizard::ModelWizard(const ModelWizardTexts& texts, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), pack_(texts.pack) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(texts.caption);
    setFont(roleFont(FontRole::Text));

    framInstall_ = buildInstallFrame(texts);
    framDownload_ = buildDownloadFrame(texts);
    framRemove_ = buildRemoveFrame(texts);
    framInstall_->setObjectName(QStringLiteral("framInstall") + texts.nameSuffix);
    framDownload_->setObjectName(QStringLiteral("framDownload") + texts.nameSuffix);
    framRemove_->setObjectName(QStringLiteral("framRemove") + texts.nameSuffix);

    // The three frames share one place; each keeps its room while hidden, so the window does not
    // jump in size between the steps.
    auto* frames = new QGridLayout;
    for (QGroupBox* frame : {framInstall_, framDownload_, framRemove_}) {
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
        frames->addWidget(frame, 0, 0);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames, 1);
    layout->addWidget(buildButtons(texts.nameSuffix));

    // It opens at step 1, with Install chosen.
    optInstall_->setChecked(true);
    setStep(0);
    // Sentences wrap into more lines in a narrow window and in longer languages; the window never
    // gets shorter than its longest step needs.
    fitWrappedText(this, 430);
    fitToScreen(this, sizeHint().expandedTo(minimumSize()));
}

QGroupBox* ModelWizard::buildInstallFrame(const ModelWizardTexts& texts) {
    QGroupBox* frame = stepFrame(tr("[Step 1]"), this);
    auto* layout = new QVBoxLayout(frame);
    addLabel(layout, tr("Choose what you want to do:"), true);
    optRemove_ = new QRadioButton(texts.removeChoice, frame);
    optRemove_->setObjectName(QStringLiteral("optInstall_0"));
    optInstall_ = new QRadioButton(texts.installChoice, frame);
    optInstall_->setObjectName(QStringLiteral("optInstall_1"));
    auto* group = new QButtonGroup(frame);
    group->addButton(optRemove_, 0);
    group->addButton(optInstall_, 1);
    // Only the button and its caption take a click, so they are not stretched wider.
    layout->addWidget(optRemove_, 0, Qt::AlignLeft);
    layout->addWidget(optInstall_, 0, Qt::AlignLeft);
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

    addLabel(layout, tr("Once you have downloaded the models. Open the .zip file and "
                        "extract to:"));
    addSteamPath(layout);
    addLabel(layout, tr("NOTE: If you installed Steam elsewhere, please adjust the path "
                        "to cstrike accordingly."));
    layout->addStretch();
    return frame;
}

QGroupBox* ModelWizard::buildRemoveFrame(const ModelWizardTexts& texts) {
    QGroupBox* frame = stepFrame(tr("[Step 2]"), this);
    auto* layout = new QVBoxLayout(frame);
    addLabel(layout, tr("Open Windows Explorer (Start > Program Files > Windows "
                        "Explorer), and go to your cstrike folder in Steam."));
    addLabel(layout, tr("For example:"));
    addSteamPath(layout);
    for (const QString& step : texts.removeSteps) {
        addLabel(layout, step);
    }
    addLabel(layout, tr("The next time you play CS with Steam, you should see the "
                        "default models again!"));
    layout->addStretch();
    return frame;
}

QWidget* ModelWizard::buildButtons(const QString& suffix) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    cmdCancel_ = button(QStringLiteral("cmdCancel") + suffix, tr("Cancel"), row);
    cmdBack_ = button(QStringLiteral("cmdBack") + suffix, tr("< Back"), row);
    cmdNext_ = button(QStringLiteral("cmdNext") + suffix, tr("Next >"), row);
    cmdFinish_ = button(QStringLiteral("cmdFinish") + suffix, tr("Finish"), row);
    layout->addWidget(cmdCancel_);
    layout->addStretch();
    layout->addWidget(cmdBack_);
    layout->addWidget(cmdNext_);
    layout->addSpacing(8);
    layout->addWidget(cmdFinish_);

    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdFinish_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdNext_, &QPushButton::clicked, this, [this] { setStep(std::min(step_ + 1, 1)); });
    connect(cmdBack_, &QPushButton::clicked, this, [this] { setStep(std::max(step_ - 1, 0)); });
    return row;
}

void ModelWizard::setStep(int step) {
    step_ = step;
    if (step == 0) {
        framInstall_->setVisible(true);
        framDownload_->setVisible(false);
        framRemove_->setVisible(false);
        cmdFinish_->setEnabled(false);
        cmdNext_->setEnabled(true);
        cmdBack_->setEnabled(false);
        showDefault(cmdNext_);
    } else {
        const bool install = optInstall_->isChecked();
        framInstall_->setVisible(false);
        framDownload_->setVisible(install);
        framRemove_->setVisible(!install);
        cmdFinish_->setEnabled(true);
        cmdNext_->setEnabled(false);
        cmdBack_->setEnabled(true);
        showDefault(cmdFinish_);
    }
}

void ModelWizard::showDefault(QPushButton* button) {
    // The button Enter presses, as in any wizard, is drawn as the default one and has the focus.
    for (QPushButton* each : {cmdNext_, cmdFinish_}) {
        each->setDefault(each == button);
    }
    button->setFocus();
}

} // namespace quarvel::ui
