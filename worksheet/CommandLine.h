#pragma once
// The command line: `kestrum --pdf FILE` writes a class set as a PDF without
// opening a window, through the same document the set dialog prints; `kestrum
// --results FILE` writes the class results as CSV, also with no window; `kestrum
// --serve` serves a class to the pupils' tablets over HTTP, with no window; the setting
// options also start the window with those settings. Bad input is refused with one
// line on standard error and exit status 2, and no file is written.

#include "sheet/Sheet.h"
#include "printing/SheetDocument.h"
#include "Translations.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>


// Exit status for input the command line refuses.
constexpr int CommandLineError = 2;

// The port --serve listens on unless --port names another.
constexpr int DefaultPort = 8642;

// What a command line asks for besides its settings.
enum TRequest : std::uint8_t { rqRun, rqHelp, rqVersion };

struct TCommandLine {
    QString Error;                 // one line naming the option and what it takes
    TRequest Request = rqRun;
    QString PdfPath;               // empty: open the window
    QString ResultsPath;           // the CSV of --results; empty: none
    QString DataPath;              // the results file of --data; empty: the default
    bool Serve = false;            // --serve: the class over HTTP, no window
    int Port = DefaultPort;        // --port; 0: a free one
    QString Bind = QStringLiteral("0.0.0.0");  // --bind; the default: every address
    bool Practice = false;         // open the window in practice
    bool StepUp = false;           // practice on the ladder, which chooses the sheets
    int Sheets = 1;
    TAnswerPages Answers = apNone;
    std::optional<TSheetSettings> Settings;  // when any setting option was given
    std::optional<std::uint32_t> Seed;
    std::optional<TSheet> Code;    // the sheet of --code
    std::optional<TLanguage> Language;  // --lang; none: the desktop's
};

// The arguments as the system passed them to main, the program's name first.
QStringList ArgumentsOf(int Argc, char** Argv);

// Reads the arguments (the program's name first), before any application object exists:
// whether the program opens a window, writes a PDF or only prints depends on them.
TCommandLine ParseCommandLine(const QStringList& Arguments);

// Prints the help or the version a command line asked for, and exits. Needs only a core
// application, which opens no window system.
[[noreturn]] void ShowHelpOrVersion(const TCommandLine& Line);

// Sheet 1 of the command line: the code's sheet, or a draw from the seed (the clock's
// when none was given) with the settings; none where they leave fewer than six weights.
std::optional<TSheet> FirstSheet(const TCommandLine& Line);

// The sheet the window is to start with, when the command line asked for one.
std::optional<TSheet> CommandLineSheet(const TCommandLine& Line);
