// Thousands of random clicks and keystrokes on the main window; after each one every widget must
// show its editor's state and the engine must be consistent. QUARVEL_UI_SOAK_SEED=N replays a run.

#include "fake_dialogs.h"
#include "support/engine_invariants.h"
#include "ui/QVLMain.h"
#include "window_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <random>

using namespace quarvel;

class MainWindowSoakTest : public QObject {
    Q_OBJECT

    template <typename T> static QList<T*> named(QWidget& window, const char* prefix) {
        QList<T*> found;
        for (T* child : window.findChildren<T*>()) {
            if (child->objectName().startsWith(QLatin1String(prefix))) {
                found.append(child);
            }
        }
        return found;
    }

    // The first editor whose widget shows something else than the engine holds.
    static QString mismatch(ui::QVLMain& window) {
        const Engine& engine = window.engine();
        for (EditorId id = 0; id < editorCount; ++id) {
            const auto& def = editor(id);
            const QString name = QString::fromUtf8(def.name.data(), qsizetype(def.name.size()));
            bool same = true;
            if (def.kind == EditorKind::OptionPair) {
                same = window.findChild<QRadioButton*>(name + QStringLiteral("_1"))->isChecked() ==
                           (engine.selected(id) == 1) &&
                       window.findChild<QRadioButton*>(name + QStringLiteral("_0"))->isChecked() ==
                           (engine.selected(id) == 0);
            } else if (def.kind == EditorKind::List) {
                same = window.findChild<QComboBox*>(name)->currentIndex() == engine.selected(id);
            } else {
                const QString shown = def.kind == EditorKind::Field
                                          ? window.findChild<QLineEdit*>(name)->text()
                                          : window.findChild<QLabel*>(name)->text();
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
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window_support::showEveryPage(window);

        const auto radios = named<QRadioButton>(window, "opt");
        const auto defaults = named<QPushButton>(window, "cmd");
        const auto lists = named<QComboBox>(window, "cmb");
        const auto fields = named<QLineEdit>(window, "txt");
        const auto presets =
            window.findChildren<QAction*>(QRegularExpression(QStringLiteral("^mnuPre")));
        QVERIFY(radios.size() == 58 && defaults.size() == 41 && lists.size() == 15 &&
                fields.size() == 14 && presets.size() == 4);
        const auto pick = [&](const auto& list) { return list[int(random() % list.size())]; };
        const auto bringUp = window_support::bringUp;
        const char keys[] = "0123456789.5k -";

        QString last;
        for (int action = 0; action < 5000; ++action) {
            const auto roll = random() % 10;
            if (roll < 3) { // an option or a DEFAULT button
                QAbstractButton* button =
                    roll < 2 ? static_cast<QAbstractButton*>(pick(radios)) : pick(defaults);
                bringUp(button);
                QTest::mouseClick(button, Qt::LeftButton);
                last = QStringLiteral("click ") + button->objectName();
            } else if (roll < 5) {
                QComboBox* list = pick(lists);
                bringUp(list);
                list->setFocus();
                QTest::keyClick(list, random() % 2 ? Qt::Key_Down : Qt::Key_Up);
                last = QStringLiteral("arrow in ") + list->objectName();
            } else if (roll < 9) { // typing, erasing or pasting at a random place in a field
                QLineEdit* field = pick(fields);
                bringUp(field);
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
                }
                last = QStringLiteral("keys \"%1\" in %2")
                           .arg(roll < 8 ? typed : "erase", field->objectName());
            } else {
                pick(presets)->trigger();
                last = QStringLiteral("preset");
            }
            const QString where =
                QStringLiteral("seed %1, action %2 (%3)").arg(seed).arg(action).arg(last);
            const QString differs = mismatch(window);
            QVERIFY2(differs.isEmpty(), qPrintable(where + QStringLiteral(": ") + differs));
            const std::string broken = testing_support::invariantViolation(window.engine());
            QVERIFY2(broken.empty(),
                     qPrintable(where + QStringLiteral(": ") + QString::fromStdString(broken)));
        }
    }
};

QTEST_MAIN(MainWindowSoakTest)
#include "main_window_soak_test.moc"
