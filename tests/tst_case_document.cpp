// SPDX-License-Identifier: GPL-3.0-or-later
// The document of the working, printed to PDF through the print button and
// saved as PDF, read back with pdftotext in both languages; failures are
// reported and a cancel says nothing.
#include "ui/window_names.h"
#include "tests/tst_case_window_support.h"

#include "report/ui/printing.h"
#include "details/working_document.h"
#include "ui/captions.h"
#include "tests/tst_acceptance_support.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

class Cancel : public printing::PrinterChooser
{
public:
    bool choose(QPrinter &, QWidget *) override { return false; }
};

// The widest family with a long name: the page must wrap, not cut.
details::CaseState longCase()
{
    details::CaseState s = cw::family({{Relative::Mother, 1}, {Relative::Wife, 4}, {Relative::Daughter, 50},
                                       {Relative::SonsSon, 3}, {Relative::FullBrother, 7}, {Relative::FullUncle, 2}});
    s.name = QStringLiteral("Abdulrahman ") + QString(300, QLatin1Char('x')) + QStringLiteral(" End");
    s.estate.value = QStringLiteral("1000000");
    return s;
}

} // namespace

class tst_case_document : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        fonts::installSubstitutions();
    }
    void cleanup()
    {
        printing::setPrinterChooser(nullptr);
        details::setFileChooser(nullptr);
        ui::resetRegistry();
        language::applyToApplication(Language::Arabic);
    }

    void printed_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Arabic") << 0 << QStringList{captions::text(windows::CaseDetails, QStringLiteral("doc.title"), Language::Arabic), QStringLiteral("Khalid"), QStringLiteral("4:11"), QStringLiteral("1300"), QStringLiteral("54.17"), QStringLiteral("13000.00")};
        QTest::newRow("English") << 1 << QStringList{QStringLiteral("Case details"), QStringLiteral("Deceased: Khalid"), QStringLiteral("a sixth (4:11)"), QStringLiteral("Who receives nothing, and why"), QStringLiteral("1300"), QStringLiteral("13000.00"), QStringLiteral("The family as a tree"), QStringLiteral("(1) The full brother"), QStringLiteral("The shares")};
    }
    void printed()
    {
        QFETCH(int, language);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        details::CaseState s = cw::family({{Relative::Father, 1}, {Relative::Mother, 1}, {Relative::Wife, 1},
                                           {Relative::Son, 1}, {Relative::FullBrother, 1}});
        s.name = QStringLiteral("Khalid");
        s.estate.value = QStringLiteral("24000");
        CaseWindow *w = cw::open(s, language);
        const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
        printing::setPrinterChooser(std::make_unique<printing::PdfFileChooser>(pdf));
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        const QString text = acc::pdfText(pdf);
        for (const QString &e : expected)
            QVERIFY2(text.contains(e), qPrintable(e + QStringLiteral(" not in\n") + text));
        // In Arabic every table runs from the right. (pdftotext's word
        // boxes are no help here: it reorders right-to-left lines, and Qt's
        // hit test does not mirror right-to-left tables.)
        QTextDocument doc;
        details::document::build(doc, w->documentParts());
        doc.setPageSize(QSizeF(595, 842));
        QCOMPARE(doc.rootFrame()->childFrames().size(), 2);   // the working and the amounts
        // The check is on the painted page: the first heir's name is marked
        // in red, and the red must lie on the leading side.
        const QString heir = w->workingModel()->text(0, WorkingModel::Heir);
        for (QTextFrame *f : doc.rootFrame()->childFrames()) {
            auto *t = qobject_cast<QTextTable *>(f);
            QVERIFY(t);
            int column = 0;
            while (column < t->columns() && t->cellAt(1, column).firstCursorPosition().block().text() != heir)
                ++column;
            QVERIFY(column < t->columns());
            QTextCursor mark = t->cellAt(1, column).firstCursorPosition();
            mark.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            QTextCharFormat red;
            red.setForeground(Qt::red);
            mark.insertText(QString(4, QChar(0x2588)), red);
            QImage page(doc.size().toSize(), QImage::Format_RGB32);
            page.fill(Qt::white);
            QPainter painter(&page);
            doc.drawContents(&painter);
            painter.end();
            qint64 left = 0, right = 0;
            for (int y = 0; y < page.height(); ++y)
                for (int x = 0; x < page.width(); ++x)
                    if (page.pixel(x, y) == qRgb(255, 0, 0))
                        ++(x < page.width() / 2 ? left : right);
            QVERIFY(left + right > 0);
            QCOMPARE(right > left, language == 0);
        }
    }

    void longCaseWraps_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Arabic") << 0;
        QTest::newRow("English") << 1;
    }
    // A long name wraps onto the page, and the suggested PDF name comes
    // from the deceased's name and the date.
    void longCaseWraps()
    {
        QFETCH(int, language);
        QTemporaryDir dir;
        CaseWindow *w = cw::open(longCase(), language);
        const QString suggested = details::suggestedPath(w->state().name, QStringLiteral("pdf"));
        QVERIFY(QFileInfo(suggested).fileName().startsWith(QStringLiteral("Abdulrahman xxx")));
        QVERIFY(suggested.endsWith(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".pdf")));
        cw::fixedFiles()->savePath = dir.filePath(QStringLiteral("long"));
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdPdf")), Qt::LeftButton);
        const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
        const QString text = acc::pdfText(pdf);
        // The name is wider than the page: it wraps, and its end is printed.
        QVERIFY(text.contains(QStringLiteral(" End")));
        for (const QString &line : text.split(QLatin1Char('\n')))
            QVERIFY2(line.size() < 150, qPrintable(line));
    }

    void failureAndCancel()
    {
        CaseWindow *w = cw::open(cw::family({{Relative::Son, 1}}), 1);
        printing::setPrinterChooser(std::make_unique<printing::PdfFileChooser>(QStringLiteral("/nonexistent-folder/x.pdf")));
        QString title;
        acceptNextMessageBox(&title);
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Printing failed"));

        printing::setPrinterChooser(std::make_unique<Cancel>());
        bool boxShown = false;
        onNextModal([&](QWidget *m) { boxShown = true; m->hide(); }, 500);
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        cw::fixedFiles();   // an empty path: the PDF dialog cancelled
        QTest::mouseClick(w->findChild<QPushButton *>(QStringLiteral("cmdPdf")), Qt::LeftButton);
        QTest::qWait(600);
        QVERIFY(!boxShown);
    }
};

QTEST_MAIN(tst_case_document)
#include "tst_case_document.moc"
