#include "ui/user_dialogs.h"

#include "ui/message_box.h"
#include "ui/side_bar.h"

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
    bool offer(QWidget* parent, const QString& title, const QString& text,
               const QString& action) override {
        return showMessage(parent, MessageKind::Offer, title, text, action) ==
               QDialogButtonBox::Apply;
    }
    QString openFileName(QWidget* parent, const QString& filter) override {
        QFileDialog dialog(parent, QString(), QString(), filter);
        dialog.setFileMode(QFileDialog::ExistingFile);
        fitFileDialog(dialog);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
    void openUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

class SilentDialogs final : public UserDialogs {
public:
    bool askYesNo(QWidget*, const QString&, const QString&) override { return false; }
    void inform(QWidget*, const QString&, const QString&) override {}
    void warn(QWidget*, const QString&, const QString&) override {}
    bool offer(QWidget*, const QString&, const QString&, const QString&) override { return false; }
    QString openFileName(QWidget*, const QString&) override { return {}; }
    void openUrl(const QUrl&) override {}
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
