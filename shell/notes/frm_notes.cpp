// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/notes/frm_notes.h"

#include "shell/notes/notes_layout.h"
#include "ui/captions.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QFile>
#include <QPushButton>
#include <QTextBrowser>

frmNotes::frmNotes(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(windows::Notes);
    // Arabic only: the window never reads the interface language.
    setLayoutDirection(Qt::RightToLeft);

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("RichTextBox1"));
    m_text->setReadOnly(true);
    m_text->setOpenLinks(true);
    m_text->setOpenExternalLinks(false);
    m_text->setFont(fonts::design(QStringLiteral("Simplified Arabic"), 14, false));
    m_text->setHtml(documentHtml());

    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("Command1"));
    m_close->setFont(fonts::design(QStringLiteral("Simplified Arabic"), 14.25));
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);

    captions::apply(this, windows::Notes, Language::Arabic);

    const auto layout = layout::notesWindow(geom::screenTwips());
    geom::placeWindow(this, layout.value(windows::Notes));
    geom::placeControl(m_text, layout.value(QStringLiteral("RichTextBox1")));
    geom::placeControl(m_close, layout.value(QStringLiteral("Command1")));
}

QString frmNotes::documentHtml()
{
    QFile f(QStringLiteral(":/doc/science.html"));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

void frmNotes::reject()
{
    // Close button, title bar and Escape all end here.
    QDialog::reject();
    ui::discard(objectName());
}
