// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DrawletRender.h"

#include "Controls.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>
#include <vector>

namespace drawlet {
namespace {

QString qtText(const std::string& text) {
    return QString::fromStdString(text);
}

// Calls `write` with the text when it differs from what was last shown there, and remembers it.
template <typename Write>
void showChanged(std::optional<std::string>& shown, const std::string& text, Write write) {
    if (shown != text) {
        write(qtText(text));
        shown = text;
    }
}

void setCaption(QLabel* label, const QString& text) {
    if (label->text() != text) {
        const QSignalBlocker blocker(label);
        label->setText(text);
    }
}

void setCaption(QAbstractButton* button, const QString& text) {
    if (button->text() != text) {
        const QSignalBlocker blocker(button);
        button->setText(text);
    }
}

void setCaption(QGroupBox* frame, const QString& text) {
    if (frame->title() != text) {
        const QSignalBlocker blocker(frame);
        frame->setTitle(text);
    }
}

template <typename Widget>
void showCaption(std::optional<std::string>& shown, Widget* widget, const std::string& caption) {
    showChanged(shown, caption, [widget](const QString& text) { setCaption(widget, text); });
}

// A wrapped, selectable line of numbers lays its text out when it is first painted and asks
// there to be painted again, a second frame for every change. Laid out here, while the handler
// runs, it is painted once.
void showNumbersLine(std::optional<std::string>& shown, QLabel* line, const std::string& numbers) {
    showChanged(shown, numbers, [line](const QString& text) {
        setCaption(line, text);
        static_cast<void>(line->heightForWidth(line->width()));
    });
}

void showSlider(QScrollBar* widget, const ScrollBar& slider) {
    if (widget->minimum() == slider.min && widget->maximum() == slider.max &&
        widget->value() == slider.value && widget->singleStep() == slider.smallChange &&
        widget->pageStep() == slider.largeChange) {
        return;
    }
    const QSignalBlocker blocker(widget);
    widget->setRange(slider.min, slider.max);
    widget->setValue(slider.value);
    widget->setSingleStep(slider.smallChange);
    widget->setPageStep(slider.largeChange);
}

// A screen reader reads a box's text when the focus reaches it; what it is told while a box
// without the focus is written, a text change and a caret move for each, is of no use to it.
// For a hundred boxes written at once that is a flood, and a screen reader that floods throws
// events away, the spoken results among them. While one of these is alive the writes of boxes
// without the focus are not reported; the focused box still reports its own, and everything
// else passes as before.
class QuietUnfocusedBoxes {
public:
    QuietUnfocusedBoxes() {
        if (!quiet_ && QAccessible::isActive()) {
            previous_ = QAccessible::installUpdateHandler(&pass);
            quiet_ = true;
            installed_ = true;
        }
    }
    ~QuietUnfocusedBoxes() {
        if (installed_) {
            QAccessible::installUpdateHandler(previous_);
            quiet_ = false;
        }
    }
    QuietUnfocusedBoxes(const QuietUnfocusedBoxes&) = delete;
    QuietUnfocusedBoxes& operator=(const QuietUnfocusedBoxes&) = delete;

private:
    static void pass(QAccessibleEvent* event) {
        const auto* box = qobject_cast<const QLineEdit*>(event->object());
        if (box != nullptr && !box->hasFocus()) {
            return;
        }
        if (previous_ != nullptr) {
            previous_(event);
            return;
        }
        // Without a handler of its own Qt hands the event to the platform.
        QAccessible::installUpdateHandler(nullptr);
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(&pass);
    }

