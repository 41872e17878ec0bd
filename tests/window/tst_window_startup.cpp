// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as start-up leaves it: captions, controls, places, names, fonts and tab order.

#include "Startup.h"
#include "WindowDriver.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

using drawlet::testing::ScriptedRandom;
using drawlet::testing::WindowDriver;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void showsStartupCaptions_data();
    void showsStartupCaptions();
    void showsStartupControls();
    void designTextsAreReplacedBeforeTheFirstShow();
    void placesControls_data();
    void placesControls();
    void namesControlsForAssistiveTechnology_data();
    void namesControlsForAssistiveTechnology();
    void givesToolTipsOnlyToEntryBoxesAndPick();
    void tabsInTabIndexOrder();
    void tabsFromTheSixthEntryBoxToTheCombinations();
    void tabsThroughBaseSetBoxesDownwardsSkippingHidden();
    void usesTheWindowFonts();
    void fitsTheLongestCaptions_data();
    void fitsTheLongestCaptions();
};

void StartupTest::showsStartupCaptions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::newRow("frmDrawlet") << "frmDrawlet"
                                << "";
    QTest::newRow("pick size") << "Label4"
                               << "Lottery Pick Size - 5";
    QTest::newRow("entry caption") << "Label10"
                                   << "Enter Drawlets Here";
    QTest::newRow("combinations") << "Label1"
                                  << "Combinations - 0";
    QTest::newRow("quantity") << "Label2"
                              << "Quantity of Combination Numbers to Pick - 1";
    QTest::newRow("picked count") << "Frame1"
                                  << "0 - Exclusion or Inclusion Numbers";
    QTest::newRow("picked numbers") << "Label3"
                                    << "";
    QTest::newRow("base set title") << "Label7"
                                    << "Base Set Numbers";
    QTest::newRow("auto fill start") << "Frame4"
                                     << "Auto Fill Starts With";
    QTest::newRow("auto fill") << "Command1"
                               << "Auto Fill Base Set 00 to NN";
    QTest::newRow("base set count") << "Frame2"
                                    << "0 - Base Set Numbers";
    QTest::newRow("play count") << "Frame3"
                                << "0 - Play Numbers";
    QTest::newRow("play numbers") << "Label5"
                                  << "";
    QTest::newRow("type caption") << "Label6"
                                  << "Type of Selection -";
    QTest::newRow("clear all") << "cmdClear"
                               << "Clear All";
    QTest::newRow("clear combinations") << "cmdClearComb"
                                        << "Clear Combinations";
    QTest::newRow("clear base set") << "cmdClearBaseSet"
                                    << "Clear Base Set Numbers";
    QTest::newRow("pick") << "cmdPick"
                          << "Pick";
}

void StartupTest::showsStartupCaptions() {
    QFETCH(QString, control);
    QFETCH(QString, caption);
    WindowDriver driver;
    if (control == QLatin1String("frmDrawlet")) {
        QCOMPARE(driver.window().windowTitle(), "Drawlet Exclusion / Inclusion Selector");
        return;
    }
    QCOMPARE(driver.text(control), caption);
}

void StartupTest::showsStartupControls() {
    WindowDriver driver;
    for (int i = 0; i < 10; ++i) {
        QVERIFY2(driver.entryBox(i)->text().isEmpty(), qPrintable(QString::number(i)));
        QCOMPARE(driver.entryBox(i)->isVisible(), i < 5);
    }
    for (int i = 0; i < 100; ++i) {
        QVERIFY(driver.baseSetBox(i)->text().isEmpty());
        QVERIFY(!driver.baseSetBox(i)->isVisible());
    }
    QCOMPARE(driver.find<QListWidget>("lstNumbers")->count(), 0);
    QVERIFY(driver.find<QAbstractButton>("optExclusion")->isChecked());
    QVERIFY(!driver.find<QAbstractButton>("optInclusion")->isChecked());
    QVERIFY(!driver.find<QAbstractButton>("optNone")->isChecked());
    QVERIFY(driver.find<QAbstractButton>("Option1(1)")->isChecked());
    QVERIFY(!driver.find<QAbstractButton>("Option1(0)")->isChecked());

    const auto* quantity = driver.find<QScrollBar>("HScroll1");
    QCOMPARE(quantity->minimum(), 1);
    QCOMPARE(quantity->maximum(), 1);
    QCOMPARE(quantity->value(), 1);
    const auto* pickSize = driver.find<QScrollBar>("HScroll2");
    QCOMPARE(pickSize->value(), 4);
    QCOMPARE(pickSize->maximum(), 9);
    QCOMPARE(pickSize->pageStep(), 2);
    const auto* baseSetSize = driver.find<QScrollBar>("HScroll3");
    QCOMPARE(baseSetSize->value(), 0);
    QCOMPARE(baseSetSize->maximum(), 100);
    QCOMPARE(baseSetSize->pageStep(), 10);

    QCOMPARE(driver.focusName(), "txtNumber(0)");
    QCOMPARE(driver.random().seeds(), 1);
}

