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
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <span>
#include <type_traits>
#include <utility>
#include <variant>

namespace drawlet {
namespace {

using view::Write;
using Writes = std::span<const Write>;

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
        // Handed on as if this were not there: to the handler before it or, without one, to the
        // platform. The rest of the write stays quiet.
        QAccessible::installUpdateHandler(previous_);
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

// A wrapped line of numbers lays its text out when it is first painted and asks there to be
// painted again, a second frame for every change. Laid out here, while the handler runs, it is
// painted once.
void showCaption(const DrawletControls& c, const view::WriteCaption& write) {
    QWidget* widget = c.captions[static_cast<std::size_t>(write.caption)];
    const QString text = QString::fromStdString(write.text);
    const QSignalBlocker blocker(widget);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text() != text) {
            label->setText(text);
        }
        if (label->wordWrap()) {
            static_cast<void>(label->heightForWidth(label->width()));
        }
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        if (frame->title() != text) {
            frame->setTitle(text);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->text() != text) {
            button->setText(text);
        }
    }
}

void showSlider(const DrawletControls& c, const view::WriteSlider& write) {
    auto* widget = static_cast<QScrollBar*>(widgetFor(c, {write.slider, 0}));
    const ScrollBar& slider = write.bar;
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

// The boxes of the row a write is for, with the frame that holds them (none for the entry row).
struct BoxRowWidgets {
    std::span<QLineEdit* const> boxes;
    QWidget* container;
};

BoxRowWidgets rowOf(const DrawletControls& c, FocusTarget box) {
    if (box.control == ControlId::txtSelNumbers) {
        return {c.txtSelNumbers, c.Frame2};
    }
    return {c.txtNumber, nullptr};
}

// The writes of one kind for one row of boxes, from `first` on: the view writes a row's boxes
// together.
template <typename BoxWrite>
Writes runOf(Writes writes, std::size_t first) {
    const ControlId row = std::get<BoxWrite>(writes[first]).box.control;
    std::size_t end = first;
    while (end < writes.size() && std::holds_alternative<BoxWrite>(writes[end]) &&
           std::get<BoxWrite>(writes[end]).box.control == row) {
        ++end;
    }
    return writes.subspan(first, end - first);
}

// A box written while shown is marked for repainting, and at the next paint Qt weighs every
// marked widget against its siblings one by one: for a hundred boxes that costs more than their
// text layout. When many boxes of a container are written at once, they are written unmarked
// and the container is marked once, so it is repainted as one piece with all its boxes. That
// repaints the unchanged boxes too; of a hundred shown boxes, it costs less than marking the
// changed ones from about a fifth of them on, and it is done from a third on.
void showBoxTexts(const DrawletControls& c, Writes run) {
    const BoxRowWidgets row = rowOf(c, std::get<view::WriteBoxText>(run.front()).box);
    const std::size_t visible = static_cast<std::size_t>(std::count_if(
        row.boxes.begin(), row.boxes.end(), [](const QLineEdit* box) { return !box->isHidden(); }));
    const bool asOnePiece = row.container != nullptr && run.size() > 1 && 3 * run.size() >= visible;
    const QuietUnfocusedBoxes quiet;
    for (const Write& write : run) {
        const auto& [box, text] = std::get<view::WriteBoxText>(write);
        QLineEdit* widget = row.boxes[static_cast<std::size_t>(box.index)];
        const QString shown = QString::fromStdString(text);
        if (widget->text() == shown) {
            continue;
        }
        const QSignalBlocker blocker(widget);
        if (asOnePiece) {
            setTextUnmarked(widget, shown);
        } else {
            widget->setText(shown);
        }
    }
    if (asOnePiece) {
        row.container->update();
    }
}

// Showing child widgets one by one costs a round trip to the display server each while the
// pointer is over the window; when several boxes change at once their container is hidden
// around the changes so it is paid once.
void showBoxVisibility(const DrawletControls& c, Writes run) {
    const BoxRowWidgets row = rowOf(c, std::get<view::WriteBoxVisible>(run.front()).box);
    std::vector<std::pair<QLineEdit*, bool>> changes; // each widget to change, shown or not
    for (const Write& write : run) {
        const auto& [box, visible] = std::get<view::WriteBoxVisible>(write);
        QLineEdit* widget = row.boxes[static_cast<std::size_t>(box.index)];
        if (widget->isHidden() == visible) {
            changes.emplace_back(widget, visible);
        }
    }
    if (changes.empty()) {
        return;
    }
    QWidget* hidden = hiddenAround(row.container, changes.size());
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

// An emptied list is cleared at once; otherwise the lines kept stay as they are.
void showLines(const DrawletControls& c, const view::WriteLines& write) {
    QListWidget* list = c.lstNumbers;
    const QSignalBlocker blocker(list);
    if (write.kept == 0 && write.added.empty()) {
        if (list->count() > 0) {
            list->clear();
        }
        return;
    }
    const auto kept = static_cast<int>(write.kept);
    while (list->count() > kept) {
        delete list->takeItem(list->count() - 1);
    }
    for (const std::string& line : write.added) {
        list->addItem(QString::fromStdString(line));
    }
}

// Checking one type of selection clears the others. The auto-fill start may have neither
// button checked, which an exclusive group refuses: it is not exclusive while one is written.
void showChecked(const DrawletControls& c, const view::WriteChecked& write) {
    auto* button = static_cast<QAbstractButton*>(widgetFor(c, write.option));
    if (button->isChecked() == write.checked) {
        return;
    }
    const bool autoFillStart = write.option.control == ControlId::Option1;
    if (autoFillStart) {
        c.autoFillStarts->setExclusive(false);
    }
    {
        const QSignalBlocker blocker(button);
        button->setChecked(write.checked);
    }
    if (autoFillStart) {
        c.autoFillStarts->setExclusive(true);
    }
}

void showToolTip(const DrawletControls& c, const view::WriteToolTip& write) {
    const QString toolTip = QString::fromStdString(write.text);
    for (QLineEdit* box : c.txtNumber) {
        box->setToolTip(toolTip);
    }
}

// The keyboard focus, and a box's selection, already clamped to its text.
void applyFocus(const DrawletControls& c, const view::WriteFocus& write) {
    QWidget* widget = widgetFor(c, write.target);
    if (widget == nullptr) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (isBox(write.target)) {
        static_cast<QLineEdit*>(widget)->setSelection(write.selStart, write.selLength);
    }
}

} // namespace

void applyWrites(const DrawletControls& c, const std::vector<Write>& writes) {
    const Writes all(writes);
    std::size_t next = 0;
    while (next < all.size()) {
        const Write& write = all[next];
        if (std::holds_alternative<view::WriteBoxText>(write)) {
            const Writes run = runOf<view::WriteBoxText>(all, next);
            showBoxTexts(c, run);
            next += run.size();
            continue;
        }
        if (std::holds_alternative<view::WriteBoxVisible>(write)) {
            const Writes run = runOf<view::WriteBoxVisible>(all, next);
            showBoxVisibility(c, run);
            next += run.size();
            continue;
        }
        std::visit(
            [&c](const auto& one) {
                using Kind = std::decay_t<decltype(one)>;
                if constexpr (std::is_same_v<Kind, view::WriteCaption>) {
                    showCaption(c, one);
                } else if constexpr (std::is_same_v<Kind, view::WriteSlider>) {
                    showSlider(c, one);
                } else if constexpr (std::is_same_v<Kind, view::WriteLines>) {
                    showLines(c, one);
                } else if constexpr (std::is_same_v<Kind, view::WriteChecked>) {
                    showChecked(c, one);
                } else if constexpr (std::is_same_v<Kind, view::WriteToolTip>) {
                    showToolTip(c, one);
                } else if constexpr (std::is_same_v<Kind, view::WriteFocus>) {
                    applyFocus(c, one);
                }
            },
            write);
        ++next;
    }
}

} // namespace drawlet
