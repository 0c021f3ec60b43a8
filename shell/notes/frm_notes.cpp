// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/notes/frm_notes.h"

#include "shell/notes/notes_layout.h"
#include "ui/captions.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QPushButton>
#include <QScrollBar>
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
    // Loaded by its address, so that a followed link can be gone back from.
    m_text->setSource(QUrl(QStringLiteral("qrc:/doc/science.html")));

    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("Command1"));
    m_close->setFont(fonts::design(QStringLiteral("Simplified Arabic"), 14.25));
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);

    auto *back = new QPushButton(this);
    back->setObjectName(QStringLiteral("cmdBack"));
    auto *contents = new QPushButton(this);
    contents->setObjectName(QStringLiteral("cmdContents"));
    for (QPushButton *b : {back, contents}) {
        b->setFont(m_close->font());
        b->setAutoDefault(false);
    }
    back->setEnabled(false);
    connect(m_text, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(back, &QPushButton::clicked, m_text, &QTextBrowser::backward);
    connect(contents, &QPushButton::clicked, this, [this] {
        m_text->setSource(QUrl(QStringLiteral("qrc:/doc/science.html")));
        m_text->verticalScrollBar()->setValue(0);
    });
    // As in a browser: Alt+Left and Backspace go back too.
    auto *backKeys = new QAction(this);
    backKeys->setObjectName(QStringLiteral("actBack"));
    backKeys->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Backspace)});
    connect(backKeys, &QAction::triggered, m_text, &QTextBrowser::backward);
    addAction(backKeys);

    captions::apply(this, windows::Notes, Language::Arabic);

    const auto layout = layout::notesWindow(geom::screenTwips());
    geom::placeWindow(this, layout.value(windows::Notes));
    geom::placeControl(m_text, layout.value(QStringLiteral("RichTextBox1")));
    geom::placeControl(m_close, layout.value(QStringLiteral("Command1")));
    geom::placeControl(back, layout.value(QStringLiteral("cmdBack")));
    geom::placeControl(contents, layout.value(QStringLiteral("cmdContents")));
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
