// The Russian translation: complete for every text of the sources, and the windows built in it
// show every text whole, even at their smallest size.

#include "config/script.h"
#include "fake_dialogs.h"
#include "ui/about/about_window.h"
#include "ui/application.h"
#include "ui/dialogs/user_dialogs.h"
#include "ui/install/install_window.h"
#include "ui/main/main_window.h"
#include "ui/wizards/pack_wizard.h"
#include "window_support.h"

using namespace quarvel::ui;

namespace {

// The source texts of a .ts file that lack a finished translation: one marked with a type
// (unfinished, vanished, obsolete) or empty.
QStringList untranslated(const QString& file) {
    QFile ts(file);
    if (!ts.open(QIODevice::ReadOnly)) {
        return {QStringLiteral("cannot read ") + file};
    }
    static const QRegularExpression message(
        QStringLiteral("<source>(.*?)</source>.*?<translation([^>]*)>(.*?)</translation>"),
        QRegularExpression::DotMatchesEverythingOption);
    QStringList missing;
    for (const auto& found : message.globalMatch(QString::fromUtf8(ts.readAll()))) {
        if (!found.captured(2).isEmpty() || found.captured(3).trimmed().isEmpty()) {
            missing << found.captured(1);
        }
    }
    return missing;
}

// The controls of a window that do not show their text whole: a label, button or frame caption
// narrower than it needs, or a wrapping label lower than its text.
QStringList clippedTexts(QWidget& window) {
    QStringList clipped;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        const auto* frame = qobject_cast<QGroupBox*>(widget);
        bool whole = !widget->isVisibleTo(&window);
        if (label && !whole) {
            whole = label->text().isEmpty() ||
                    (label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                       : label->width() >= label->minimumSizeHint().width());
        } else if (button && !whole) {
            const QString text = QString(button->text()).remove(QLatin1Char('&'));
            whole = button->fontMetrics().horizontalAdvance(text) <= button->width();
        } else if (!whole) {
            whole = !frame || frame->width() >= frame->minimumSizeHint().width();
        }
        if (!whole) {
            clipped << widget->objectName();
        }
    }
    return clipped;
}

// Every caption the windows show, as a sentence names it: without its access key or closing colon.
QSet<QString> captionsOf(const std::initializer_list<QWidget*>& windows) {
    QSet<QString> captions;
    const auto add = [&](QString text) {
        text = text.remove(QLatin1Char('&')).trimmed();
        if (text.endsWith(QLatin1Char(':'))) {
            text.chop(1);
        }
        captions << text;
    };
    for (QWidget* window : windows) {
        for (const auto* button : window->findChildren<QAbstractButton*>()) {
            add(button->text());
        }
        for (const auto* action : window->findChildren<QAction*>()) {
            add(action->text());
        }
        for (const auto* label : window->findChildren<QLabel*>()) {
            add(label->text());
        }
        for (const auto* list : window->findChildren<QComboBox*>()) {
            for (int item = 0; item < list->count(); ++item) {
                add(list->itemText(item));
            }
        }
        for (const auto* tabs : window->findChildren<QTabWidget*>()) {
            for (int tab = 0; tab < tabs->count(); ++tab) {
                add(tabs->tabText(tab));
            }
        }
    }
    return captions;
}

// The windows' messages of a .ts file, English and translated, without the descriptions and the
// catalogue, which quote words and values rather than the windows' options.
QList<std::pair<QString, QString>> messages(const QString& file) {
    QFile ts(file);
    if (!ts.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<std::pair<QString, QString>> found;
    QXmlStreamReader xml(&ts);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") &&
                   context != QLatin1String("Description") &&
                   context != QLatin1String("Catalogue")) {
            found.append({source, xml.readElementText(QXmlStreamReader::IncludeChildElements)});
        }
    }
    return found;
}

