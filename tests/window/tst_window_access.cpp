// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Readable colours following the palette, Return and Enter on buttons, and what the controls tell
// screen readers. (Which colour reads on which background is the view's, tested there.)

#include "ReadableColours.h"
#include "ReadableLabels.h"
#include "WindowDriver.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QKeyEvent>
#include <QPalette>

using drawlet::rgbOf;
using drawlet::testing::WindowDriver;
using drawlet::view::contrastRatio;
using drawlet::view::kChosenContrast;

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    void resultColoursFollowAPaletteChange();
    void returnAndEnterPressLikeSpace_data();
    void returnAndEnterPressLikeSpace();
    void slidersReadAsTheirCaptions();
    void typesOfSelectionAreLabelledByTheirCaption();
};

namespace {

const QColor darkRed(128, 0, 0);
const QColor darkBlue(0, 0, 128);

QAccessibleInterface* accessible(WindowDriver& driver, const QString& name) {
    return QAccessible::queryAccessibleInterface(driver.find(name));
}

} // namespace

void AccessTest::resultColoursFollowAPaletteChange() {
    WindowDriver driver;
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        dark.setColor(role, QColor(0x22, 0x20, 0x20));
    }
    dark.setColor(QPalette::WindowText, Qt::white);

    // The colours as they are painted now: from the Inactive group while another window has
    // the focus.
    const auto textOn = [&driver](const char* name) {
        const QPalette palette = driver.find(QLatin1String(name))->palette();
        return std::pair{palette.color(QPalette::WindowText), palette.color(QPalette::Window)};
    };
    QWidget other;
    for (QWidget* focused : {static_cast<QWidget*>(&driver.window()), &other}) {
        focused->show();
        QApplication::setActiveWindow(focused);
        QCOMPARE(driver.window().isActiveWindow(), focused != &other);
        QApplication::setPalette(dark);
        for (const char* name : {"Label3", "Label5"}) {
            const auto [text, background] = textOn(name);
            QVERIFY2(contrastRatio(rgbOf(text), rgbOf(background)) >= kChosenContrast, name);
        }
        QApplication::setPalette(light);
        QCOMPARE(textOn("Label3").first, darkRed);
        QCOMPARE(textOn("Label5").first, darkBlue);
    }
}

void AccessTest::returnAndEnterPressLikeSpace_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Return") << Qt::Key_Return;
    QTest::newRow("Enter") << Qt::Key_Enter;
}

// The button goes down with the key and acts when the key is let go; a held key acts once.
void AccessTest::returnAndEnterPressLikeSpace() {
    QFETCH(Qt::Key, key);
    WindowDriver driver;
    driver.stepSlider("HScroll3", Qt::Key_PageUp);
    auto* autoFill = driver.find<QAbstractButton>("Command1");
    autoFill->setFocus(Qt::TabFocusReason);
    QTest::keyPress(autoFill, key);
    for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent repeat(type, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(autoFill, &repeat);
    }
    QVERIFY(autoFill->isDown());
    QCOMPARE(driver.baseSetBox(0)->text(), "");
    QTest::keyRelease(autoFill, key);
    QVERIFY(!autoFill->isDown());
    QCOMPARE(driver.baseSetBox(8)->text(), "09");
}

void AccessTest::slidersReadAsTheirCaptions() {
    WindowDriver driver;
    QAccessibleValueInterface* pickSize = accessible(driver, "HScroll2")->valueInterface();
    QVERIFY(pickSize != nullptr);
    QCOMPARE(pickSize->currentValue().toInt(), 5);
    QCOMPARE(pickSize->minimumValue().toInt(), 1);
    QCOMPARE(pickSize->maximumValue().toInt(), 10);
    pickSize->setCurrentValue(7);
    QCOMPARE(driver.text("Label4"), "Lottery Pick Size - 7");
    QVERIFY(driver.entryBox(6)->isVisible() && !driver.entryBox(7)->isVisible());
    QCOMPARE(accessible(driver, "HScroll2")->text(QAccessible::Value), "7");

    // The base set size reads as the boxes in use, which the frame counts.
    QAccessibleValueInterface* baseSet = accessible(driver, "HScroll3")->valueInterface();
    QCOMPARE(baseSet->currentValue().toInt(), 0);
    QCOMPARE(baseSet->maximumValue().toInt(), 99);
    baseSet->setCurrentValue(10);
    QCOMPARE(driver.text("Frame2"), "10 - Base Set Numbers");
    QCOMPARE(baseSet->currentValue().toInt(), 10);
    driver.click("Option1(0)");
    QCOMPARE(driver.text("Frame2"), "11 - Base Set Numbers");
    QCOMPARE(baseSet->currentValue().toInt(), 11);

    QCOMPARE(accessible(driver, "HScroll1")->valueInterface()->currentValue().toInt(), 1);
}

void AccessTest::typesOfSelectionAreLabelledByTheirCaption() {
    WindowDriver driver;
    QAccessibleInterface* caption = accessible(driver, "Label6");
    for (const char* name : {"optExclusion", "optInclusion", "optNone"}) {
        QAccessibleInterface* option = accessible(driver, QLatin1String(name));
        QCOMPARE(option->role(), QAccessible::RadioButton);
        const auto labels = option->relations(QAccessible::Label);
        QVERIFY2(std::any_of(labels.cbegin(), labels.cend(),
                             [caption](const auto& label) { return label.first == caption; }),
                 name);
    }
    QAccessibleInterface* none = accessible(driver, "optNone");
    QCOMPARE(none->text(QAccessible::Name), "None");
    QVERIFY(accessible(driver, "optExclusion")->state().checked);
    QVERIFY(!none->state().checked);
    none->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(driver.find<QAbstractButton>("optNone")->isChecked());
    QCOMPARE(driver.state().typeOfSelection, drawlet::SelectionType::None);
}

QTEST_MAIN(AccessTest)
#include "tst_window_access.moc"
