// SPDX-License-Identifier: GPL-3.0-or-later
// What the case window does: working the case out again on every change,
// the estate in money, case files and the document of the working.
#include "details/case_window.h"

#include "details/family_tab.h"
#include "details/file_chooser.h"
#include "details/recent_cases.h"
#include "ui/printer_chooser.h"
#include "details/relatives_panel.h"
#include "report/working_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QFileInfo>
#include <QBoxLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QSpinBox>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>

using details::caption;
namespace casefile = details::casefile;

void CaseWindow::setCase(const details::CaseState &state)
{
    m_state = state;
    m_goodEstate.reset();
    showState();
    loadRelatives();
    recompute();
    m_modified = false;
}

void CaseWindow::readFamily()
{
    if (m_updating)
        return;
    m_modified = true;
    m_state.woman = m_sex->currentIndex() == 1;
    for (auto it = m_counts.begin(); it != m_counts.end(); ++it)
        m_state.setCount(Relative(it.key()), it.value()->value());
    for (auto it = m_flags.begin(); it != m_flags.end(); ++it)
        m_state.setCount(Relative(it.key()), it.value()->isChecked() ? 1 : 0);
    m_state.method = m_method->currentIndex() == 0 ? 1 : 2;
    recompute();
}

void CaseWindow::readEstate()
{
    if (m_updating)
        return;
    m_modified = true;
    details::EstateEntries &e = m_state.estate;
    e.value = m_estateFields.value(int(estate::Field::Estate))->text();
    e.funeralCosts = m_estateFields.value(int(estate::Field::FuneralCosts))->text();
    e.debts = m_estateFields.value(int(estate::Field::Debts))->text();
    e.bequest = m_estateFields.value(int(estate::Field::Bequest))->text();
    e.heirsConsent = m_consent->isChecked();
    e.decimals = m_decimals->value();
    showAmounts();
    showRelatives();
    showTree();
}

void CaseWindow::recompute()
{
    // A man leaves wives, a woman a husband.
    m_updating = true;
    const Relative other = m_state.woman ? Relative::Wife : Relative::Husband;
    m_state.setCount(other, 0);
    if (QSpinBox *wives = m_counts.value(int(Relative::Wife))) {
        wives->setValue(m_state.count(Relative::Wife));
        wives->setEnabled(!m_state.woman);
    }
    if (QCheckBox *husband = m_flags.value(int(Relative::Husband))) {
        husband->setChecked(m_state.count(Relative::Husband) != 0);
        husband->setEnabled(m_state.woman);
    }
    m_updating = false;

    m_working = workCase(details::familyRecord(m_state, m_language));
    m_method->setEnabled(m_working.methodAsked);
    showWorking();
    showAmounts();
    showRelatives();
    showTree();
}

QString CaseWindow::methodTitle(int method) const
{
    return caption(method == 1 ? "method1" : "method2", m_language);
}

