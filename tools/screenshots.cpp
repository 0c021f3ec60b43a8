// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window in both languages into PNG files:
//   tarnavel-screenshots OUTPUT_DIR [GUIDE_DIR]
// Run it on the offscreen platform with a configured screen (see
// tools/screenshots.sh) to get the pictures for one screen size. With
// GUIDE_DIR it also writes the user guide's pictures there, one per window
// and language (<window>-<ar|en>.png), scaled to the guide's page.
#include "app.h"
#include "case/calculation.h"
#include "case/case_record.h"
#include "ui/language.h"
#include "ui/window_registry.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

QString outDir;
QString guideDir;

void grab(QWidget *w, const QString &name)
{
    w->show();
    QTest::qWait(150);
    const QSize s = QGuiApplication::primaryScreen()->geometry().size();
    const QString file = QStringLiteral("%1/%2-%3-%4x%5.png")
                             .arg(outDir, name, language::isEnglish() ? QStringLiteral("en") : QStringLiteral("ar"))
                             .arg(s.width())
                             .arg(s.height());
    const QPixmap picture = w->grab();
    picture.save(file);
    printf("%s\n", qPrintable(file));
    // The guide shows the family questionnaire answered, not empty.
    if (!guideDir.isEmpty() && name != QLatin1String("frmFathers")) {
        const QString page = QStringLiteral("%1/%2-%3.png")
                                 .arg(guideDir, name, language::isEnglish() ? QStringLiteral("en") : QStringLiteral("ar"));
        picture.scaledToWidth(qMin(picture.width(), 520), Qt::SmoothTransformation).save(page);
        printf("%s\n", qPrintable(page));
    }
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
        fprintf(stderr, "usage: tarnavel-screenshots OUTPUT_DIR [GUIDE_DIR]\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    if (argc > 2) {
        guideDir = QString::fromLocal8Bit(argv[2]);
        QDir().mkpath(guideDir);
    }
    app::initialise();
    // Pictures are taken without any modal notice.
    calculationHooks().noHeirsNotice = nullptr;
    calculationHooks().openResults = nullptr;

    for (int lang : {0, 1}) {
        theCase() = CaseRecord{};
        // The main window as it opens, then after the language choice.
        ui::discard(QStringLiteral("frmInherence"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidget *main = ui::window(QStringLiteral("frmInherence"));
        if (!main)
            continue;
        if (lang == 0)
            grab(main, QStringLiteral("frmInherence-start"));
        click(main, lang == 1 ? "Command3" : "Command4");
        theCase().Language = std::int16_t(lang);
        language::applyToApplication(lang);
        grab(main, QStringLiteral("frmInherence"));

        exampleCase(theCase());
        for (const char *name : {"Inheretence", "frmFathers", "frmJadd", "frmBrothers", "frmAbout"}) {
            if (QWidget *w = ui::window(QString::fromLatin1(name))) {
                grab(w, QString::fromLatin1(name));
                w->hide();
            }
        }
        // The family questionnaire part-way through the example, as the
        // guide shows it: each answer brings the next question.
        if (QWidget *w = ui::window(QStringLiteral("frmFathers"))) {
            for (const char *option : {"optFatherYes", "optMotherYes", "optMarriedYes"})
                click(w, option);
            if (auto *wives = w->findChild<QComboBox *>(QStringLiteral("cmbWifes"))) {
                wives->setCurrentIndex(1);
                emit wives->activated(1);
            }
            click(w, "optWithKids");
            grab(w, QStringLiteral("frmFathers-answered"));
            w->hide();
        }
        theCase() = CaseRecord{};
        theCase().Language = std::int16_t(lang);
        exampleCase(theCase());
        Recalculate(theCase());
        if (QWidget *w = ui::window(QStringLiteral("Results"))) {
            grab(w, QStringLiteral("Results"));
            w->hide();
        }
        if (QWidget *w = ui::window(QStringLiteral("frmwhattodo"))) {
            grab(w, QStringLiteral("frmwhattodo"));
            ui::discard(QStringLiteral("frmwhattodo"));
            w->hide();
        }
        // The documents: the science text of the language and the guide.
        for (const char *name : {lang == 0 ? "frmNotes" : "frmScienceEn", "frmGuide"}) {
            if (QWidget *w = ui::window(QString::fromLatin1(name))) {
                grab(w, QString::fromLatin1(name));
                ui::discard(QString::fromLatin1(name));
            }
        }
        ui::discardCaseWindows();
        ui::discard(QStringLiteral("frmAbout"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return 0;
}
