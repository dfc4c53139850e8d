#include "ui/text.h"

#include <QCoreApplication>
#include <QFile>

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
    QString reason;
    switch (failure.problem) {
    case FileProblem::System:
    case FileProblem::OldContentKept:
        reason = fromEngine(systemReason(failure.code));
        break;
    case FileProblem::Syntax:
        reason = fromEngine(failure.detail);
        break;
    case FileProblem::TooLarge:
        reason = translated("Failure", reasonWords(failure.problem)).arg(maxConfigFileSize >> 20);
        break;
    default:
        reason = translated("Failure", reasonWords(failure.problem));
        break;
    }
    QString text =
        translated("Failure", sentenceWords(failure.step)).arg(fromPath(failure.file), reason);
    if (failure.problem == FileProblem::OldContentKept) {
        text += QLatin1Char(' ') +
                translated("Failure", oldContentKeptWords).arg(fromPath(failure.copy));
    }
    return text;
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

std::filesystem::path toPath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

QString fromPath(const std::filesystem::path& path) {
#ifdef Q_OS_WIN
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

} // namespace quarvel::ui
