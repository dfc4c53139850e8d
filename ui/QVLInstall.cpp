#include "ui/QVLInstall.h"
#include "ui/text.h"

#include "config/install.h"
#include "config/script.h"
#include "ui/step_frame.h"
#include "ui/style.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <filesystem>

namespace quarvel::ui {

namespace {

// The field ends its lines with '\n' (a pasted text may bring CR too); the game's files use
// CR LF.
QString withCrLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    text.replace(QChar(u'\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

QVLInstall::QVLInstall(const quarvel::TweakLines& lines, UserDialogs& dialogs,
                       std::vector<games::DetectedGame> games, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), games_(std::move(games)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("QVLInstall"));
    setWindowTitle(QStringLiteral("Install Tweaks"));
    setFont(verdana());

    auto* right = new QVBoxLayout;
    right->addWidget(buildDirectoryStep(), 1);
    right->addWidget(buildInstallStep());

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildEditor(), 3);
    layout->addLayout(right, 2);

    setTabOrder(txtTweaks_, gamesList_);
    setTabOrder(gamesList_, drive1_);
    setTabOrder(drive1_, dir1_);
    setTabOrder(dir1_, target_);
    setTabOrder(target_, cmdInstall_);

    // Form_Load: the store is read once, here.
    showScript(buildScript(lines));
    setDirectory(QDir::currentPath());
    resize(780, 540);
}

QWidget* QVLInstall::buildEditor() {
    auto* editor = new QWidget(this);
    auto* layout = new QVBoxLayout(editor);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* note =
        plainLabel(QStringLiteral("Any changes made to the following code will be saved once "
                                  "you INSTALL the tweaks using Step 1 and 2."),
                   editor);
    note->setObjectName(QStringLiteral("lblNote"));
    note->setWordWrap(true);
    setTextColour(note, Qt::red);
    layout->addWidget(note);

    auto* frame = new QGroupBox(QStringLiteral("CUSTOM CONFIG EDITING"), editor);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* inner = new QVBoxLayout(frame);
    txtTweaks_ = new QPlainTextEdit(frame);
    txtTweaks_->setObjectName(QStringLiteral("txtTweaks"));
    txtTweaks_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtTweaks_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A script has no use for tab characters; Tab moves on to the directory.
    txtTweaks_->setTabChangesFocus(true);
    inner->addWidget(txtTweaks_);
    layout->addWidget(frame, 1);
    return editor;
}

QWidget* QVLInstall::buildDirectoryStep() {
    QGroupBox* frame = stepFrame(QStringLiteral("[Step 1]"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    auto* layout = new QVBoxLayout(frame);

    auto* prompt =
        plainLabel(QStringLiteral("Please select the path to the game directory."), frame);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);

    auto* examples = new QVBoxLayout;
    examples->setSpacing(1);
    examples->addWidget(plainLabel(QStringLiteral("Steam example:"), frame));
    examples->addWidget(plainLabel(QStringLiteral("C:\\Program Files\\Steam\\SteamApps\\"), frame));
    auto* account = new QHBoxLayout;
    account->setSpacing(0);
    account->addWidget(plainLabel(QStringLiteral("ACCOUNT@NAME"), frame));
    account->addWidget(plainLabel(QStringLiteral("\\Counter-Strike\\cstrike"), frame));
    account->addStretch();
    examples->addLayout(account);
    examples->addSpacing(4);
    examples->addWidget(plainLabel(QStringLiteral("Non-Steam example:"), frame));
    examples->addWidget(plainLabel(QStringLiteral("C:\\Sierra\\Half-Life\\cstrike"), frame));
    layout->addLayout(examples);
    addDetectedGames(layout, frame);

    drive1_ = new QComboBox(frame);
    drive1_->setObjectName(QStringLiteral("Drive1"));
    for (const QFileInfo& drive : QDir::drives()) {
        drive1_->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()),
                         drive.absoluteFilePath());
    }
#ifdef Q_OS_WIN
    connect(drive1_, &QComboBox::activated, this, &QVLInstall::Drive1_Change);
#else
    // One file system tree: the directory list reaches everything.
    drive1_->setVisible(false);
#endif
    layout->addWidget(drive1_);

    dirModel_ = new QFileSystemModel(this);
    dirModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    dirModel_->setReadOnly(true);
    dirModel_->setRootPath(QString());
    dir1_ = new QTreeView(frame);
    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setModel(dirModel_);
    for (int column = 1; column < dirModel_->columnCount(); ++column) {
        dir1_->hideColumn(column);
    }
    dir1_->setHeaderHidden(true);
    dir1_->setMinimumHeight(160);
    connect(dir1_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { Dir1_Change(current); });
    // Directories are read and sorted in the background, which moves the rows about: keep the
    // target in view until the player scrolls the list himself.
    scrollTimer_ = new QTimer(this);
    scrollTimer_->setSingleShot(true);
    connect(scrollTimer_, &QTimer::timeout, this, &QVLInstall::showTarget);
    const auto follow = [this] {
        if (followTarget_) {
            scrollTimer_->start(0);
        }
    };
    connect(dirModel_, &QFileSystemModel::directoryLoaded, this, follow);
    connect(dirModel_, &QFileSystemModel::layoutChanged, this, follow);
    connect(dirModel_, &QFileSystemModel::rowsInserted, this, follow);
    connect(dir1_->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { followTarget_ = false; });
    layout->addWidget(dir1_, 1);

