#pragma once

#include <QWidget>

#include <filesystem>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QModelIndex;
class QTimer;
class QTreeView;

namespace quarvel::ui {

// Where the tweaks go, chosen as in a file chooser: the drive list (on Windows), the folder tree
// (hidden folders too; Enter or a double click opens a folder) and the path field, which takes a
// typed or pasted path, "~" for the home folder. The chosen folder is kept as the path's own bytes.
class FolderChooser : public QWidget {
    Q_OBJECT
public:
    explicit FolderChooser(QWidget* parent = nullptr);

    [[nodiscard]] const std::filesystem::path& folder() const { return folder_; }
    // Makes a folder the chosen one; one that does not exist is kept as it is given.
    void setFolder(const std::filesystem::path& folder);
    // Takes what is typed in the path field, if anything; false, and it says so, when that is no
    // folder, so that nothing goes where the player did not mean it to.
    bool acceptTypedPath();

signals:
    void folderChanged();

private:
    // The tree of folders, which keeps the chosen one in view while it is read.
    QTreeView* buildFolderTree();
    void followCurrentFolder(const QModelIndex& current);
    void showDrive(int index);
    void showTarget();

    std::filesystem::path folder_;
    QComboBox* drives_ = nullptr;
    QTreeView* folderTree_ = nullptr;
    QFileSystemModel* model_ = nullptr;
    QLineEdit* path_ = nullptr;
    QLabel* problem_ = nullptr;
    // The tree keeps the chosen folder in view while it is read, until the player scrolls it.
    bool followTarget_ = true;
    QTimer* scrollTimer_ = nullptr;
};

} // namespace quarvel::ui
