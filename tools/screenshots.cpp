// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window in both languages into PNG files:
//   tarnavel-screenshots OUTPUT_DIR
// Run it on the offscreen platform with a configured screen (see
// tools/screenshots.sh) to get the pictures for one screen size.
#include "app.h"
#include "case/calculation.h"
#include "case/case_record.h"
#include "ui/language.h"
#include "ui/window_names.h"
#include "ui/window_registry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

QString outDir;

void grab(QWidget *w, const QString &name)
{
    w->show();
    QTest::qWait(150);
    const QSize s = QGuiApplication::primaryScreen()->geometry().size();
    const QString file = QStringLiteral("%1/%2-%3-%4x%5.png")
                             .arg(outDir, name, language::isEnglish() ? QStringLiteral("en") : QStringLiteral("ar"))
                             .arg(s.width())
                             .arg(s.height());
    w->grab().save(file);
    printf("%s\n", qPrintable(file));
}

void click(QWidget *w, const char *name)
{
    if (auto *b = w ? w->findChild<QAbstractButton *>(QString::fromLatin1(name)) : nullptr)
        b->click();
}

// The example of a man leaving his father, mother, a wife and one son.
void exampleCase(CaseRecord &c)
{
    c.FatherAlive = 1;
    c.MotherAlive = 1;
    c.WifeCount = 1;
    c.SonCount = 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: tarnavel-screenshots OUTPUT_DIR\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    app::initialise();
    // Pictures are taken without any modal notice.
    calculationHooks().noHeirsNotice = nullptr;
    calculationHooks().openResults = nullptr;

    for (const Language lang : {Language::Arabic, Language::English}) {
        theCase() = CaseRecord{};
        // The main window as it opens, then after the language choice.
        ui::discard(windows::Main);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidget *main = ui::window(windows::Main);
        if (!main)
            continue;
        if (lang == Language::Arabic)
            grab(main, QStringLiteral("frmInherence-start"));
        click(main, lang == Language::English ? "Command3" : "Command4");
        theCase().Language = std::int16_t(lang);
        language::applyToApplication(lang);
        grab(main, windows::Main);

        exampleCase(theCase());
        for (const QString &name : {windows::DeceasedEntry, windows::Family, windows::Method, windows::Collateral, windows::About}) {
            if (QWidget *w = ui::window(name)) {
                grab(w, name);
                w->hide();
            }
        }
        theCase() = CaseRecord{};
        theCase().Language = std::int16_t(lang);
        exampleCase(theCase());
        Recalculate(theCase());
        if (QWidget *w = ui::window(windows::Results)) {
            grab(w, windows::Results);
            w->hide();
        }
        if (QWidget *w = ui::window(windows::AfterResults)) {
            grab(w, windows::AfterResults);
            ui::discard(windows::AfterResults);
            w->hide();
        }
        if (lang == Language::Arabic) {
            if (QWidget *w = ui::window(windows::Notes)) {
                grab(w, windows::Notes);
                w->hide();
            }
        }
        ui::discardCaseWindows();
        ui::discard(windows::About);
        ui::discard(windows::Notes);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return 0;
}
