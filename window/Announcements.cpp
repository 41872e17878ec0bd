// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Announcements.h"

#include <utility>

namespace drawlet::view {

std::optional<std::string> Announcements::rendered(const SelectorState& state, bool listening) {
    const bool pickPressed = std::exchange(pickPressed_, false);
    const std::optional<HistoryStep> historyStep = std::exchange(historyStep_, std::nullopt);
    if (!listening) {
        last_.reset();
        return std::nullopt;
    }
    SpokenResults now = spokenResults(state);
    // A pick is heard even when it drew the numbers it drew before.
    if (last_ && pickPressed) {
        last_->Frame1.clear();
        last_->Label3.clear();
    }
    std::optional<std::string> said;
    // What the window showed when the screen reader came is known to it already.
    if (last_ && (*last_ != now || historyStep)) {
        std::string sentence = resultAnnouncement(*last_, now, state.focus);
        if (historyStep) {
            sentence = historyAnnouncement(*historyStep, sentence);
        }
        if (!sentence.empty()) {
            said = std::move(sentence);
        }
    }
    last_ = std::move(now);
    return said;
}

} // namespace drawlet::view
