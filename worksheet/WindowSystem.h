#pragma once
// Where the program draws, chosen only after the command line has been read. A --pdf run
// needs no display and always draws offscreen; the window needs a display, and a run
// without one (over ssh, from cron) is told so in one line instead of Qt's platform
// errors and an abort.

#include <QApplication>

#include <memory>

// The application of a --pdf run: the offscreen platform whatever the environment names,
// and of Qt's messages only the critical ones on standard error.
std::unique_ptr<QApplication> OpenOffscreen(char* ProgramName);

// The application of the window, on the user's display. Where there is no display to
// open it says so on standard error and returns none.
std::unique_ptr<QApplication> OpenDisplay(char* ProgramName);
