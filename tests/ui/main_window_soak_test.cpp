// Thousands of random clicks and keystrokes on the main window; after each one every widget must
// show its editor's state and the engine must be consistent. QUARVEL_UI_SOAK_SEED=N replays a run.

#include "fake_dialogs.h"
#include "support/engine_invariants.h"
#include "ui/QVLMain.h"
#include "window_support.h"

#include <random>

using namespace quarvel;

class MainWindowSoakTest : public QObject {
    Q_OBJECT

    template <typename T> static QList<T*> named(QWidget& window, const char* prefix) {
        return window.findChildren<T*>(
            QRegularExpression(QLatin1Char('^') + QLatin1String(prefix)));
    }

    // The first editor whose widget shows something else than the engine holds.
    static QString mismatch(ui::QVLMain& window) {
        const Engine& engine = window.engine();
        for (EditorId id = 0; id < editorCount; ++id) {
            const auto& def = editor(id);
            const QString name = window_support::qs(def.name);
            const auto* widget = window.findChild<QWidget*>(name);
            bool same = true;
            if (def.kind == EditorKind::OptionPair) {
                for (const int element : {0, 1}) {
                    same = same && window_support::child<QRadioButton>(
                                       window, name + QStringLiteral("_%1").arg(element))
                                           .isChecked() == (engine.selected(id) == element);
                }
            } else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
                same = list->currentIndex() == engine.selected(id);
            } else {
                const auto* field = qobject_cast<const QLineEdit*>(widget);
                const QString shown =
                    field ? field->text() : qobject_cast<const QLabel*>(widget)->text();
                same = shown == QString::fromStdString(engine.text(id));
            }
            if (!same) {
                return name;
            }
        }
        if (window.findChild<QComboBox*>(QStringLiteral("cmbLimits"))->currentIndex() !=
            static_cast<int>(engine.rateLimits())) {
            return QStringLiteral("cmbLimits");
        }
        return {};
    }

private slots:
    void randomClicksAndKeysKeepWidgetsAndEngineInStep() {
        const unsigned seed = qEnvironmentVariableIsSet("QUARVEL_UI_SOAK_SEED")
                                  ? qEnvironmentVariableIntValue("QUARVEL_UI_SOAK_SEED")
                                  : 2026u;
        std::mt19937 random(seed);
        FakeDialogs dialogs;
        ui::QVLMain window(dialogs);
        window_support::showOwned(window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window_support::showEveryPage(window);

        const auto radios = named<QRadioButton>(window, "opt");
        const auto defaults = named<QPushButton>(window, "cmd");
        const auto lists = named<QComboBox>(window, "cmb");
        const auto fields = named<QLineEdit>(window, "txt");
        const auto presets = named<QAction>(window, "mnuPre");
        QVERIFY(radios.size() == 58 && defaults.size() == 41 && lists.size() == 15 &&
                fields.size() == 14 && presets.size() == 4);
        const auto pick = [&](const auto& list) { return list[int(random() % list.size())]; };
        const char keys[] = "0123456789.5k -";

        QString last;
        for (int action = 0; action < 5000; ++action) {
            const auto roll = random() % 10;
            if (roll < 3) { // an option or a DEFAULT button
                QAbstractButton* button =
                    roll < 2 ? static_cast<QAbstractButton*>(pick(radios)) : pick(defaults);
                window_support::bringUp(button);
                QTest::mouseClick(button, Qt::LeftButton);
                last = QStringLiteral("click ") + button->objectName();
            } else if (roll < 5) {
                QComboBox* list = pick(lists);
                window_support::bringUp(list);
                list->setFocus();
                QTest::keyClick(list, random() % 2 ? Qt::Key_Down : Qt::Key_Up);
                last = QStringLiteral("arrow in ") + list->objectName();
            } else if (roll < 9) { // typing, erasing or pasting at a random place in a field
                QLineEdit* field = pick(fields);
                window_support::bringUp(field);
                field->setFocus();
                field->setCursorPosition(int(random() % (field->text().size() + 1)));
                QString typed;
                for (int n = 1 + int(random() % 4); n > 0; --n) {
                    typed += QLatin1Char(keys[random() % (sizeof keys - 1)]);
                }
                if (roll < 8) {
                    QTest::keyClicks(field, typed);
                } else {
                    QTest::keyClick(field, random() % 2 ? Qt::Key_Backspace : Qt::Key_Delete);
                    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
                    typed = QStringLiteral("erase");
                }
                last = QStringLiteral("keys \"%1\" in %2").arg(typed, field->objectName());
            } else {
                pick(presets)->trigger();
                last = QStringLiteral("preset");
            }
            const QString where =
                QStringLiteral("seed %1, action %2 (%3): ").arg(seed).arg(action).arg(last);
            const QString differs = mismatch(window);
            QVERIFY2(differs.isEmpty(), qPrintable(where + differs));
            const std::string broken = testing_support::invariantViolation(window.engine());
            QVERIFY2(broken.empty(), qPrintable(where + QString::fromStdString(broken)));
        }
    }
};

QTEST_MAIN(MainWindowSoakTest)
#include "main_window_soak_test.moc"
