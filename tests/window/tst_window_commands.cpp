// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The buttons, option buttons and sliders: type of selection, base set, Clear All, copying the
// results, and the keyboard alone.

#include "WindowDriver.h"

#include <QAccessible>
#include <QClipboard>

using drawlet::testing::WindowDriver;

class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void typeOfSelectionAppliesThePickedNumbers_data();
    void typeOfSelectionAppliesThePickedNumbers();
    void slidersStepOncePerKey_data();
    void slidersStepOncePerKey();
    void draggedThumbCountsOnlyWhenReleased();
    void clearAllEmptiesABusyWindow();
    void playNumbersCanBeCopied();
    void changesArePaintedOnce_data();
    void changesArePaintedOnce();
    void keyboardAloneReachesAndPressesTheButtons();
    void resultsAreAnnouncedOnlyToAListeningScreenReader();
};

namespace {

// Pick size 2 with the combination 03 44 picked, and the base set 01 to 10 auto-filled (base
// set size 11, auto-fill start 1).
void prepareBaseSetAgainstPicks(WindowDriver& driver) {
    driver.stepSlider("HScroll2", Qt::Key_Left, 3);
    QCOMPARE(driver.text("Label4"), "Lottery Pick Size - 2");
    driver.stepSlider("HScroll3", Qt::Key_PageUp);
    driver.press(Qt::Key_Right);
    QCOMPARE(driver.text("Command1"), "Auto Fill Base Set 01 to 10");
    driver.click("Command1");
    QCOMPARE(driver.baseSetBox(9)->text(), "10");
    QVERIFY(!driver.baseSetBox(10)->isVisible());
    driver.entryBox(0)->setFocus(Qt::TabFocusReason);
    driver.enterCombination("0344");
    QCOMPARE(driver.text("Label3"), "03 44 ");
}

} // namespace

void CommandsTest::typeOfSelectionAppliesThePickedNumbers_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("numbers");
    QTest::newRow("Exclude") << "optExclusion"
                             << "9 - Play Numbers"
                             << "01 02 04 05 06 07 08 09 10 ";
    QTest::newRow("Include") << "optInclusion"
                             << "11 - Play Numbers"
                             << "01 02 03 04 05 06 07 08 09 10 44 ";
    QTest::newRow("None") << "optNone"
                          << "10 - Play Numbers"
                          << "01 02 03 04 05 06 07 08 09 10 ";
}

void CommandsTest::typeOfSelectionAppliesThePickedNumbers() {
    QFETCH(QString, option);
    QFETCH(QString, count);
    QFETCH(QString, numbers);
    WindowDriver driver;
    prepareBaseSetAgainstPicks(driver);
    driver.click("optNone"); // start away from Exclude, where the window already is
    driver.click(option);
    QVERIFY(driver.find<QAbstractButton>(option)->isChecked());
    QCOMPARE(driver.text("Frame3"), count);
    QCOMPARE(driver.text("Label5"), numbers);
}

void CommandsTest::slidersStepOncePerKey_data() {
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shows");
    QTest::newRow("pick size up") << "HScroll2" << int(Qt::Key_Right) << 5 << "Label4"
                                  << "Lottery Pick Size - 6";
    QTest::newRow("pick size down") << "HScroll2" << int(Qt::Key_Left) << 3 << "Label4"
                                    << "Lottery Pick Size - 4";
    QTest::newRow("pick size page") << "HScroll2" << int(Qt::Key_PageUp) << 6 << "Label4"
                                    << "Lottery Pick Size - 7";
    QTest::newRow("base set step") << "HScroll3" << int(Qt::Key_Right) << 1 << "Frame2"
                                   << "0 - Base Set Numbers";
    QTest::newRow("base set page") << "HScroll3" << int(Qt::Key_PageUp) << 10 << "Frame2"
                                   << "9 - Base Set Numbers";
    QTest::newRow("quantity held at 1 of 1") << "HScroll1" << int(Qt::Key_Right) << 1 << "Label2"
                                             << "Quantity of Combination Numbers to Pick - 1";
}

void CommandsTest::slidersStepOncePerKey() {
    QFETCH(QString, slider);
    QFETCH(int, key);
    QFETCH(int, value);
    QFETCH(QString, caption);
    QFETCH(QString, shows);
    WindowDriver driver;
    driver.stepSlider(slider, static_cast<Qt::Key>(key));
    QCOMPARE(driver.find<QScrollBar>(slider)->value(), value);
    QCOMPARE(driver.text(caption), shows);
    if (slider == QLatin1String("HScroll2")) {
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(driver.entryBox(i)->isVisible(), i <= value);
        }
    }
}