// The messages of a .ts file in Qt's own contexts (its classes' names), which Quarvel carries for
// texts that Qt asks for: context, source, comment and translation of each.
QList<QStringList> qtMessages(const QString& file) {
    QFile ts(file);
    if (!ts.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<QStringList> found;
    QXmlStreamReader xml(&ts);
    QStringList message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            message = {xml.readElementText(QXmlStreamReader::IncludeChildElements), {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message[1] = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            message[2].clear();
        } else if (xml.name() == QLatin1String("comment")) {
            message[2] = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == QLatin1String("translation") &&
                   message[0].startsWith(QLatin1Char('Q'))) {
            found.append(message +
                         QStringList{xml.readElementText(QXmlStreamReader::IncludeChildElements)});
        }
    }
    return found;
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    // A message that names an option names it by the caption the window shows, in both languages
    // (quoted "..." in English, «...» in Russian); a caption with the file it is about in
    // brackets may be named without them. Steam's own captions are Steam's. Every file a message
    // names is one of the game's that Quarvel knows.
    // First: the Russian translation, once loaded, stays.
    void everyMessageNamesOptionsByTheirCaptionsAndOnlyKnownFiles() {
        const QSet<QString> steams{QStringLiteral("Verify integrity of game files"),
                                   QStringLiteral("Проверить целостность файлов игры"),
                                   QStringLiteral("Свойства"),
                                   QStringLiteral("Установленные файлы")};
        const QSet<QString> files{QStringLiteral("autoexec.cfg"), QStringLiteral("config.cfg"),
                                  QStringLiteral("quarvel.cfg"),  QStringLiteral("userconfig.cfg"),
                                  QStringLiteral("*.cfg"),        QStringLiteral("custom.hpk"),
                                  QStringLiteral("v_*.mdl"),      QStringLiteral("liblist.gam")};
        const auto messagesOf = QStringLiteral(QUARVEL_TRANSLATIONS "/quarvel_ru.ts");
        QStringList wrong;
        for (const bool russian : {false, true}) {
            QVERIFY(!russian || useLanguage(QLocale(QLocale::Russian)));
            FakeDialogs dialogs;
            MainWindow main(dialogs);
            window_support::showEveryPage(main);
            InstallWindow install(quarvel::buildScript(main.engine().tweakLines()),
                                  quarvel::GameVersion::Classic, dialogs);
            install.offerTodaysGame([] { return std::string(); });
            ModelsWizard models(dialogs, std::filesystem::path("/game/cstrike"));
            AboutWindow about(dialogs);
            const QSet<QString> captions = captionsOf({&main, &install, &models, &about});
            const QRegularExpression quoted(russian ? QStringLiteral("«([^»]*)»")
                                                    : QStringLiteral("\"([^\"]*)\""));
            const QRegularExpression file(QStringLiteral("[\\w.*-]+\\.(cfg|gam|hpk|mdl)\\b"));
            for (const auto& [source, translation] : messages(messagesOf)) {
                const QString& text = russian ? translation : source;
                for (const auto& match : quoted.globalMatch(text)) {
                    const QString name = match.captured(1);
                    const bool caption = name.contains(QLatin1Char('%')) ||
                                         captions.contains(name) || steams.contains(name) ||
                                         std::ranges::any_of(captions, [&](const QString& each) {
                                             return each.startsWith(name + QStringLiteral(" ("));
                                         });
                    if (!caption) {
                        wrong << name + QStringLiteral(" in ") + text;
                    }
                }
                for (const auto& match : file.globalMatch(text)) {
                    if (!files.contains(match.captured(0).toLower())) {
                        wrong << match.captured(0) + QStringLiteral(" in ") + text;
                    }
                }
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    void everyTextOfTheSourcesHasARussianTranslation() {
        // lupdate, run over the sources into a copy, finds no text the translation lacks.
        QTemporaryDir scratch;
        const QString copy = scratch.filePath(QStringLiteral("quarvel_ru.ts"));
        QVERIFY(QFile::copy(QStringLiteral(QUARVEL_TRANSLATIONS "/quarvel_ru.ts"), copy));
        const QString arguments =
            QStringLiteral("-project \"%1\" -tr-function-alias QT_TRANSLATE_NOOP+=QVL_TRANSLATABLE "
                           "-locations none -no-obsolete -ts \"%2\"");
        QVERIFY(QProcess::execute(QStringLiteral(QUARVEL_LUPDATE),
                                  QProcess::splitCommand(arguments.arg(
                                      QStringLiteral(QUARVEL_LUPDATE_PROJECT), copy))) == 0);
        const QStringList missing = untranslated(copy);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }

    void russianWindowsShowEveryTextWholeAtTheirSmallestSize() {
        QVERIFY(useLanguage(QLocale(QLocale::Russian)));
        FakeDialogs dialogs;
        MainWindow main(dialogs);
        InstallWindow install(quarvel::buildScript(main.engine().tweakLines()),
                              quarvel::GameVersion::Classic, dialogs);
        ModelsWizard models(dialogs);
        WeaponsWizard weapons(dialogs);
        AboutWindow about(dialogs);
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

    // The texts of Qt that the main window asks for as it is made come from Quarvel's translation,
    // so that it opens without reading Qt's: in Qt's own words.
    void qtTextsOfQuarvelsTranslationAreQtsOwn() {
        QTranslator qts;
        QVERIFY(qts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        const QList<QStringList> carried =
            qtMessages(QStringLiteral(QUARVEL_TRANSLATIONS "/quarvel_ru.ts"));
        QVERIFY(!carried.isEmpty());
        for (const QStringList& message : carried) {
            QCOMPARE(message[3],
                     qts.translate(message[0].toUtf8(), message[1].toUtf8(), message[2].toUtf8()));
        }
    }

    // Qt's own texts come from Qt's translations (Debian's qt6-translations-l10n): the buttons of
    // a question and the file dialog speak Russian too.
    void questionsAndTheFileDialogSpeakRussian() {
        QVERIFY(useLanguage(QLocale(QLocale::Russian)));
        QStringList buttons;
        QVERIFY(window_support::inspectModal(
            [] { qtDialogs().askYesNo(nullptr, QStringLiteral("?"), QStringLiteral("?")); },
            [&](QWidget& question) {
                for (const auto* button : question.findChildren<QPushButton*>()) {
                    buttons << button->text() + (button->isDefault() ? QStringLiteral("*") : "");
                }
            }));
        buttons.sort();
        QCOMPARE(buttons.join(QLatin1Char(' ')), QStringLiteral("&Да &Нет*"));
        QString lookIn;
        QVERIFY(window_support::inspectModal(
            [] { qtDialogs().openFileName(nullptr, {}, {}); },
            [&](QWidget& files) {
                lookIn = window_support::child<QLabel>(files, QStringLiteral("lookInLabel")).text();
            }));
        QCOMPARE(lookIn, QStringLiteral("Перейти к:"));
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
