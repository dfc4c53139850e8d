#pragma once

#include "ui/user_dialogs.h"

#include <QStringList>
#include <QUrl>

#include <deque>

// Answers the windows' questions from a script and records everything they showed.
class FakeDialogs final : public quarvel::ui::UserDialogs {
public:
    struct Shown {
        QString kind; // "question", "information", "warning"
        QString text;
    };

    std::deque<bool> answers; // for askYesNo, in order; No when empty
    QString fileToOpen;       // what the file dialog returns
    QString lastFilter;       // the filter it was shown with
    std::vector<Shown> shown;
    std::vector<QUrl> openedUrls;

    bool askYesNo(QWidget*, const QString&, const QString& text) override {
        shown.push_back({QStringLiteral("question"), text});
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void inform(QWidget*, const QString&, const QString& text) override {
        shown.push_back({QStringLiteral("information"), text});
    }
    void warn(QWidget*, const QString&, const QString& text) override {
        shown.push_back({QStringLiteral("warning"), text});
    }
    QString openFileName(QWidget*, const QString& filter) override {
        lastFilter = filter;
        return fileToOpen;
    }
    void openUrl(const QUrl& url) override { openedUrls.push_back(url); }
};