    target_ = new QLineEdit(frame);
    target_->setObjectName(QStringLiteral("txtDirectory"));
    target_->setReadOnly(true);
    target_->setToolTip(QStringLiteral("The directory the tweaks will be installed in."));
    layout->addWidget(target_);
    return frame;
}

void QVLInstall::addDetectedGames(QLayout* layout, QWidget* frame) {
    auto* caption = plainLabel(QStringLiteral("Detected games:"), frame);
    auto* list = new QComboBox(frame);
    list->setObjectName(QStringLiteral("cmbGames"));
    caption->setBuddy(list);
    for (const auto& game : games_) {
        list->addItem(QStringLiteral("%1 (%2)").arg(
            qs(game.name), QDir::toNativeSeparators(fromPath(game.directory))));
    }
    // Nothing is chosen at first: the directory list starts where it always does.
    list->setCurrentIndex(-1);
    list->setPlaceholderText(games_.empty() ? QStringLiteral("No games found")
                                            : QStringLiteral("Choose a game..."));
    list->setEnabled(!games_.empty());
    list->setToolTip(QStringLiteral("Game directories found in your Steam libraries."));
    connect(list, &QComboBox::activated, this, [this](int index) {
        setDirectory(games_.at(static_cast<std::size_t>(index)).directory);
    });
    layout->addWidget(caption);
    layout->addWidget(list);
    gamesList_ = list;
}

QWidget* QVLInstall::buildInstallStep() {
    QGroupBox* frame = stepFrame(QStringLiteral("[Step 2]"), this);
    frame->setObjectName(QStringLiteral("Frame3"));
    auto* layout = new QVBoxLayout(frame);
    auto* hint = plainLabel(
        QStringLiteral("Click on [Install Tweaks] once you have finished [Step 1]."), frame);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    cmdInstall_ = new QPushButton(QStringLiteral("Install Tweaks"), frame);
    cmdInstall_->setObjectName(QStringLiteral("cmdInstall"));
    cmdInstall_->setDefault(true);
    connect(cmdInstall_, &QPushButton::clicked, this, &QVLInstall::cmdInstall_Click);
    layout->addWidget(cmdInstall_, 0, Qt::AlignHCenter);
    return frame;
}

void QVLInstall::showScript(const std::string& text) {
    QString shown = fromEngine(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtTweaks_->setPlainText(shown);
}

QString QVLInstall::scriptText() const {
    return withCrLf(txtTweaks_->toPlainText());
}

QString QVLInstall::directory() const {
    return fromPath(directory_);
}

void QVLInstall::setDirectory(const QString& path) {
    setDirectory(toPath(QDir::cleanPath(QDir(path).absolutePath())));
}

void QVLInstall::setDirectory(const std::filesystem::path& path) {
    directory_ = path;
    target_->setText(QDir::toNativeSeparators(directory()));
    followTarget_ = true;
    const QModelIndex index = dirModel_->index(directory());
    if (index.isValid()) {
        if (dir1_->currentIndex() != index) {
            dir1_->setCurrentIndex(index);
        }
        showTarget();
    } else {
        dir1_->selectionModel()->clear();
    }
}

void QVLInstall::showTarget() {
    const QModelIndex index = dirModel_->index(directory());
    if (index.isValid() && !dir1_->viewport()->rect().contains(dir1_->visualRect(index))) {
        dir1_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    }
}

void QVLInstall::Dir1_Change(const QModelIndex& current) {
    if (!current.isValid()) {
        return;
    }
    const QString path = dirModel_->filePath(current);
    if (path != directory()) {
        setDirectory(path);
    }
}

void QVLInstall::Drive1_Change(int index) {
    setDirectory(drive1_->itemData(index).toString());
}

void QVLInstall::keyPressEvent(QKeyEvent* event) {
    // Enter that no field used (in the directory list, say) presses the default button.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        cmdInstall_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void QVLInstall::cmdInstall_Click() {
    if (scriptExists(directory_) &&
        !dialogs_.askYesNo(this, QStringLiteral("Warning!"), qs(overwriteQuestion))) {
        return;
    }
    InstallResult result;
    try {
        result = InstallTweaks(directory_, toEngine(scriptText()));
    } catch (const std::bad_alloc&) {
        result.failure =
            Failure{.problem = FileProblem::OutOfMemory, .file = directory_ / scriptFileName};
    }
    if (!result.installed()) {
        dialogs_.warn(this, QStringLiteral("Install failed"),
                      fromEngine(describe(*result.failure)));
        return;
    }
    showScript(result.installedText);
    dialogs_.inform(this, QStringLiteral("Quarvel"), fromEngine(installedMessage(directory_)));
    close();
}

} // namespace quarvel::ui
