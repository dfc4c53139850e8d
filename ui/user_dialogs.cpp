#include "ui/user_dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace quarvel::ui {

namespace {

class QtDialogs final : public UserDialogs {
public:
    bool askYesNo(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Yes | QMessageBox::No,
                        parent);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
    void inform(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
        box.exec();
    }
    void warn(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox::warning(parent, title, text);
    }
    bool offer(QWidget* parent, const QString& title, const QString& text,
               const QString& action) override {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Close, parent);
        QPushButton* mend = box.addButton(action, QMessageBox::AcceptRole);
        box.setDefaultButton(QMessageBox::Close);
        box.exec();
        return box.clickedButton() == mend;
    }
    QString openFileName(QWidget* parent, const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
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