// The design-time "00" of every box and the hundred numbers of the two result lines are gone
// before the window is first painted.
void StartupTest::designTextsAreReplacedBeforeTheFirstShow() {
    ScriptedRandom random;
    drawlet::frmDrawlet window(random);
    QVERIFY(!window.isVisible());
    const auto boxes = window.findChildren<QLineEdit*>();
    QCOMPARE(boxes.size(), 110);
    for (const QLineEdit* box : boxes) {
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    }
    QVERIFY(window.findChild<QLabel*>("Label3")->text().isEmpty());
    QVERIFY(window.findChild<QLabel*>("Label5")->text().isEmpty());
    QCOMPARE(window.findChild<QLabel*>("Label4")->text(), "Lottery Pick Size - 5");
}

// Places in pixels: the twips of each control divided by 15, inside its container.
void StartupTest::placesControls_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("place");
    const QString form = QStringLiteral("frmDrawlet");
    QTest::newRow("Label4") << "Label4" << form << QRect(4, 4, 201, 13);
    QTest::newRow("first entry box") << "txtNumber(0)" << form << QRect(4, 60, 21, 17);
    QTest::newRow("last entry box") << "txtNumber(9)" << form << QRect(184, 60, 21, 17);
    QTest::newRow("lstNumbers") << "lstNumbers" << form << QRect(4, 100, 201, 407);
    QTest::newRow("cmdClear") << "cmdClear" << form << QRect(4, 540, 625, 21);
    QTest::newRow("Frame1") << "Frame1" << form << QRect(212, 64, 417, 89);
    QTest::newRow("Label3") << "Label3"
                            << "Frame1" << QRect(8, 16, 401, 65);
    QTest::newRow("Label8") << "Label8" << form << QRect(212, 176, 417, 29);
    QTest::newRow("Option1(1)") << "Option1(1)"
                                << "Frame4" << QRect(56, 16, 33, 17);
    QTest::newRow("Frame2") << "Frame2" << form << QRect(212, 312, 417, 105);
    QTest::newRow("base set top left") << "txtSelNumbers(0)"
                                       << "Frame2" << QRect(8, 16, 21, 17);
    QTest::newRow("base set top right") << "txtSelNumbers(19)"
                                        << "Frame2" << QRect(388, 16, 21, 17);
    QTest::newRow("bottom right") << "txtSelNumbers(99)"
                                  << "Frame2" << QRect(388, 80, 21, 17);
    QTest::newRow("Label6") << "Label6" << form << QRect(212, 424, 108, 13);
    QTest::newRow("optNone") << "optNone" << form << QRect(480, 424, 57, 17);
    QTest::newRow("Frame3") << "Frame3" << form << QRect(212, 444, 417, 89);
}

void StartupTest::placesControls() {
    QFETCH(QString, control);
    QFETCH(QString, container);
    QFETCH(QRect, place);
    WindowDriver driver;
    QCOMPARE(driver.window().size(), QSize(632, 566));
    QCOMPARE(driver.window().minimumSize(), driver.window().maximumSize());
    const QWidget* widget = driver.find(control);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), place);
}

