// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Start-up timing for tools/benchmark.sh. When TARNAVEL_BENCH_START holds the
// launcher's CLOCK_REALTIME in nanoseconds, the program prints the
// milliseconds since then once `mainWindow` is first exposed and painted, and
// quits. Without the variable nothing happens.
namespace benchmark {

void timeStartIfAsked(QWidget *mainWindow);

} // namespace benchmark
