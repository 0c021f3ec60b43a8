// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tree and the chart in the printed document of the working: pictures
// painted by the same functions as the window, and under the tree the
// notes saying why each excluded relative receives nothing.

#include "details/tree_model.h"

class QTextDocument;

namespace details::tree {

// Appends the section at the end of the document. `width` is the page's
// text width in the document's pixels. The pictures go in as images of
// the text, not in frames of their own, so the document's frames stay its
// tables.
void append(QTextDocument &doc, const TreeModel &model, bool chart, double width);

} // namespace details::tree
