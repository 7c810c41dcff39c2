#pragma once
// `kestrum --pdf FILE`: the class set a command line asks for, written as a PDF.

#include "CommandLine.h"

// Writes the PDF; returns the exit status, with one line on standard error where it fails.
int RunPdf(const TCommandLine& Line);
