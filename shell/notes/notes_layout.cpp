// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/notes/notes_layout.h"

#include "ui/geometry.h"
#include "ui/window_names.h"

layout::Rects layout::notesWindow(QSizeF screen)
{
    const QRectF window = geom::fractionOfScreen(screen, 0.9, 0.9);
    const double w = window.width();
    const double h = window.height();

    // The text box keeps its designed corner and grows with the window.
    const QRectF text(240, 120, w * 0.9, h * 0.8);

    const QSizeF button(2775, 615);
    const QRectF close(geom::centredLeft(w, button.width()), h * 0.84, button.width(), button.height());

    // Back under the text's right edge, where a right-to-left reader starts
    // the row, Contents under its left edge; Close stays in the middle.
    const QRectF back(text.right() - button.width(), close.y(), button.width(), button.height());
    const QRectF contents(text.left(), close.y(), button.width(), button.height());

    return {{windows::Notes, window},
            {QStringLiteral("RichTextBox1"), text},
            {QStringLiteral("Command1"), close},
            {QStringLiteral("cmdBack"), back},
            {QStringLiteral("cmdContents"), contents}};
}
