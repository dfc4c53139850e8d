#pragma once

#include <QLocale>
#include <QTranslator>

#include <mutex>

namespace quarvel::ui {

// Qt's own texts in a language (the dialog buttons, the file dialog, a field's context menu), read
// from Qt's translations when Qt first asks for one of them. The main window shows none of them
// when it opens, and reading them is a good part of a start in Russian.
class QtTranslator : public QTranslator {
    Q_OBJECT
public:
    QtTranslator(const QLocale& locale, QObject* parent);

    [[nodiscard]] QString translate(const char* context, const char* sourceText,
                                    const char* disambiguation, int n) const override;

private:
    QLocale locale_;
    mutable QTranslator texts_;
    mutable std::once_flag read_;
};

} // namespace quarvel::ui
