// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Typing into the two rows of boxes: combinations, the limit of 100, the mended faults, the
// base set.

#include "WindowDriver.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>

using drawlet::testing::WindowDriver;

class EntryTest : public QObject {
    Q_OBJECT
private slots:
    void typingACombinationStoresAndPicksIt();
    void keyFilterLetsOnlyDigitsAndBackspaceThrough_data();
    void keyFilterLetsOnlyDigitsAndBackspaceThrough();
    void skippedBoxStoresNothingAndGetsTheFocus();
    void pastedTextWithANonDigitIsRefusedWhole();
    void undoRedoAndPasteKeysWorkInsideABox();
    void boxMenuTakesTheWindowsUndoRedoAndPaste();
    void heldKeyReleasesOnce_data();
    void heldKeyReleasesOnce();
    void backtabReturnsToAFinishedBoxToCorrectIt();
    void clickIntoABoxSelectsItsWholeText_data();
    void clickIntoABoxSelectsItsWholeText();
    void stopsAtOneHundredCombinationsOfTen();
    void typedBaseSetNumbersJoinThePlayNumbers();
};

void EntryTest::typingACombinationStoresAndPicksIt() {
    WindowDriver driver;
    driver.random().script(drawlet::testing::everyPosition(5));
    driver.type("03");
    QCOMPARE(driver.focusName(), "txtNumber(1)");
    QCOMPARE(driver.entryBox(0)->text(), "03");
    driver.type("15223741");

    const auto* list = driver.find<QListWidget>("lstNumbers");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), "03 15 22 37 41 ");
    QCOMPARE(driver.text("Label1"), "Combinations - 1");
    QCOMPARE(driver.text("Label2"), "Quantity of Combination Numbers to Pick - 5");
    const auto* quantity = driver.find<QScrollBar>("HScroll1");
    QCOMPARE(quantity->maximum(), 5);
    QCOMPARE(quantity->value(), 5);
    QCOMPARE(quantity->pageStep(), 1);
    QCOMPARE(driver.text("Frame1"), "5 - Exclusion or Inclusion Numbers");
    QCOMPARE(driver.text("Label3"), "03 15 22 37 41 ");
    for (int i = 0; i < 5; ++i) {
        QVERIFY(driver.entryBox(i)->text().isEmpty());
    }
    QCOMPARE(driver.focusName(), "txtNumber(0)");

    driver.enterCombination("0102030405");
    QCOMPARE(list->item(1)->text(), "01 02 03 04 05 ");
    QCOMPARE(driver.text("Label1"), "Combinations - 2");
    QCOMPARE(quantity->maximum(), 10);
    QCOMPARE(quantity->value(), 10);
    QCOMPARE(quantity->pageStep(), 2);
    QCOMPARE(driver.text("Frame1"), "9 - Exclusion or Inclusion Numbers");
    QCOMPARE(driver.text("Label3"), "01 02 03 04 05 15 22 37 41 ");
}

// Each row types into txtNumber(0) alone: one digit at most, so the focus stays there.
void EntryTest::keyFilterLetsOnlyDigitsAndBackspaceThrough_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digit") << "7"
                           << "7";
    QTest::newRow("letter") << "a"
                            << "";
    QTest::newRow("digit then letter") << "7x"
                                       << "7";
    QTest::newRow("space") << "7 "
                           << "7";
    QTest::newRow("minus") << "-7"
                           << "7";
    QTest::newRow("Enter") << "7\r"
                           << "7";
    QTest::newRow("Backspace") << "7\b"
                               << "";
    QTest::newRow("Backspace then digit") << "7\b4"
                                          << "4";
}

void EntryTest::keyFilterLetsOnlyDigitsAndBackspaceThrough() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    WindowDriver driver;
    driver.type(keys);
    QCOMPARE(driver.focusName(), "txtNumber(0)");
    QCOMPARE(driver.entryBox(0)->text(), shown);
    QCOMPARE(QString::fromStdString(driver.state().txtNumber[0].text), shown);
}

