// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReadableLabels.h"

#include "ReadableColours.h"

#include <QEvent>
#include <QLabel>
#include <QObject>
#include <QPalette>

namespace drawlet {
namespace {

// Watches one label's palette; its own palette writes come back as a palette change too, and
// stop there because the colour no longer differs.
class ReadableTextKeeper final : public QObject {
public:
    ReadableTextKeeper(QLabel* label, view::Rgb design) : QObject(label), design_(design) {
        label->installEventFilter(this);
        recolour(label);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange) {
            recolour(static_cast<QLabel*>(watched));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void recolour(QLabel* label) const {
        QPalette palette = label->palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            const QColor background = palette.color(group, label->backgroundRole());
            palette.setColor(group, label->foregroundRole(),
                             qtColour(view::readableOn(design_, rgbOf(background))));
        }
        if (palette != label->palette()) {
            label->setPalette(palette);
        }
    }

    view::Rgb design_;
};

} // namespace

QColor qtColour(view::Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

view::Rgb rgbOf(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
            static_cast<std::uint8_t>(rgb.blue())};
}

void keepReadable(QLabel* label, view::Rgb design) {
    new ReadableTextKeeper(label, design);
}

} // namespace drawlet
