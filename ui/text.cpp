#include "ui/text.h"

#include <QCoreApplication>

namespace quarvel::ui {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString fromEngine(std::string_view text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toEngine(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

QString translated(const char* context, std::string_view english) {
    // The engine's marked texts are string literals, so they end in a null.
    return QCoreApplication::translate(context, english.data());
}

QString catalogueText(std::string_view english) {
    return translated("Catalogue", english);
}

QString failureText(const Failure& failure) {
    // The system's reasons and the paths come as UTF-8, the engine's words in English.
    return qs(describe(failure, [](std::string_view context, std::string_view english) {
        return translated(std::string(context).c_str(), english).toStdString();
    }));
}

QString sentencesText(const char* context, const std::vector<Sentence>& sentences) {
    QStringList lines;
    for (const Sentence& sentence : sentences) {
        // The values are the engine's: file names, cvars and their values, paths as UTF-8.
        lines << QString::fromStdString(
            filledWords(translated(context, sentence.words).toStdString(), sentence.values));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace quarvel::ui