void CaseWindow::showWorking()
{
    const CaseWorking &w = m_working;
    if (w.familyError) {
        m_familyError->setText(caption("familyError", m_language));
        m_familyError->show();
    } else {
        m_familyError->hide();
    }
    m_model->setWorking(w, m_language);
    const bool both = w.methodAsked && w.otherMethod;
    if (both)
        m_otherModel->setWorking(*w.otherMethod, m_language);
    else
        m_otherModel->setWorking(CaseWorking{}, m_language);
    m_otherBox->setVisible(both);
    m_chosenBox->setTitle(both ? methodTitle(w.method) : caption("grpChosen", m_language));
    m_otherBox->setTitle(both ? methodTitle(w.otherMethod->method) : QString());
    m_table->setColumnHidden(WorkingModel::AwlOrReturn, !m_model->hasAwlOrReturn());
    m_otherTable->setColumnHidden(WorkingModel::AwlOrReturn, !m_otherModel->hasAwlOrReturn());
    // Again once the tables have laid out their new rows: a table that was
    // hidden knows its columns' widths only then.
    arrangeMethods();
    QTimer::singleShot(0, this, &CaseWindow::arrangeMethods);

    QString bases;
    if (w.groups.empty()) {
        bases = caption("noHeirs", m_language);
    } else {
        bases = caption("bases", m_language).arg(w.base);
        if (w.awlBase)
            bases += caption("basesAwl", m_language).arg(w.awlBase);
        if (w.returnBase)
            bases += caption("basesReturn", m_language).arg(w.returnBase);
        bases += caption("basesCorrected", m_language).arg(w.correctedBase);
    }
    m_bases->setText(bases);

    m_excludedLines.clear();
    for (const Exclusion &e : w.excluded)
        m_excludedLines << report::exclusionSentence(e, m_language);
    m_stepLines.clear();
    for (const Step &s : w.steps)
        m_stepLines << report::stepSentence(s, w, m_language);

    const QString dir = m_language == Language::English ? QStringLiteral("ltr") : QStringLiteral("rtl");
    QString html = QStringLiteral("<html dir=\"%1\"><body dir=\"%1\">").arg(dir);
    auto section = [&html](const QString &title, const QStringList &lines) {
        if (lines.isEmpty())
            return;
        html += QStringLiteral("<p><b>%1</b></p><ul>").arg(title.toHtmlEscaped());
        for (const QString &line : lines)
            html += QStringLiteral("<li>%1</li>").arg(line.toHtmlEscaped());
        html += QStringLiteral("</ul>");
    };
    section(caption("excludedTitle", m_language), m_excludedLines);
    section(caption("stepsTitle", m_language), m_stepLines);
    html += QStringLiteral("</body></html>");
    // Laying the text out again is most of a family change's cost; most
    // changes leave it as it was.
    if (html != m_explanationHtml) {
        m_explanationHtml = html;
        m_explanation->setHtml(html);
    }
}

namespace {

// The width a table needs to show every column whole, its frame and a
// vertical scroll bar included.
int wholeWidth(QTableView *t)
{
    // The columns take their contents' width; the last one stretches, but
    // never below the header's default section size.
    const QHeaderView *header = t->horizontalHeader();
    int width = 2 * t->frameWidth() + t->verticalScrollBar()->sizeHint().width();
    const QAbstractItemView *view = t;
    int last = -1;
    for (int c = 0; c < t->model()->columnCount(); ++c) {
        if (t->isColumnHidden(c))
            continue;
        width += std::max(header->sectionSizeHint(c), view->sizeHintForColumn(c));
        last = c;
    }
    if (last >= 0)
        width += std::max(0, header->defaultSectionSize()
                                 - std::max(header->sectionSizeHint(last), view->sizeHintForColumn(last)));
    return width;
}

} // namespace

// Side by side where both tables fit whole, else one above the other: no
// column of either method is ever scrolled out of sight.
void CaseWindow::arrangeMethods()
{
    if (!m_otherBox->isVisibleTo(this)) {
        m_methodsLayout->setDirection(QBoxLayout::LeftToRight);
        return;
    }
    auto overhead = [](QGroupBox *box, QTableView *t) {
        const QMargins m = box->contentsMargins() + box->layout()->contentsMargins();
        return m.left() + m.right() + t->contentsMargins().left() + t->contentsMargins().right();
    };
    // Side by side each box gets half the width; a little room to spare
    // keeps a table from scrolling for a pixel of rounding.
    const int each = std::max(wholeWidth(m_table) + overhead(m_chosenBox, m_table),
                              wholeWidth(m_otherTable) + overhead(m_otherBox, m_otherTable));
    const int needed = 2 * (each + 12) + m_methodsLayout->spacing();
    const int available = m_methods->width() - m_methodsLayout->contentsMargins().left()
                          - m_methodsLayout->contentsMargins().right();
    m_methodsLayout->setDirection(needed <= available ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
}

bool CaseWindow::methodsStacked() const
{
    return m_otherBox->isVisibleTo(this) && m_methodsLayout->direction() == QBoxLayout::TopToBottom;
}

bool CaseWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_methods && event->type() == QEvent::Resize)
        arrangeMethods();
    return QDialog::eventFilter(watched, event);
}

