#pragma once
// `kestrum --results FILE.csv`: every class's answers from the results file, written
// as CSV with no window and no server.

#include "CommandLine.h"

// Writes the CSV; returns the exit status, with one line on standard error where the
// results file is refused or the CSV cannot be written.
int RunResults(const TCommandLine& Line);