void EntryTest::skippedBoxStoresNothingAndGetsTheFocus() {
    WindowDriver driver;
    driver.type("11");
    QTest::mouseClick(driver.entryBox(2), Qt::LeftButton);
    QCOMPARE(driver.focusName(), "txtNumber(2)");
    driver.type("223344");
    QCOMPARE(driver.focusName(), "txtNumber(1)");
    QCOMPARE(driver.find<QListWidget>("lstNumbers")->count(), 0);
    QCOMPARE(driver.text("Label1"), "Combinations - 0");
    QCOMPARE(driver.entryBox(4)->text(), "44");

    // Once the skipped box is filled, releasing an arrow key in the finished last box stores
    // the combination, as the release of its second digit would.
    driver.type("55");
    QCOMPARE(driver.focusName(), "txtNumber(2)");
    QTest::mouseClick(driver.entryBox(4), Qt::LeftButton);
    driver.random().script(drawlet::testing::everyPosition(5));
    driver.press(Qt::Key_Right);
    QCOMPARE(driver.focusName(), "txtNumber(0)");
    QCOMPARE(driver.find<QListWidget>("lstNumbers")->item(0)->text(), "11 55 22 33 44 ");
}

// Shift+Insert pastes without a typed character, so only the box's own refusal stops it.
void EntryTest::pastedTextWithANonDigitIsRefusedWhole() {
    WindowDriver driver;
    QLineEdit* box = driver.entryBox(0);
    QGuiApplication::clipboard()->setText(QStringLiteral("1a"));
    driver.press(Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(box->text(), "");

    QGuiApplication::clipboard()->setText(QStringLiteral("4"));
    driver.press(Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(box->text(), ""); // not a two-digit number either
    driver.type("4");
    QCOMPARE(box->text(), "4");
    QCOMPARE(driver.state().txtNumber[0].text, "4");

    box->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("1a"));
    driver.press(Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(box->text(), "4");
    QCOMPARE(driver.state().txtNumber[0].text, "4");
}

// The box's own undo and paste never run: Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z and Ctrl+V are the
// window's, with the focus in a box as anywhere else, whatever the desktop's own redo key (a
// second run takes the X11 keyboard scheme, where it is Ctrl+Shift+Z alone).
void EntryTest::undoRedoAndPasteKeysWorkInsideABox() {
    if (qEnvironmentVariable("QT_QPA_PLATFORMTHEME") == QLatin1String("qt6ct")) {
        // Without qt6ct's scheme the second run would prove nothing.
        QVERIFY(!QKeySequence::keyBindings(QKeySequence::Redo).contains(Qt::CTRL | Qt::Key_Y));
    }
    WindowDriver driver;
    QLineEdit* first = driver.entryBox(0);
    driver.type("0");
    driver.press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(first->text(), "");
    driver.press(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(first->text(), "0");
    driver.press(Qt::Key_Z, Qt::ControlModifier);
    driver.press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(first->text(), "0");
    QCOMPARE(driver.state().txtNumber[0].text, "0");

    driver.random().script(drawlet::testing::everyPosition(5));
    QGuiApplication::clipboard()->setText(QStringLiteral("03 15 22 37 41\n07"));
    driver.press(Qt::Key_V, Qt::ControlModifier);
    const auto* list = driver.find<QListWidget>("lstNumbers");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), "03 15 22 37 41 ");
    QCOMPARE(first->text(), "07");
    QCOMPARE(driver.focusName(), "txtNumber(1)");

    driver.press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(list->count(), 0);
    QCOMPARE(driver.text("Label1"), "Combinations - 0");
    QCOMPARE(first->text(), "0");
    QCOMPARE(driver.focusName(), "txtNumber(0)");
    QCOMPARE(first->selectedText(), "0");
}

namespace {

// Opens a box's own menu as the menu key does, chooses the action whose text starts with
// `choose`, if given, and closes it. Returns whether Undo and Redo were enabled.
std::pair<bool, bool> useBoxMenu(QLineEdit* box, const char* choose = nullptr) {
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(4, 4),
                              box->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(box, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) {
        return {};
    }
    std::pair<bool, bool> enabled;
    for (QAction* action : menu->actions()) {
        const QString text = action->text();
        enabled.first |= text.startsWith(QLatin1String("&Undo")) && action->isEnabled();
        enabled.second |= text.startsWith(QLatin1String("&Redo")) && action->isEnabled();
        if (choose != nullptr && text.startsWith(QLatin1String(choose))) {
            action->trigger();
        }
    }
    menu->close();
    return enabled;
}

} // namespace

// Undo is enabled exactly while there is a step to undo, Redo exactly while there is one to
// redo, and they take the window's steps, even those the box never saw; Paste stores what the
// paste keys store.
void EntryTest::boxMenuTakesTheWindowsUndoRedoAndPaste() {
    WindowDriver driver;
    QLineEdit* box = driver.entryBox(0);
    QCOMPARE(useBoxMenu(box), std::pair(false, false));
    driver.type("1");
    QCOMPARE(useBoxMenu(box, "&Undo"), std::pair(true, false));
    QCOMPARE(box->text(), "");
    QCOMPARE(useBoxMenu(box, "&Redo"), std::pair(false, true));
    QCOMPARE(box->text(), "1");
    QCOMPARE(useBoxMenu(box), std::pair(true, false));

    driver.click("cmdClear");
    QCOMPARE(driver.focusName(), "txtNumber(0)");
    QCOMPARE(useBoxMenu(box, "&Undo"), std::pair(true, false));
    QCOMPARE(box->text(), "1");

    driver.random().script(drawlet::testing::everyPosition(5));
    QGuiApplication::clipboard()->setText(QStringLiteral("11 22 33 44 55"));
    box->setFocus(Qt::TabFocusReason);
    useBoxMenu(box, "&Paste");
    const auto* list = driver.find<QListWidget>("lstNumbers");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), "11 22 33 44 55 ");
}