void CommandsTest::draggedThumbCountsOnlyWhenReleased() {
    WindowDriver driver;
    auto* pickSize = driver.find<QScrollBar>("HScroll2");
    driver.type("1");
    pickSize->setSliderDown(true);
    pickSize->setSliderPosition(7);
    QCOMPARE(driver.text("Label4"), "Lottery Pick Size - 5");
    QCOMPARE(driver.entryBox(0)->text(), "1");
    pickSize->setSliderDown(false);
    QCOMPARE(driver.text("Label4"), "Lottery Pick Size - 8");
    QCOMPARE(driver.entryBox(0)->text(), "");
    QVERIFY(driver.entryBox(7)->isVisible());
}

void CommandsTest::clearAllEmptiesABusyWindow() {
    WindowDriver driver;
    driver.enterCombination("0315225577");
    driver.stepSlider("HScroll3", Qt::Key_PageUp, 5);
    driver.click("Command1");
    driver.click("optInclusion");
    QCOMPARE(driver.text("Frame3"), "51 - Play Numbers");
    driver.entryBox(0)->setFocus(Qt::TabFocusReason);
    driver.type("0");

    driver.click("cmdClear");
    QCOMPARE(driver.find<QListWidget>("lstNumbers")->count(), 0);
    QCOMPARE(driver.text("Label1"), "Combinations - 0");
    QCOMPARE(driver.text("Label2"), "Quantity of Combination Numbers to Pick - 1");
    const auto* quantity = driver.find<QScrollBar>("HScroll1");
    QCOMPARE(quantity->value(), 1);
    QCOMPARE(quantity->maximum(), 1);
    QCOMPARE(driver.text("Frame1"), "0 - Exclusion or Inclusion Numbers");
    QCOMPARE(driver.text("Label3"), "");
    for (int i = 0; i < 100; ++i) {
        QCOMPARE(driver.baseSetBox(i)->isVisible(), i < 49);
        QVERIFY(driver.baseSetBox(i)->text().isEmpty());
    }
    QCOMPARE(driver.text("Frame2"), "49 - Base Set Numbers");
    QCOMPARE(driver.text("Command1"), "Auto Fill Base Set 01 to 49");
    QVERIFY(driver.find<QAbstractButton>("optExclusion")->isChecked());
    QCOMPARE(driver.text("Frame3"), "0 - Play Numbers");
    QCOMPARE(driver.text("Label5"), "");
    QCOMPARE(driver.text("Label4"), "Lottery Pick Size - 5");
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(driver.entryBox(i)->isVisible(), i < 5);
        QVERIFY(driver.entryBox(i)->text().isEmpty());
    }
    QCOMPARE(driver.focusName(), "txtNumber(0)");
}

void CommandsTest::playNumbersCanBeCopied() {
    WindowDriver driver;
    driver.enterCombination("0315223741");
    driver.click("optInclusion");
    QCOMPARE(driver.text("Label5"), "03 15 22 37 41 ");

    QTest::mouseClick(driver.find("Label5"), Qt::LeftButton);
    QCOMPARE(driver.focusName(), "Label5");
    driver.press(Qt::Key_A, Qt::ControlModifier);
    driver.press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), "03 15 22 37 41 ");
    QCOMPARE(driver.text("Label5"), "03 15 22 37 41 ");

    // Leaving the line for a box the state already had runs that box's focus handling again:
    // clicked, which on its own would only put the caret there, the box selects its text.
    driver.entryBox(0)->setFocus(Qt::TabFocusReason);
    driver.type("9");
    QTest::mouseClick(driver.find("Label5"), Qt::LeftButton);
    QTest::mouseClick(driver.entryBox(0), Qt::LeftButton);
    QCOMPARE(driver.entryBox(0)->selectedText(), "9");
}

// Counts the paint events one widget receives.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

// A control whose content a click changed is painted once: not twice (a line of numbers laid out
// in its first paint asks for a second), not never (a box written without being marked for
// repainting, in a container that was not marked either). `before` is clicked in the setup.
void CommandsTest::changesArePaintedOnce_data() {
    QTest::addColumn<QString>("watched");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shown");
    QTest::newRow("line of play numbers") << "Label5"
                                          << ""
                                          << "optInclusion"
                                          << "03 15 22 37 41 ";
    QTest::newRow("box of an auto-fill") << "txtSelNumbers(9)"
                                         << ""
                                         << "Command1"
                                         << "10";
    QTest::newRow("box emptied") << "txtSelNumbers(9)"
                                 << "Command1"
                                 << "cmdClearBaseSet"
                                 << "";
}