QString CaseWindow::estateErrorText(estate::Error e) const
{
    switch (e) {
    case estate::Error::None: return {};
    case estate::Error::Missing: return caption("estate.missing", m_language);
    case estate::Error::NotANumber: return caption("estate.notANumber", m_language);
    case estate::Error::Negative: return caption("estate.negative", m_language);
    case estate::Error::TooManyDecimals: return caption("estate.tooManyDecimals", m_language).arg(m_state.estate.decimals);
    case estate::Error::TooLarge: return caption("estate.tooLarge", m_language);
    case estate::Error::DebtsExceedEstate: return caption("estate.debtsExceed", m_language);
    case estate::Error::BadDecimals: return caption("estate.badDecimals", m_language);
    case estate::Error::SharesDoNotAddUp: return caption("estate.sharesDoNotAddUp", m_language);
    }
    return {};
}

void CaseWindow::markEstateField(estate::Field field, const QString &message)
{
    for (auto it = m_estateErrors.begin(); it != m_estateErrors.end(); ++it) {
        const bool here = !message.isEmpty() && it.key() == int(field);
        it.value()->setText(here ? message : QString());
        it.value()->setVisible(here);
        if (QLineEdit *edit = m_estateFields.value(it.key()))
            edit->setStyleSheet(here ? QStringLiteral("QLineEdit { border: 2px solid #b00000; }") : QString());
    }
}

void CaseWindow::showAmounts()
{
    const details::EstateEntries &e = m_state.estate;
    const auto claimants = estateClaimants(m_working);
    const bool anything = e.given() || !e.funeralCosts.trimmed().isEmpty() || !e.debts.trimmed().isEmpty()
        || !e.bequest.trimmed().isEmpty();
    if (!anything) {
        m_estateError.clear();
        markEstateField(estate::Field::None, {});
        m_goodEstate.reset();
        m_amountsTable->setEnabled(true);
        m_money = {};
        m_amounts->setAmounts(m_working, m_money, e.decimals, m_language);
        m_summary->clear();
        m_summaryLines.clear();
        return;
    }
    estate::Result r = estate::divide(details::estateInput(e), claimants);
    if (r.error != estate::Error::None) {
        // The entries are wrong: say where, and keep the last good figures,
        // worked out again for the family as it now is, greyed under a line
        // that says they are not those of the entries on screen.
        m_estateError = estateErrorText(r.error);
        markEstateField(r.field, m_estateError);
        m_amountsTable->setEnabled(false);
        if (!m_goodEstate) {
            m_summaryLines.clear();
            m_summary->clear();
            return;
        }
        r = estate::divide(details::estateInput(*m_goodEstate), claimants);
        if (r.error != estate::Error::None) {
            m_summaryLines.clear();
            m_summary->clear();
            return;
        }
    } else {
        m_amountsTable->setEnabled(true);
        m_estateError.clear();
        markEstateField(estate::Field::None, {});
        m_goodEstate = e;
    }
    const int decimals = m_goodEstate ? m_goodEstate->decimals : e.decimals;
    m_money = r;
    m_amounts->setAmounts(m_working, r, decimals, m_language);
    auto money = [decimals](std::int64_t minor) {
        return QString(QChar(0x2066)) + QString::fromStdString(estate::formatMinor(minor, decimals)) + QChar(0x2069);
    };
    m_summaryLines.clear();
    m_summaryLines << caption("sum.estate", m_language).arg(money(r.estate));
    if (r.funeralCosts)
        m_summaryLines << caption("sum.funeralCosts", m_language).arg(money(r.funeralCosts));
    if (r.debts)
        m_summaryLines << caption("sum.debts", m_language).arg(money(r.debts));
    const bool consent = m_goodEstate ? m_goodEstate->heirsConsent : e.heirsConsent;
    if (r.bequestAsked) {
        m_summaryLines << caption("sum.bequest", m_language).arg(money(r.bequestPaid));
        if (r.bequestPaid < r.bequestAsked)
            m_summaryLines << caption(consent ? "sum.bequestCut" : "sum.bequestCapped", m_language)
                                  .arg(money(r.bequestAsked));
    }
    m_summaryLines << caption("sum.distributed", m_language).arg(money(r.distributed));
    // Nothing for the heirs: because of the costs and debts, or because the
    // bequest the heirs consented to takes what they leave.
    if (r.nothingLeft || r.distributed == 0)
        m_summaryLines << caption(r.bequestPaid > 0 ? "sum.bequestTakesAll" : "sum.nothingLeft", m_language);
    if (!m_estateError.isEmpty())
        m_summaryLines.prepend(caption("sum.outOfDate", m_language));
    m_summary->setText(m_summaryLines.join(QLatin1Char('\n')));
}

