// SPDX-License-Identifier: MIT
#include "foundation/PausePoint.h"

#include <QByteArray>
#include <QThread>
#include <cstdio>
#include <cstdlib>

void PausePoint(const char *name)
{
    static const QByteArray wanted = qgetenv("BOOK_PAUSE_AT");
    if (wanted.isEmpty() || wanted != name)
        return;
    std::fprintf(stderr, "paused at %s\n", name);
    std::fflush(stderr);
    // Held here until the test kills the process; a forgotten one does not linger.
    QThread::sleep(60);
    std::_Exit(3);
}
