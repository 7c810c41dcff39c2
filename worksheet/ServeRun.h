#pragma once
// `kestrum --serve`: the class served to the pupils' tablets over HTTP, with no window,
// until SIGINT or SIGTERM.

#include "CommandLine.h"

// Serves the class; returns the exit status: 0 after a signal, or with one line on
// standard error where the results file is refused or the address cannot be had.
int RunServe(const TCommandLine& Line);
