// SPDX-License-Identifier: MIT
#pragma once

// A named place in a transaction where a crash test may hold the process to kill it
// there. When the environment variable BOOK_PAUSE_AT names the point, the process
// writes "paused at <name>" to standard error and waits (at most a minute, then it
// ends with status 3); otherwise the call does nothing.
void PausePoint(const char *name);
