// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tree and the chart in the printed document of the working: pictures
// painted by the same functions as the window, and under the tree the
// notes saying why each excluded relative receives nothing.

#include "details/tree_model.h"

#include <QString>

class QTextDocument;

namespace details::tree {

// The section's HTML, with the pictures as resources "tarnavel-tree:" and
// "tarnavel-chart:" that addPictures() provides. `width` is the page's
// text width in the document's pixels.
QString documentHtml(const TreeModel &model, bool chart, double width);
void addPictures(QTextDocument &doc, const TreeModel &model, bool chart, double width);

} // namespace details::tree
