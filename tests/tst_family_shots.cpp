// SPDX-License-Identifier: GPL-3.0-or-later
// Every question of the three questionnaire windows on screen at once, in
// both languages: no caption may be cut off by its control. With
// TARNAVEL_SHOTS set to a folder, the windows are also saved there as PNG.

#include "tests/tst_family_support.h"
#include "ui/window_names.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

using namespace quest;

class tst_family_shots : public QObject
{
    Q_OBJECT

private:
    // Captions wider or taller than their control, as "name: need x have".
    static QStringList clipped(QWidget *window)
    {
        QStringList out;
        for (QLabel *l : window->findChildren<QLabel *>()) {
            if (l->text().isEmpty())
                continue;
            const QSize need = l->wordWrap() ? QSize(0, l->heightForWidth(l->width())) : l->sizeHint();
            if (need.width() > l->width() || need.height() > l->height() + 2)
                out << QStringLiteral("%1: need %2x%3 have %4x%5")
                           .arg(l->objectName())
                           .arg(need.width())
                           .arg(need.height())
                           .arg(l->width())
                           .arg(l->height());
        }
        for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
            if (b->text().isEmpty())
                continue;
            const QSize need = b->sizeHint();
            if (need.width() > b->width() + 2)
                out << QStringLiteral("%1: need %2 have %3").arg(b->objectName()).arg(need.width()).arg(b->width());
        }
        for (QGroupBox *g : window->findChildren<QGroupBox *>()) {
            const int title = g->fontMetrics().horizontalAdvance(g->title());
            if (title > g->width())
                out << g->objectName();
        }
        return out;
    }

    static void save(QWidget *w, const QString &tag)
    {
        const QString dir = qEnvironmentVariable("TARNAVEL_SHOTS");
        if (dir.isEmpty())
            return;
        QDir().mkpath(dir);
        const QSize s = QGuiApplication::primaryScreen()->geometry().size();
        w->grab().save(QStringLiteral("%1/%2-%3x%4.png").arg(dir, tag).arg(s.width()).arg(s.height()));
    }

private slots:
    void cleanup() { ui::resetRegistry(); }

    void windows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("woman");
        for (const QString &w : {windows::Family, windows::Method, windows::Collateral})
            for (int lang : {0, 1}) {
                const QByteArray tag = w.toLatin1() + (lang ? "-en" : "-ar");
                QTest::newRow(tag.constData()) << w << lang << false;
            }
        QTest::newRow("frmFathers-ar-woman") << windows::Family << 0 << true;
        QTest::newRow("frmFathers-en-woman") << windows::Family << 1 << true;
    }

    void windows()
    {
        QFETCH(QString, window);
        QFETCH(int, language);
        QFETCH(bool, woman);
        Recorder rec;
        freshCase(rec, woman, Language(language));
        QWidget *w = ui::window(window);
        for (QGroupBox *g : w->findChildren<QGroupBox *>())
            g->setVisible(window != windows::Family
                          || g->objectName() != QLatin1String(woman ? "Frame14" : "Frame7"));
        if (auto *finish = w->findChild<QPushButton *>(QStringLiteral("cmdfinish")))
            finish->show();
        for (QComboBox *c : w->findChildren<QComboBox *>())
            c->setCurrentIndex(c->count() > 12 ? 12 : 2);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        save(w, QString::fromLatin1(QTest::currentDataTag()));
        const QStringList cut = clipped(w);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String("; "))));
    }
};

QTEST_MAIN(tst_family_shots)
#include "tst_family_shots.moc"
