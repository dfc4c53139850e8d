#pragma once

#include "ui/dialogs/user_dialogs.h"

#include <QStringList>
#include <QUrl>

// Answers the windows' questions from a script and records everything they showed.
class FakeDialogs final : public quarvel::ui::UserDialogs {
public:
    QList<bool> answers; // for askYesNo and offer, in order; No when empty
    QString fileToOpen;  // what the file dialog returns
    QString lastFilter;  // the filter it was shown with
    QString lastFolder;  // the folder it opened at
    bool browser = true; // whether a browser or file manager can be started
    QStringList shown;   // "question: ", "information: " or "warning: " and the text
    std::vector<QUrl> openedUrls;

    bool askYesNo(QWidget*, const QString&, const QString& text) override {
        shown << QStringLiteral("question: ") + text;
        return !answers.isEmpty() && answers.takeFirst();
    }
    void inform(QWidget*, const QString&, const QString& text) override {
        shown << QStringLiteral("information: ") + text;
    }
    void warn(QWidget*, const QString&, const QString& text) override {
        shown << QStringLiteral("warning: ") + text;
    }
    // The action's outcome is recorded as "then: " or "then warning: " and its text.
    void offer(QWidget*, const QString&, const QString& text, const QString& action,
               const std::function<Message()>& act) override {
        shown << QStringLiteral("offer: ") + text + QStringLiteral(" [") + action +
                     QLatin1Char(']');
        if (!answers.isEmpty() && answers.takeFirst()) {
            const Message outcome = act();
            shown << (outcome.warning ? QStringLiteral("then warning: ")
                                      : QStringLiteral("then: ")) +
                         outcome.text;
        }
    }
    QString openFileName(QWidget*, const QString& filter, const QString& folder) override {
        lastFilter = filter;
        lastFolder = folder;
        return fileToOpen;
    }
    bool openUrl(const QUrl& url) override {
        openedUrls.push_back(url);
        return browser;
    }
};