    static inline QAccessible::UpdateHandler previous_ = nullptr;
    static inline bool quiet_ = false; // one is installed; a nested one leaves it be
    bool installed_ = false;
};

// The container to hide for a moment while several of its boxes change at once, or null: none
// is hidden while the focus is inside it, which hiding would send elsewhere.
QWidget* hiddenAround(QWidget* container, std::size_t changes) {
    const QWidget* focused = QApplication::focusWidget();
    const bool hide = container != nullptr && changes > 1 && !container->isHidden() &&
                      !(focused != nullptr && container->isAncestorOf(focused));
    return hide ? container : nullptr;
}

// Writes a box's text without marking the box for repainting; the caller marks its container.
// A box has no child widgets, so holding its updates back is this one attribute: re-enabling
// them through setUpdatesEnabled() would mark the box again, the very cost avoided here.
void setTextUnmarked(QLineEdit* box, const QString& text) {
    const bool held = !box->updatesEnabled();
    box->setAttribute(Qt::WA_UpdatesDisabled, true);
    box->setText(text);
    box->setAttribute(Qt::WA_UpdatesDisabled, held);
}

// A box written while shown is marked for repainting, and at the next paint Qt weighs every
// marked widget against its siblings one by one: for a hundred boxes that costs more than their
// text layout. When many boxes of a container are written at once, they are written unmarked
// and the container is marked once, so it is repainted as one piece with all its boxes. That
// repaints the unchanged boxes too; of a hundred shown boxes, it costs less than marking the
// changed ones from about a fifth of them on, and it is done from a third on.
template <std::size_t Count>
void showBoxTexts(QWidget* container, const std::array<QLineEdit*, Count>& widgets,
                  const BoxRow<Count>& boxes,
                  std::array<std::optional<std::string>, Count>& shown) {
    std::size_t changes = 0;
    std::size_t visible = 0;
    std::size_t i = 0;
    for (const TextBox& box : boxes) {
        changes += shown[i] != box.text ? 1 : 0;
        visible += widgets[i++]->isHidden() ? 0 : 1;
    }
    if (changes == 0) {
        return;
    }
    const bool asOnePiece = container != nullptr && changes > 1 && 3 * changes >= visible;
    const QuietUnfocusedBoxes quiet;
    i = 0;
    for (const TextBox& box : boxes) {
        showChanged(shown[i], box.text, [widget = widgets[i], asOnePiece](const QString& text) {
            if (widget->text() == text) {
                return;
            }
            const QSignalBlocker blocker(widget);
            if (asOnePiece) {
                setTextUnmarked(widget, text);
            } else {
                widget->setText(text);
            }
        });
        ++i;
    }
    if (asOnePiece) {
        container->update();
    }
}

// Showing child widgets one by one costs a round trip to the display server each while the
// pointer is over the window; when several boxes change at once their container is hidden
// around the changes so it is paid once.
template <std::size_t Count>
void showBoxVisibility(QWidget* container, const std::array<QLineEdit*, Count>& widgets,
                       const BoxRow<Count>& boxes) {
    std::vector<std::pair<QLineEdit*, bool>> changes; // each widget to change, shown or not
    auto box = boxes.begin();
    for (QLineEdit* widget : widgets) {
        const bool visible = (box++)->visible;
        if (widget->isHidden() == visible) {
            changes.emplace_back(widget, visible);
        }
    }
    if (changes.empty()) {
        return;
    }
    QWidget* hidden = hiddenAround(container, changes.size());
    if (hidden != nullptr) {
        hidden->hide();
    }
    for (const auto& [widget, visible] : changes) {
        widget->setHidden(!visible);
    }
    if (hidden != nullptr) {
        hidden->show();
    }
}

// Combinations are only ever appended or all cleared, so the lines that still agree are kept.
void showLines(QListWidget* list, const std::vector<std::string>& lines) {
    const QSignalBlocker blocker(list);
    if (lines.empty()) {
        if (list->count() > 0) {
            list->clear();
        }
        return;
    }
    const int wanted = static_cast<int>(lines.size());
    int agreeing = 0;
    while (agreeing < std::min(list->count(), wanted) &&
           list->item(agreeing)->text() == qtText(lines[static_cast<std::size_t>(agreeing)])) {
        ++agreeing;
    }
    while (list->count() > agreeing) {
        delete list->takeItem(list->count() - 1);
    }
    for (int i = agreeing; i < wanted; ++i) {
        list->addItem(qtText(lines[static_cast<std::size_t>(i)]));
    }
}

void showChecked(QAbstractButton* button, bool checked) {
    if (button->isChecked() != checked) {
        const QSignalBlocker blocker(button);
        button->setChecked(checked);
    }
}

// The auto-fill start may have neither button selected; an exclusive group would refuse to
// clear its last checked button.
void showAutoFillStart(const DrawletControls& c, const SelectorState& state) {
    if (c.Option1[0]->isChecked() == state.Option1[0] &&
        c.Option1[1]->isChecked() == state.Option1[1]) {
        return;
    }
    c.autoFillStarts->setExclusive(false);
    showChecked(c.Option1[0], state.Option1[0]);
    showChecked(c.Option1[1], state.Option1[1]);
    c.autoFillStarts->setExclusive(true);
}

void showCaptions(const DrawletControls& c, const SelectorState& state,
                  std::array<std::optional<std::string>, ShownTexts::kCaptions>& shown) {
    showCaption(shown[0], c.Label1, state.Label1);
    showCaption(shown[1], c.Label2, state.Label2);
    showNumbersLine(shown[2], c.Label3, state.Label3);
    showCaption(shown[3], c.Label4, state.Label4);
    showNumbersLine(shown[4], c.Label5, state.Label5);
    showCaption(shown[5], c.Frame1, state.Frame1);
    showCaption(shown[6], c.Frame2, state.Frame2);
    showCaption(shown[7], c.Frame3, state.Frame3);
    showCaption(shown[8], c.Command1, state.Command1);
}

} // namespace

void ShownTexts::edited(FocusTarget box) {
    if (box.control == ControlId::txtNumber) {
        entryBoxes.at(static_cast<std::size_t>(box.index)).reset();
    } else if (box.control == ControlId::txtSelNumbers) {
        baseSetBoxes.at(static_cast<std::size_t>(box.index)).reset();
    }
}

void renderState(const DrawletControls& c, const SelectorState& state, ShownTexts& shown) {
    showCaptions(c, state, shown.captions);
    for (const Control& row : controlTable()) {
        if (row.kind == ControlKind::Slider) {
            showSlider(static_cast<QScrollBar*>(widgetFor(c, {row.id, 0})), state.*row.bar);
        }
    }
    showBoxTexts(nullptr, c.txtNumber, state.txtNumber, shown.entryBoxes);
    showBoxTexts(c.Frame2, c.txtSelNumbers, state.txtSelNumbers, shown.baseSetBoxes);
    showBoxVisibility(nullptr, c.txtNumber, state.txtNumber);
    showBoxVisibility(c.Frame2, c.txtSelNumbers, state.txtSelNumbers);
    if (shown.lines != state.lstNumbers) {
        showLines(c.lstNumbers, state.lstNumbers);
        shown.lines = state.lstNumbers;
    }
    // Checking one button of the exclusive set clears the others.
    showChecked(c.selectionTypes->button(static_cast<int>(state.typeOfSelection)), true);
    showAutoFillStart(c, state);
    showChanged(shown.toolTip, state.txtNumberToolTip, [&c](const QString& toolTip) {
        for (QLineEdit* box : c.txtNumber) {
            box->setToolTip(toolTip);
        }
    });
}

void applyFocus(const DrawletControls& c, const SelectorState& state) {
    QWidget* widget = widgetFor(c, state.focus);
    if (widget == nullptr) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (const TextBox* box = boxAt(state, state.focus)) {
        auto* edit = static_cast<QLineEdit*>(widget);
        const auto length = static_cast<int>(edit->text().size());
        const int start = std::clamp(box->selStart, 0, length);
        edit->setSelection(start, std::clamp(box->selLength, 0, length - start));
    }
}

} // namespace drawlet
