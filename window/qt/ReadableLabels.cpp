// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReadableLabels.h"

#include <QEvent>
#include <QLabel>
#include <QObject>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <optional>

namespace drawlet {
namespace {

double linearChannel(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// Lightness is tried in steps finer than one level of an 8-bit channel, on the colour as it
// will be painted, so the rounding to whole levels cannot take it below the contrast.
constexpr int kLightnessSteps = 1024;

// The first lightness from the design's towards `towards` (0 or 1) that reads well, with how
// far it had to move.
std::optional<std::pair<QColor, double>> firstReadable(const QColor& design,
                                                       const QColor& background, double towards) {
    const double hue = std::max(0.0, static_cast<double>(design.hslHueF()));
    const double saturation = design.hslSaturationF();
    const double start = design.lightnessF();
    for (int step = 1; step <= kLightnessSteps; ++step) {
        const double lightness = start + (towards - start) * step / kLightnessSteps;
        const QColor candidate =
            QColor::fromHslF(static_cast<float>(hue), static_cast<float>(saturation),
                             static_cast<float>(lightness))
                .toRgb();
        const QColor painted(candidate.red(), candidate.green(), candidate.blue());
        if (contrastRatio(painted, background) >= kChosenContrast) {
            return std::pair{painted, std::abs(lightness - start)};
        }
    }
    return std::nullopt;
}

// Watches one label's palette; its own palette writes come back as a palette change too, and
// stop there because the colour no longer differs.
class ReadableTextKeeper final : public QObject {
public:
    ReadableTextKeeper(QLabel* label, const QColor& design) : QObject(label), design_(design) {
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
            const QColor wanted =
                readableOn(design_, palette.color(group, label->backgroundRole()));
            palette.setColor(group, label->foregroundRole(), wanted);
        }
        if (palette != label->palette()) {
            label->setPalette(palette);
        }
    }

    QColor design_;
};

} // namespace

double relativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF()) +
           0.0722 * linearChannel(rgb.blueF());
}

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableOn(const QColor& design, const QColor& background) {
    if (contrastRatio(design, background) >= kChosenContrast) {
        return design;
    }
    const auto lighter = firstReadable(design, background, 1.0);
    const auto darker = firstReadable(design, background, 0.0);
    if (lighter && (!darker || lighter->second <= darker->second)) {
        return lighter->first;
    }
    if (darker) {
        return darker->first;
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

void keepReadable(QLabel* label, const QColor& design) {
    new ReadableTextKeeper(label, design);
}

} // namespace drawlet