void StartupTest::namesControlsForAssistiveTechnology_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("first entry box") << "txtNumber(0)"
                                     << "Drawlet 1";
    QTest::newRow("last entry box") << "txtNumber(9)"
                                    << "Drawlet 10";
    QTest::newRow("first base set box") << "txtSelNumbers(0)"
                                        << "Base set number 1";
    QTest::newRow("last base set box") << "txtSelNumbers(99)"
                                       << "Base set number 100";
    QTest::newRow("pick size") << "HScroll2"
                               << "Lottery pick size";
    QTest::newRow("quantity") << "HScroll1"
                              << "Quantity of combination numbers to pick";
    QTest::newRow("base set size") << "HScroll3"
                                   << "Base set size";
    QTest::newRow("combinations") << "lstNumbers"
                                  << "Combinations";
    // Announced by their captions, which change.
    QTest::newRow("button") << "cmdPick"
                            << "";
    QTest::newRow("option") << "optExclusion"
                            << "";
    QTest::newRow("auto fill start") << "Option1(0)"
                                     << "";
    QTest::newRow("frame") << "Frame3"
                           << "";
    QTest::newRow("result line") << "Label5"
                                 << "";
}

void StartupTest::namesControlsForAssistiveTechnology() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    WindowDriver driver;
    QCOMPARE(driver.find(control)->accessibleName(), name);
}

void StartupTest::givesToolTipsOnlyToEntryBoxesAndPick() {
    WindowDriver driver;
    for (const QWidget* widget : driver.window().findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.startsWith(QLatin1String("txtNumber("))) {
            QCOMPARE(widget->toolTip(), QString::fromLatin1(drawlet::kEntryToolTip));
        } else if (name == QLatin1String("cmdPick")) {
            QCOMPARE(widget->toolTip(), "Use the slider control above to Pick randomly one, "
                                        "some, or use all the combination numbers.");
        } else {
            QVERIFY2(widget->toolTip().isEmpty(), qPrintable(name));
        }
    }
}

// Option buttons of a set are one stop: the selected one.
void StartupTest::tabsInTabIndexOrder() {
    WindowDriver driver;
    const QStringList expected = {"txtNumber(0)", "txtNumber(1)", "txtNumber(2)",    "txtNumber(3)",
                                  "txtNumber(4)", "lstNumbers",   "cmdClear",        "Label3",
                                  "HScroll2",     "HScroll1",     "cmdPick",         "Label5",
                                  "optExclusion", "cmdClearComb", "cmdClearBaseSet", "HScroll3",
                                  "Command1",     "Option1(1)",   "txtNumber(0)"};
    QStringList visited = {driver.focusName()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        driver.press(Qt::Key_Tab);
        visited << driver.focusName();
    }
    QCOMPARE(visited, expected);
}

void StartupTest::tabsFromTheSixthEntryBoxToTheCombinations() {
    WindowDriver driver;
    driver.stepSlider("HScroll2", Qt::Key_Right);
    QVERIFY(driver.entryBox(5)->isVisible());
    QVERIFY(!driver.entryBox(6)->isVisible());
    driver.entryBox(4)->setFocus(Qt::TabFocusReason);
    driver.press(Qt::Key_Tab);
    QCOMPARE(driver.focusName(), "txtNumber(5)");
    driver.press(Qt::Key_Tab);
    QCOMPARE(driver.focusName(), "lstNumbers");
}

void StartupTest::tabsThroughBaseSetBoxesDownwardsSkippingHidden() {
    WindowDriver driver;
    driver.stepSlider("HScroll3", Qt::Key_Right, 3); // size 3, start 1: boxes 0 and 1 in use
    driver.find("cmdPick")->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 3; ++i) {
        driver.press(Qt::Key_Tab);
        visited << driver.focusName();
    }
    QCOMPARE(visited, QStringList({"txtSelNumbers(1)", "txtSelNumbers(0)", "Label5"}));
}

