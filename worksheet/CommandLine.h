#pragma once
// The command line: `kestrum --pdf FILE` writes a class set as a PDF without
// opening a window, through the same document the set dialog prints; the setting
// options also start the window with those settings. Bad input is refused with one
// line on standard error and exit status 2, and no file is written.

#include "Sheet.h"
#include "SheetDocument.h"

#include <QString>
#include <QStringList>

#include <optional>


// Exit status for input the command line refuses.
constexpr int CommandLineError = 2;

// Before the application object exists: a --pdf run needs no display, so unless the
// user chose a platform it runs on the offscreen one (a school server has no X), and
// Qt's own chatter stays off its standard error.
void PrepareCommandLinePlatform(int Argc, char** Argv);

struct TCommandLine {
    QString Error;                 // one line naming the option and what it takes
    QString PdfPath;               // empty: open the window
    int Sheets = 1;
    TAnswerPages Answers = apNone;
    std::optional<TSheetSettings> Settings;  // when any setting option was given
    std::optional<std::uint32_t> Seed;
    std::optional<TSheet> Code;    // the sheet of --code
};

// Reads the arguments (the program's name first). --help and --version print and
// exit as usual; they work under a core application, before any window system.
TCommandLine ParseCommandLine(const QStringList& Arguments);

// Writes the PDF a parsed command line asks for; returns the exit status.
int RunPdf(const TCommandLine& Line);

// The sheet the window is to start with, when the command line asked for one.
std::optional<TSheet> CommandLineSheet(const TCommandLine& Line);
