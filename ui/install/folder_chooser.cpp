#include "ui/install/folder_chooser.h"

#include "ui/host_system.h"
#include "ui/style/style.h"
#include "ui/text.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace quarvel::ui {

FolderChooser::FolderChooser(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    drives_ = new QComboBox(this);
    drives_->setObjectName(QStringLiteral("Drive1"));
    for (const QFileInfo& drive : QDir::drives()) {
        drives_->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()),
                         drive.absoluteFilePath());
    }
    if (thisSystem() == HostSystem::Windows) {
        connect(drives_, &QComboBox::activated, this, &FolderChooser::showDrive);
    } else {
        // One file system tree: the folder tree reaches everything.
        drives_->setVisible(false);
    }
    layout->addWidget(drives_);

    layout->addWidget(buildFolderTree(), 1);

    path_ = new QLineEdit(this);
    path_->setObjectName(QStringLiteral("txtDirectory"));
    path_->setToolTip(tr("The directory the tweaks will be installed in."));
    path_->setAccessibleName(path_->toolTip());
    connect(path_, &QLineEdit::editingFinished, this, &FolderChooser::acceptTypedPath);
    layout->addWidget(path_);
    problem_ = plainLabel(QString(), this, true);
    problem_->setObjectName(QStringLiteral("lblDirectoryProblem"));
    setTextColour(problem_, ColourRole::Warning);
    problem_->setVisible(false);
    layout->addWidget(problem_);

    setTabOrder(drives_, folderTree_);
    setTabOrder(folderTree_, path_);
}

QTreeView* FolderChooser::buildFolderTree() {
    model_ = new QFileSystemModel(this);
    // Hidden folders too: a game under ~/.wine or ~/.var is in one.
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives | QDir::Hidden);
    model_->setReadOnly(true);
    model_->setRootPath(QString());
    folderTree_ = new QTreeView(this);
    folderTree_->setObjectName(QStringLiteral("Dir1"));
    folderTree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column) {
        folderTree_->hideColumn(column);
    }
    folderTree_->setHeaderHidden(true);
    // Deep folders scroll sideways instead of having their names cut short.
    folderTree_->header()->setStretchLastSection(false);
    folderTree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    folderTree_->setMinimumHeight(6 * folderTree_->fontMetrics().lineSpacing());
    connect(folderTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { followCurrentFolder(current); });
    // Enter opens a folder, as a double click does, as in a file chooser.
    connect(folderTree_, &QTreeView::activated, folderTree_, &QTreeView::expand);
    // Folders are read and sorted in the background, which moves the rows about: the target
    // stays in view until the player scrolls the tree himself.
    scrollTimer_ = new QTimer(this);
    scrollTimer_->setSingleShot(true);
    connect(scrollTimer_, &QTimer::timeout, this, &FolderChooser::showTarget);
    const auto follow = [this] {
        if (followTarget_) {
            scrollTimer_->start(0);
        }
    };
    connect(model_, &QFileSystemModel::directoryLoaded, this, follow);
    connect(model_, &QFileSystemModel::layoutChanged, this, follow);
    connect(model_, &QFileSystemModel::rowsInserted, this, follow);
    connect(folderTree_->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { followTarget_ = false; });
    return folderTree_;
}

void FolderChooser::setFolder(const std::filesystem::path& folder) {
    folder_ = folder;
    const QString shown = QDir::toNativeSeparators(fromPath(folder_));
    if (path_->text() != shown) {
        path_->setText(shown);
    }
    problem_->setVisible(false);
    followTarget_ = true;
    const QModelIndex index = model_->index(fromPath(folder_));
    if (index.isValid()) {
        if (folderTree_->currentIndex() != index) {
            folderTree_->setCurrentIndex(index);
        }
        showTarget();
    } else {
        folderTree_->selectionModel()->clear();
    }
    emit folderChanged();
}

bool FolderChooser::acceptTypedPath() {
    QString typed = path_->text().trimmed();
    if (typed == QDir::toNativeSeparators(fromPath(folder_))) {
        return true;
    }
    if (typed == QLatin1String("~") || typed.startsWith(QLatin1String("~/"))) {
        typed.replace(0, 1, QDir::homePath());
    }
    const QFileInfo entered(QDir::fromNativeSeparators(typed));
    if (!entered.isDir()) {
        problem_->setText(tr("\"%1\" is not a folder.").arg(typed));
        problem_->setVisible(true);
        return false;
    }
    setFolder(toPath(QDir::cleanPath(entered.absoluteFilePath())));
    return true;
}

void FolderChooser::showTarget() {
    const QModelIndex index = model_->index(fromPath(folder_));
    if (index.isValid() &&
        !folderTree_->viewport()->rect().contains(folderTree_->visualRect(index))) {
        folderTree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    }
}

void FolderChooser::followCurrentFolder(const QModelIndex& current) {
    if (!current.isValid()) {
        return;
    }
    const QString path = model_->filePath(current);
    if (path != fromPath(folder_)) {
        setFolder(toPath(path));
    }
}

void FolderChooser::showDrive(int index) {
    setFolder(toPath(drives_->itemData(index).toString()));
}

} // namespace quarvel::ui
