#pragma once

#include "ui/user_dialogs.h"

#include <QStringList>
#include <QUrl>

// Answers the windows' questions from a script and records everything they showed.
class FakeDialogs final : public quarvel::ui::UserDialogs {
public:
    QList<bool> answers; // for askYesNo and offer, in order; No when empty
    QString fileToOpen;  // what the file dialog returns
    QString lastFilter;  // the filter it was shown with
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
    bool offer(QWidget*, const QString&, const QString& text, const QString& action) override {
        shown << QStringLiteral("offer: ") + text + QStringLiteral(" [") + action +
                     QLatin1Char(']');
        return !answers.isEmpty() && answers.takeFirst();
    }
    QString openFileName(QWidget*, const QString& filter) override {
        lastFilter = filter;
        return fileToOpen;
    }
    void openUrl(const QUrl& url) override { openedUrls.push_back(url); }
};