void CommandsTest::changesArePaintedOnce() {
    QFETCH(QString, watched);
    QFETCH(QString, before);
    QFETCH(QString, button);
    QFETCH(QString, shown);
    WindowDriver driver;
    driver.stepSlider("HScroll3", Qt::Key_PageUp);
    driver.press(Qt::Key_Right); // ten boxes in use, from 01
    driver.entryBox(0)->setFocus(Qt::TabFocusReason);
    driver.enterCombination("0315223741");
    if (!before.isEmpty()) {
        driver.click(before);
    }
    QWidget* widget = driver.find(watched);
    QVERIFY(QTest::qWaitForWindowExposed(widget->window()));
    // Frames until the window is still, as the event loop would bring them.
    const auto frames = [widget] {
        for (int frame = 0; frame < 5; ++frame) {
            QCoreApplication::processEvents();
            QEvent frameRequest(QEvent::UpdateRequest);
            QCoreApplication::sendEvent(widget->window(), &frameRequest);
        }
    };
    frames();
    const PaintCount count(widget);
    driver.click(button);
    frames();
    QCOMPARE(driver.text(watched), shown);
    QCOMPARE(count.paints, 1);
}

void CommandsTest::keyboardAloneReachesAndPressesTheButtons() {
    WindowDriver driver;
    driver.type("1");
    const auto tabTo = [&driver](const QString& name) {
        for (int i = 0; i < 30 && driver.focusName() != name; ++i) {
            driver.press(Qt::Key_Tab);
        }
        return driver.focusName() == name;
    };
    QVERIFY(tabTo("cmdClearComb"));
    driver.press(Qt::Key_Space);
    QCOMPARE(driver.entryBox(0)->text(), "");

    QVERIFY(tabTo("HScroll3"));
    driver.press(Qt::Key_PageUp);
    QVERIFY(tabTo("Command1"));
    driver.press(Qt::Key_Space);
    QCOMPARE(driver.baseSetBox(8)->text(), "09");

    // Arrow keys move within an option set and select as they go.
    QVERIFY(tabTo("Option1(1)"));
    driver.press(Qt::Key_Left);
    QCOMPARE(driver.focusName(), "Option1(0)");
    QVERIFY(driver.find<QAbstractButton>("Option1(0)")->isChecked());
    QCOMPARE(driver.text("Frame2"), "10 - Base Set Numbers");

    // Tabbing through filled base set boxes passes each once.
    QVERIFY(tabTo("cmdPick"));
    QStringList visited;
    for (int i = 0; i < 11; ++i) {
        driver.press(Qt::Key_Tab);
        visited << driver.focusName();
    }
    QCOMPARE(visited.first(), "txtSelNumbers(9)");
    QCOMPARE(visited.at(9), "txtSelNumbers(0)");
    QCOMPARE(visited.last(), "Label5");
    QVERIFY(tabTo("optExclusion"));
    driver.press(Qt::Key_Right);
    QCOMPARE(driver.focusName(), "optInclusion");
    QVERIFY(driver.find<QAbstractButton>("optInclusion")->isChecked());

    QVERIFY(tabTo("cmdClear"));
    driver.press(Qt::Key_Space);
    QVERIFY(driver.find<QAbstractButton>("optExclusion")->isChecked());
    QCOMPARE(driver.baseSetBox(8)->text(), "");
    QCOMPARE(driver.focusName(), "txtNumber(0)");
}

// Without a screen reader the results change and nothing is added to the window to announce
// them. (What a screen reader hears is checked with Orca itself, end to end.)
void CommandsTest::resultsAreAnnouncedOnlyToAListeningScreenReader() {
    WindowDriver driver;
    QVERIFY(!QAccessible::isActive());
    driver.enterCombination("0315223741");
    driver.random().script(drawlet::testing::everyPosition(5));
    driver.click("cmdPick");
    QCOMPARE(driver.text("Frame1"), "5 - Exclusion or Inclusion Numbers");
    QVERIFY(driver.window().findChild<QWidget*>("resultNotice") == nullptr);
}

QTEST_MAIN(CommandsTest)
#include "tst_window_commands.moc"
