#include "ui/qt_translator.h"

#include <QLibraryInfo>

#include <array>

namespace quarvel::ui {

namespace {

// The texts of Qt that the main window asks for as it is made. Quarvel's translation carries them
// in Qt's words, so that Qt's own is read only when a window needs more of them.
struct QtText {
    const char* source;
    const char* comment;
};
[[maybe_unused]] constexpr std::array<QtText, 3> qtTextsAtStart{{
    QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
                       "Translate this string to the string 'LTR' in left-to-right languages or "
                       "to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get "
                       "proper widget layout."),
    QT_TRANSLATE_NOOP3("QTabBar", "Scroll Left", ""),
    QT_TRANSLATE_NOOP3("QTabBar", "Scroll Right", ""),
}};

} // namespace

QtTranslator::QtTranslator(const QLocale& locale, QObject* parent)
    : QTranslator(parent), locale_(locale) {}

QString QtTranslator::translate(const char* context, const char* sourceText,
                                const char* disambiguation, int n) const {
    // Any thread may ask first.
    std::call_once(read_, [this] {
        (void)texts_.load(locale_, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
    return texts_.translate(context, sourceText, disambiguation, n);
}

} // namespace quarvel::ui
