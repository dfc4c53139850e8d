// The Russian translation: complete for every text of the sources, and the windows built in it
// show every text whole, even at their smallest size.

#include "fake_dialogs.h"
#include "ui/QVLAbout.h"
#include "ui/QVLInstall.h"
#include "ui/QVLMain.h"
#include "ui/QVLModels.h"
#include "ui/QVLWeapons.h"
#include "ui/application.h"
#include "window_support.h"

using namespace quarvel::ui;

namespace {

// The messages of a .ts file that lack a finished translation.
QStringList untranslated(const QString& file) {
    QFile ts(file);
    if (!ts.open(QIODevice::ReadOnly)) {
        return {QStringLiteral("cannot read ") + file};
    }
    QStringList missing;
    QString source;
    for (QXmlStreamReader xml(&ts); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
            if (unfinished ||
                xml.readElementText(QXmlStreamReader::IncludeChildElements).isEmpty()) {
                missing << source;
            }
        }
    }
    return missing;
}

// The texts of a window that are not shown whole: a label, button or frame caption narrower than
// it needs, or a wrapping label lower than its text.
QStringList clippedTexts(QWidget& window) {
    QStringList clipped;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        const auto* label = qobject_cast<QLabel*>(widget);
        if (label && !label->text().isEmpty()) {
            const bool whole = label->wordWrap()
                                   ? label->height() >= label->heightForWidth(label->width())
                                   : label->width() >= label->minimumSizeHint().width();
            if (!whole) {
                clipped << label->text();
            }
        } else if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QString text = button->text();
            text.remove(QLatin1Char('&'));
            if (button->fontMetrics().horizontalAdvance(text) > button->width()) {
                clipped << text;
            }
        } else if (const auto* frame = qobject_cast<QGroupBox*>(widget)) {
            if (frame->width() < frame->minimumSizeHint().width()) {
                clipped << frame->title();
            }
        }
    }
    return clipped;
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextOfTheSourcesHasARussianTranslation() {
        // lupdate, run over the sources into a copy, finds no text the translation lacks.
        QTemporaryDir scratch;
        const QString copy = scratch.filePath(QStringLiteral("quarvel_ru.ts"));
        QVERIFY(QFile::copy(QStringLiteral(QUARVEL_TRANSLATIONS "/quarvel_ru.ts"), copy));
        QProcess lupdate;
        lupdate.start(QStringLiteral(QUARVEL_LUPDATE),
                      {QStringLiteral("-project"), QStringLiteral(QUARVEL_LUPDATE_PROJECT),
                       QStringLiteral("-tr-function-alias"),
                       QStringLiteral("QT_TRANSLATE_NOOP+=QVL_TRANSLATABLE"),
                       QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-no-obsolete"), QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
        const QStringList missing = untranslated(copy);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }

    void russianWindowsShowEveryTextWholeAtTheirSmallestSize() {
        QVERIFY(useLanguage(QLocale(QLocale::Russian)));
        FakeDialogs dialogs;
        QVLMain main(dialogs);
        QVLInstall install(main.engine().tweakLines(), dialogs);
        QVLModels models(dialogs);
        QVLWeapons weapons(dialogs);
        QVLAbout about(dialogs);
        auto& tabs = window_support::child<QTabWidget>(main, QStringLiteral("tabTweaks"));
        for (QWidget* window :
             std::initializer_list<QWidget*>{&main, &install, &models, &weapons, &about}) {
            window_support::showOwned(*window);
            window->resize(window->minimumSizeHint());
            const int pages = window == &main ? tabs.count() : 2;
            for (int page = 0; page < pages; ++page) {
                if (window == &main) {
                    tabs.setCurrentIndex(page);
                } else if (page == 1) { // a wizard's second step
                    for (auto* next : window->findChildren<QPushButton*>(
                             QRegularExpression(QStringLiteral("^cmdNext")))) {
                        QTest::mouseClick(next, Qt::LeftButton);
                    }
                }
                QTest::qWait(10);
                const QStringList clipped = clippedTexts(*window);
                QVERIFY2(clipped.isEmpty(), qPrintable(window->objectName() + QStringLiteral(": ") +
                                                       clipped.join(QStringLiteral(" | "))));
            }
        }
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
