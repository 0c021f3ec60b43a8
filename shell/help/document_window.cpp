// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/help/document_window.h"

#include "ui/captions.h"
#include "ui/fonts.h"
#include "ui/geometry.h"
#include "ui/help.h"
#include "ui/language.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

DocumentWindow::DocumentWindow(const QString &name, const QStringList &documents, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(name);
    const Language lang = language::current();
    language::applyDirection(this, lang);
    m_document = documentUrl(documents, lang);

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("txtDocument"));
    m_text->setOpenLinks(true);
    m_text->setOpenExternalLinks(false);
    if (lang == Language::Arabic)
        m_text->setFont(fonts::design(QStringLiteral("Simplified Arabic"), 13, false));
    m_text->setSource(m_document);

    auto button = [this](const char *objectName) {
        auto *b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(objectName));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton *back = button("cmdBack");
    QPushButton *contents = button("cmdContents");
    QPushButton *close = button("cmdClose");
    back->setEnabled(false);
    connect(m_text, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(back, &QPushButton::clicked, m_text, &QTextBrowser::backward);
    connect(contents, &QPushButton::clicked, this, [this] { showSection(QString()); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // As in a browser: Alt+Left and Backspace go back too.
    auto *backKeys = new QAction(this);
    backKeys->setObjectName(QStringLiteral("actBack"));
    backKeys->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Backspace)});
    connect(backKeys, &QAction::triggered, m_text, &QTextBrowser::backward);
    addAction(backKeys);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);

    captions::apply(this, name, lang);
    geom::placeWindow(this, geom::fractionOfScreen(geom::screenTwips(), 0.85, 0.85));
    m_pending = help::takeRequestedSection();
}

QUrl DocumentWindow::documentUrl(const QStringList &documents, Language lang)
{
    const int language = lang == Language::English ? 1 : 0;
    const QString doc = documents.value(language).isEmpty() ? documents.value(1 - language)
                                                            : documents.value(language);
    return QUrl(QStringLiteral("qrc:/doc/") + doc);
}

void DocumentWindow::showSection(const QString &section)
{
    QUrl target = m_document;
    if (!section.isEmpty())
        target.setFragment(section);
    m_text->setSource(target);
    if (section.isEmpty())
        m_text->verticalScrollBar()->setValue(0);
    else
        m_text->scrollToAnchor(section);
}

void DocumentWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The anchor's place is known once the document is laid out at the
    // window's size.
    if (!m_pending.isEmpty())
        QTimer::singleShot(0, this, [this, section = m_pending] { showSection(section); });
    m_pending.clear();
}

void DocumentWindow::reject()
{
    // Close button, title bar and Escape all end here.
    QDialog::reject();
    ui::discard(objectName());
}