void StartupTest::usesTheWindowFonts() {
    WindowDriver driver;
    const QFont windowFont = driver.window().font();
    QCOMPARE(windowFont.family(), "Verdana");
    QCOMPARE(windowFont.pointSizeF(), 8.25);
    QCOMPARE(windowFont.styleHint(), QFont::SansSerif);
    QCOMPARE(driver.find("cmdClear")->font().pointSizeF(), 9.75);
    QVERIFY(driver.find("Label7")->font().underline());
    QVERIFY(!driver.find("Label8")->font().underline());
    QCOMPARE(driver.find("Label3")->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QCOMPARE(driver.find("Label5")->palette().color(QPalette::WindowText), QColor(0, 0, 128));
}

// Each caption at its longest run-time form must show whole in its control with the font the
// system gives. Measured on the widget itself, the way it is painted.
void StartupTest::fitsTheLongestCaptions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Label4") << "Label4"
                            << "Lottery Pick Size - 10";
    QTest::newRow("Label10") << "Label10"
                             << "Enter Drawlets Here";
    QTest::newRow("Label1") << "Label1"
                            << "Combinations - 100";
    QTest::newRow("Label2") << "Label2"
                            << "Quantity of Combination Numbers to Pick - 1000";
    QTest::newRow("Label7") << "Label7"
                            << "Base Set Numbers";
    QTest::newRow("Label6") << "Label6"
                            << "Type of Selection -";
    QTest::newRow("Label8") << "Label8"
                            << "Numbers entered here have numbers removed by Drawlets, added by "
                               "Drawlets or nothing changed by the type of selection.";
    QTest::newRow("Label3") << "Label3"
                            << QString::fromStdString(drawlet::designNumbersCaption() + ' ');
    QTest::newRow("Label5") << "Label5"
                            << QString::fromStdString(drawlet::designNumbersCaption() + ' ');
    QTest::newRow("Frame1") << "Frame1"
                            << "100 - Exclusion or Inclusion Numbers";
    QTest::newRow("Frame2") << "Frame2"
                            << "100 - Base Set Numbers";
    QTest::newRow("Frame3") << "Frame3"
                            << "200 - Play Numbers";
    QTest::newRow("Frame4") << "Frame4"
                            << "Auto Fill Starts With";
    QTest::newRow("Command1") << "Command1"
                              << "Auto Fill Base Set 00 to 99";
    QTest::newRow("cmdClearBaseSet") << "cmdClearBaseSet"
                                     << "Clear Base Set Numbers";
    QTest::newRow("cmdClearComb") << "cmdClearComb"
                                  << "Clear Combinations";
    QTest::newRow("cmdClear") << "cmdClear"
                              << "Clear All";
    QTest::newRow("cmdPick") << "cmdPick"
                             << "Pick";
    QTest::newRow("optExclusion") << "optExclusion"
                                  << "Exclude";
    QTest::newRow("optInclusion") << "optInclusion"
                                  << "Include";
    QTest::newRow("optNone") << "optNone"
                             << "None";
    QTest::newRow("Option1(0)") << "Option1(0)"
                                << "0";
    QTest::newRow("Option1(1)") << "Option1(1)"
                                << "1";
}

void StartupTest::fitsTheLongestCaptions() {
    QFETCH(QString, control);
    QFETCH(QString, caption);
    WindowDriver driver;
    QWidget* widget = driver.find(control);
    const QFontMetrics metrics(widget->font());
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(caption);
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(QString::number(label->heightForWidth(label->width()))));
        } else {
            QVERIFY(metrics.horizontalAdvance(caption) <= room.width());
            QVERIFY(metrics.height() <= room.height());
        }
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        frame->setTitle(caption);
        QVERIFY(metrics.horizontalAdvance(caption) <= frame->width());
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = caption;
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, frame);
        QVERIFY(metrics.horizontalAdvance(caption) <= title.width());
        QVERIFY(title.bottom() < 16); // the first row of controls inside starts at 16
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        QCOMPARE(radio->text(), caption);
        QVERIFY2(radio->sizeHint().width() <= radio->width(),
                 qPrintable(QString::number(radio->sizeHint().width())));
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(caption);
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        QVERIFY(metrics.horizontalAdvance(caption) <= room.width());
        QVERIFY2(metrics.ascent() + metrics.descent() <= room.height() + 2,
                 qPrintable(QStringLiteral("%1 in %2").arg(metrics.height()).arg(room.height())));
    }
}

QTEST_MAIN(StartupTest)
#include "tst_window_startup.moc"
