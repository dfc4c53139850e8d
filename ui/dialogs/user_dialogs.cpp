#include "ui/dialogs/user_dialogs.h"

#include "ui/dialogs/file_dialog.h"
#include "ui/dialogs/message_box.h"

#include <QDesktopServices>
#include <QFileDialog>

namespace quarvel::ui {

namespace {

class QtDialogs final : public UserDialogs {
public:
    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override {
        return showMessage(parent, MessageKind::Question, title, text) == QDialogButtonBox::Yes;
    }
    void inform(QWidget* parent, const QString& title, const QString& text) override {
        showMessage(parent, MessageKind::Information, title, text);
    }
    void warn(QWidget* parent, const QString& title, const QString& text) override {
        showMessage(parent, MessageKind::Warning, title, text);
    }
    void offer(QWidget* parent, const QString& title, const QString& text, const QString& action,
               const std::function<Message()>& act) override {
        showMessage(parent, MessageKind::Offer, title, text, {action, act});
    }
    QString openFileName(QWidget* parent, const QString& filter, const QString& folder) override {
        QFileDialog dialog(parent, QString(), folder, filter);
        dialog.setFileMode(QFileDialog::ExistingFile);
        // Steam's games lie under ~/.local, ~/.steam or ~/.var.
        dialog.setFilter(dialog.filter() | QDir::Hidden);
        fitFileDialog(dialog);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

class SilentDialogs final : public UserDialogs {
public:
    bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
    void inform(QWidget*, const QString&, const QString&) override {}
    void warn(QWidget*, const QString&, const QString&) override {}
    void offer(QWidget*, const QString&, const QString&, const QString&,
               const std::function<Message()>&) override {}
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    bool openUrl(const QUrl&) override { return true; }
};

} // namespace

UserDialogs& silentDialogs() {
    static SilentDialogs dialogs;
    return dialogs;
}

UserDialogs& qtDialogs() {
    static QtDialogs dialogs;
    return dialogs;
}

} // namespace quarvel::ui