// --- case files ------------------------------------------------------------

QString CaseWindow::problemText(const casefile::Problem &p, Language language)
{
    const char *key = "file.unreadable";
    switch (p.error) {
    case casefile::Error::None: return {};
    case casefile::Error::Unreadable: key = "file.unreadable"; break;
    case casefile::Error::Empty: key = "file.empty"; break;
    case casefile::Error::NotACaseFile: key = "file.notCase"; break;
    case casefile::Error::Damaged: key = "file.damaged"; break;
    case casefile::Error::NewerFormat: key = "file.newer"; break;
    case casefile::Error::BadValue: key = "file.badValue"; break;
    case casefile::Error::UnknownRelative: key = "file.unknownRelative"; break;
    case casefile::Error::Inconsistent: key = "file.inconsistent"; break;
    case casefile::Error::Unwritable: key = "file.unwritable"; break;
    }
    QString text = caption(key, language);
    if (!text.contains(QLatin1String("%1")))
        return text;
    // The file's own names (a relative, a field, a contradiction) are said
    // in the language; anything else, as a number or a system's message,
    // stands as it is, left to right.
    QString detail = p.detail;
    Relative r;
    const QByteArray field = ((p.error == casefile::Error::Inconsistent ? "inconsistent." : "field.") + p.detail).toLatin1();
    if (p.error != casefile::Error::UnknownRelative && details::relativeFromKey(p.detail, r)) {
        detail = report::relativeName(r, details::isSingle(r) ? 1 : 2, language);
        if (language == Language::English && detail.startsWith(QLatin1String("the ")))
            detail = detail.mid(4);
        return text.arg(detail);
    }
    if (const QString named = caption(field.constData(), language); !named.isEmpty())
        return text.arg(named);
    return text.arg(QChar(0x2066) + detail + QChar(0x2069));
}

void CaseWindow::reportFailure(const char *titleKey, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, caption(titleKey, m_language), text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("caseFileNotice"));
    box.exec();
}

bool CaseWindow::openFile(const QString &path)
{
    casefile::Contents contents;
    const casefile::Problem p = casefile::open(path, contents);
    if (p.error != casefile::Error::None) {
        const QString name = QFileInfo(path).fileName();
        reportFailure("file.openFailed", caption("file.couldNotOpen", m_language).arg(name) + QLatin1Char('\n')
                                             + problemText(p, m_language));
        return false;
    }
    setCase(contents.state);
    // A file from before profiles was worked under the program's views.
    if (!contents.state.profile)
        m_relativesPanel->setProfile(Profile::Program, profileViews(Profile::Program));
    details::recent::add(path);
    return true;
}

bool CaseWindow::saveFile(const QString &path)
{
    const casefile::Problem p = casefile::save(path, stateToSave(), m_language);
    if (p.error != casefile::Error::None) {
        reportFailure("file.saveFailed", problemText(p, m_language));
        return false;
    }
    details::recent::add(path);
    m_modified = false;
    return true;
}

bool CaseWindow::estateReady(Purpose purpose)
{
    if (m_estateError.isEmpty())
        return true;
    const char *keys[] = {"blocked.save", "blocked.print", "blocked.pdf"};
    const QString text = caption(keys[int(purpose)], m_language).arg(m_estateError);
    if (purpose == Purpose::Save) {
        // The entries are kept as typed: the case can still be saved.
        QMessageBox box(QMessageBox::Question, caption("blocked.title", m_language), text,
                        QMessageBox::Save | QMessageBox::Cancel, this);
        box.setObjectName(QStringLiteral("estateErrorNotice"));
        box.setDefaultButton(QMessageBox::Cancel);
        return box.exec() == QMessageBox::Save;
    }
    QMessageBox box(QMessageBox::Warning, caption("blocked.title", m_language), text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("estateErrorNotice"));
    box.exec();
    return false;
}

