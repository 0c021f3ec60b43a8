// SPDX-License-Identifier: GPL-3.0-or-later
// What the robustness walk puts around the program: a guard against a hung
// event loop and the printer dialog's answers.
#pragma once

#include "details/file_chooser.h"
#include "report/ui/printing.h"

#include <QFile>

#include <QPrinter>
#include <QRandomGenerator>
#include <QString>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace walk {

using Clock = std::chrono::steady_clock;

// The last resort when the event loop itself stops turning: a thread that
// names the seed and aborts, so that a hang never goes unexplained.
class HangGuard
{
public:
    HangGuard(quint32 seed, int limitMs) : m_seed(seed)
    {
        progress(QStringLiteral("start"));
        m_thread = std::thread([this, limitMs] {
            while (!m_stop) {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                const auto idle = std::chrono::duration_cast<std::chrono::milliseconds>(
                    Clock::now().time_since_epoch()).count() - m_last;
                if (idle > limitMs) {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    std::fprintf(stderr, "walk hung for %lld ms: seed %u, last actions:\n  %s\n",
                                 static_cast<long long>(idle), m_seed, m_action.c_str());
                    std::fflush(stderr);
                    std::abort();
                }
            }
        });
    }
    ~HangGuard()
    {
        m_stop = true;
        m_thread.join();
    }
    void progress(const QString &action)
    {
        m_last = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
        std::lock_guard<std::mutex> lock(m_mutex);
        m_action = action.toStdString();
    }

private:
    quint32 m_seed;
    std::atomic<long long> m_last{0};
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::string m_action;
    std::thread m_thread;
};

// The printer dialog as a user answers it: mostly a PDF file, sometimes a
// cancel, now and then a file that cannot be written.
class WalkChooser : public printing::PrinterChooser
{
public:
    WalkChooser(QRandomGenerator *rng, QString folder, int *prints) : m_rng(rng), m_folder(std::move(folder)), m_prints(prints) {}
    bool choose(QPrinter &printer, QWidget *) override
    {
        const int r = int(m_rng->bounded(10));
        if (r < 3)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(r == 9 ? QStringLiteral("/nonexistent-folder/report.pdf")
                                         : m_folder + QStringLiteral("/walk.pdf"));
        ++*m_prints;
        return true;
    }

private:
    QRandomGenerator *m_rng;
    QString m_folder;
    int *m_prints;
};

// The case window's file dialogs as a user answers them: a case file in the
// walk's folder (sometimes a damaged one, or a folder that does not exist),
// a cancel now and then.
class WalkFiles : public details::FileChooser
{
public:
    WalkFiles(QRandomGenerator *rng, QString folder, int *files) : m_rng(rng), m_folder(std::move(folder)), m_files(files)
    {
        QFile damaged(m_folder + QStringLiteral("/damaged.tarnavel"));
        if (damaged.open(QIODevice::WriteOnly))
            damaged.write("{\"format\": \"tarnavel-case\", \"formatVersion\": 1, \"family\": {\"Son\": 1");
    }
    QString saveFile(QWidget *, const QString &, const QString &suggested, const QString &) override
    {
        const int r = int(m_rng->bounded(10));
        if (r < 2)
            return {};
        ++*m_files;
        if (r == 9)
            return QStringLiteral("/nonexistent-folder/case.tarnavel");
        return m_folder + (suggested.endsWith(QLatin1String(".pdf")) ? QStringLiteral("/walk.pdf") : QStringLiteral("/walk.tarnavel"));
    }
    QString openFile(QWidget *, const QString &, const QString &, const QString &) override
    {
        const int r = int(m_rng->bounded(10));
        if (r < 2)
            return {};
        ++*m_files;
        if (r < 4)
            return m_folder + QStringLiteral("/damaged.tarnavel");
        return m_folder + (r == 9 ? QStringLiteral("/walk.pdf") : QStringLiteral("/walk.tarnavel"));
    }

private:
    QRandomGenerator *m_rng;
    QString m_folder;
    int *m_files;
};

} // namespace walk
