// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Applies the view's writes (FormView.h) to the widgets, in order, each widget's signals
// blocked so nothing echoes back as an event. What changed is the view's decision; what is
// Qt's here is how a change is written cheaply: many boxes of a frame at once as one repaint,
// the frame hidden around several boxes shown or hidden, the boxes without the focus kept quiet
// towards a screen reader, a wrapped line of numbers laid out when it is written.

#include "DrawletControls.h"
#include "FormView.h"

#include <vector>

namespace drawlet {

void applyWrites(const DrawletControls& controls, const std::vector<view::Write>& writes);

} // namespace drawlet