bool CaseWindow::save()
{
    if (!estateReady(Purpose::Save))
        return false;
    const QString filter = caption("file.filter", m_language);
    const QString path = details::fileChooser().saveFile(
        this, caption("file.saveTitle", m_language),
        details::suggestedPath(m_state.name, QLatin1String(casefile::Suffix)), filter);
    if (path.isEmpty())
        return false;
    QString target = path;
    if (QFileInfo(target).suffix().isEmpty())
        target += QLatin1Char('.') + QLatin1String(casefile::Suffix);
    return saveFile(target);
}

void CaseWindow::open()
{
    const QStringList recent = details::recent::files();
    const QString folder = recent.isEmpty() ? QFileInfo(details::suggestedPath(QString(), QStringLiteral("x"))).path()
                                            : QFileInfo(recent.first()).path();
    const QString path = details::fileChooser().openFile(this, caption("file.openTitle", m_language), folder,
                                                         caption("file.filter", m_language));
    if (!path.isEmpty())
        openFile(path);
}

// --- the document ----------------------------------------------------------

details::document::Parts CaseWindow::documentParts() const
{
    details::document::Parts p;
    p.language = m_language;
    p.title = caption("doc.title", m_language);
    p.particulars << caption("doc.name", m_language).arg(m_state.name.isEmpty() ? QStringLiteral("—") : m_state.name)
                  << caption("doc.sex", m_language).arg(m_sex->itemText(m_state.woman ? 1 : 0))
                  << caption("doc.date", m_language).arg(QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
    for (int k = 0; k < RelativeCount; ++k) {
        const auto r = Relative(k);
        const int n = m_state.count(r);
        if (n == 0)
            continue;
        QString name = m_relativeLabels.value(k)->text();
        p.family << (details::isSingle(r) ? name : QStringLiteral("%1: %2").arg(name).arg(n));
    }
    if (m_working.methodAsked)
        p.family << methodTitle(m_working.method);
    p.workingTitle = m_bases->text();
    p.working = m_model;
    if (m_working.methodAsked && m_working.otherMethod) {
        p.otherTitle = methodTitle(m_working.otherMethod->method);
        p.other = m_otherModel;
    }
    p.excludedTitle = caption("excludedTitle", m_language);
    p.excluded = m_excludedLines;
    p.stepsTitle = caption("stepsTitle", m_language);
    p.steps = m_stepLines;
    if (m_amounts->rowCount() > 0) {
        p.amountsTitle = caption("tabEstate", m_language);
        p.amountsSummary = m_summaryLines;
        p.amounts = m_amounts;
    }
    p.tree = &m_familyTab->model();
    p.chart = m_familyTab->chartShown();
    addRelativesParts(p);
    addDeathsParts(p);
    return p;
}

bool CaseWindow::printWith(QPrinter &printer)
{
    if (details::document::print(documentParts(), printer))
        return true;
    reportFailure("print.failedTitle", caption("print.failed", m_language));
    return false;
}

void CaseWindow::print()
{
    if (!estateReady(Purpose::Print))
        return;
    QPrinter printer(QPrinter::HighResolution);
    // Printed to a file, the document is offered under the name and date
    // the other documents take (the print dialog makes its file name from
    // the document's name when it is given none).
    const QString suggested = details::suggestedPath(m_state.name, QStringLiteral("pdf"));
    printer.setDocName(QFileInfo(suggested).fileName());
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setOutputFileName(suggested);
    if (!printing::printerChooser().choose(printer, this))
        return;
    printWith(printer);
}

void CaseWindow::saveAsPdf()
{
    if (!estateReady(Purpose::Pdf))
        return;
    const QString path = details::fileChooser().saveFile(this, caption("pdf.title", m_language),
                                                         details::suggestedPath(m_state.name, QStringLiteral("pdf")),
                                                         caption("pdf.filter", m_language));
    if (path.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".pdf") : path);
    printWith(printer);
}