// Holding "1" down repeats it: only the final release counts, so the box finishes once and the
// focus moves on once, leaving the next box empty.
// A held key as it arrives: each repeat a release and a press marked as repeats (Qt on Wayland,
// or on X11 when it sees both halves together), or presses alone (an X server asked for
// detectable repeats).
void EntryTest::heldKeyReleasesOnce_data() {
    QTest::addColumn<bool>("repeatReleases");
    QTest::newRow("marked release and press") << true;
    QTest::newRow("presses alone") << false;
}

void EntryTest::heldKeyReleasesOnce() {
    QFETCH(bool, repeatReleases);
    WindowDriver driver;
    const auto send = [](QEvent::Type type, bool autoRepeat) {
        QKeyEvent event(type, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"), autoRepeat);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
    };
    send(QEvent::KeyPress, false);
    for (int i = 0; i < 4; ++i) {
        if (repeatReleases) {
            send(QEvent::KeyRelease, true);
        }
        send(QEvent::KeyPress, repeatReleases);
    }
    QCOMPARE(driver.focusName(), "txtNumber(0)");
    send(QEvent::KeyRelease, false);

    QCOMPARE(driver.entryBox(0)->text(), "11");
    QCOMPARE(driver.focusName(), "txtNumber(1)");
    QCOMPARE(driver.entryBox(1)->text(), "");
}

// The releases of Shift+Tab land in the finished box it moved to; they must not send the focus
// on, even when Shift is let go before Tab.
void EntryTest::backtabReturnsToAFinishedBoxToCorrectIt() {
    WindowDriver driver;
    driver.type("0102");
    QCOMPARE(driver.focusName(), "txtNumber(2)");
    QTest::keyPress(driver.entryBox(2), Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyPress(driver.entryBox(2), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(driver.focusName(), "txtNumber(1)");
    QTest::keyRelease(driver.entryBox(1), Qt::Key_Shift, Qt::NoModifier);
    QTest::keyRelease(driver.entryBox(1), Qt::Key_Tab, Qt::NoModifier);
    QCOMPARE(driver.focusName(), "txtNumber(1)");
    QCOMPARE(driver.entryBox(1)->selectedText(), "02");
    driver.type("07");
    QCOMPARE(driver.entryBox(1)->text(), "07");
    QCOMPARE(driver.focusName(), "txtNumber(2)");
}

void EntryTest::clickIntoABoxSelectsItsWholeText_data() {
    QTest::addColumn<QString>("box");
    QTest::newRow("entry box") << "txtNumber(0)";
    QTest::newRow("base set box") << "txtSelNumbers(2)";
}

// The click that brings the focus selects the whole text; a click into the box that has the
// focus puts the caret where it lands.
void EntryTest::clickIntoABoxSelectsItsWholeText() {
    QFETCH(QString, box);
    WindowDriver driver;
    driver.stepSlider("HScroll3", Qt::Key_PageUp);
    auto* clicked = driver.find<QLineEdit>(box);
    QTest::mouseClick(clicked, Qt::LeftButton);
    driver.type("7");
    driver.click("cmdPick");
    QCOMPARE(driver.focusName(), "cmdPick");

    QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(18, 8));
    QCOMPARE(driver.focusName(), box);
    QCOMPARE(clicked->selectedText(), "7");
    QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(1, 8));
    QCOMPARE(clicked->selectedText(), "");
    QCOMPARE(clicked->cursorPosition(), 0);
    driver.type("5");
    QCOMPARE(clicked->text(), "57");
}

void EntryTest::stopsAtOneHundredCombinationsOfTen() {
    WindowDriver driver;
    driver.stepSlider("HScroll2", Qt::Key_End);
    QCOMPARE(driver.text("Label4"), "Lottery Pick Size - 10");
    driver.entryBox(0)->setFocus(Qt::TabFocusReason);
    for (int combination = 0; combination < 100; ++combination) {
        QString digits;
        for (int j = 0; j < 10; ++j) {
            digits += QStringLiteral("%1").arg((combination * 10 + j) % 100, 2, 10, QChar('0'));
        }
        driver.enterCombination(digits);
    }
    QCOMPARE(driver.text("Label1"), "Combinations - 100");
    const auto* quantity = driver.find<QScrollBar>("HScroll1");
    QCOMPARE(quantity->maximum(), 1000);
    QCOMPARE(quantity->value(), 1000);
    QCOMPARE(quantity->pageStep(), 101);
    QCOMPARE(driver.find<QListWidget>("lstNumbers")->count(), 100);
    QCOMPARE(driver.state().CombNumbers[1000], 99);

    // All hundred numbers are picked, and their line shows whole in its frame.
    const auto* picked = driver.find<QLabel>("Label3");
    QCOMPARE(driver.text("Frame1"), "100 - Exclusion or Inclusion Numbers");
    QCOMPARE(picked->text(), QString::fromStdString(drawlet::designNumbersCaption() + ' '));
    QVERIFY(picked->heightForWidth(picked->width()) <= picked->height());

    // The list is full: finishing a box only sends the focus back to the first box.
    driver.type("12");
    QCOMPARE(driver.focusName(), "txtNumber(0)");
    QCOMPARE(driver.entryBox(0)->text(), "12");
    QCOMPARE(driver.text("Label1"), "Combinations - 100");
    QCOMPARE(driver.find<QListWidget>("lstNumbers")->count(), 100);
}

void EntryTest::typedBaseSetNumbersJoinThePlayNumbers() {
    WindowDriver driver;
    driver.stepSlider("HScroll3", Qt::Key_PageUp);
    driver.click("Option1(0)");
    QCOMPARE(driver.text("Frame2"), "10 - Base Set Numbers");
    QVERIFY(driver.baseSetBox(9)->isVisible());
    QVERIFY(!driver.baseSetBox(10)->isVisible());

    QTest::mouseClick(driver.baseSetBox(3), Qt::LeftButton);
    driver.type("0");
    QCOMPARE(driver.focusName(), "txtSelNumbers(3)");
    QCOMPARE(driver.text("Frame3"), "0 - Play Numbers");
    driver.type("5");
    QCOMPARE(driver.focusName(), "txtSelNumbers(4)");
    QCOMPARE(driver.text("Frame3"), "1 - Play Numbers");
    QCOMPARE(driver.text("Label5"), "05 ");

    // Finishing the last box in use goes back to the first.
    QTest::mouseClick(driver.baseSetBox(9), Qt::LeftButton);
    driver.type("42");
    QCOMPARE(driver.focusName(), "txtSelNumbers(0)");
    QCOMPARE(driver.text("Label5"), "05 42 ");

    // Backspace over the selected number takes it out again at the release.
    QTest::mouseClick(driver.baseSetBox(3), Qt::LeftButton);
    driver.press(Qt::Key_Backspace);
    QCOMPARE(driver.baseSetBox(3)->text(), "");
    QCOMPARE(driver.focusName(), "txtSelNumbers(3)");
    QCOMPARE(driver.text("Label5"), "42 ");

    // So does Delete, which types no character, though the desktop gives it one as its text.
    QTest::mouseClick(driver.baseSetBox(9), Qt::LeftButton);
    QTest::sendKeyEvent(QTest::Click, driver.baseSetBox(9), Qt::Key_Delete, QStringLiteral("\x7f"),
                        Qt::NoModifier);
    QCOMPARE(driver.baseSetBox(9)->text(), "");
    QCOMPARE(driver.focusName(), "txtSelNumbers(9)");
    QCOMPARE(driver.text("Label5"), "");
}

QTEST_MAIN(EntryTest)
#include "tst_window_entry.moc"
