#pragma once
// The command line's texts: --help and the one-line messages on standard error. They
// are written in English, the language of the command line on any desktop, and go
// through the translations like every other text (translations/kestrum_en.ts holds
// them as they stand). Set where they are used, before or after the translations are
// installed: the help is built once they are.

#include "TranslatedText.h"

namespace CommandLineTexts {

// %1 the option, %2 what it takes, %3 what was given
inline constexpr TText Refusal{QT_TRANSLATE_NOOP("Texts", "--%1: expected %2, not \"%3\"")};
inline constexpr TText HelpPdf{QT_TRANSLATE_NOOP("Texts", "Write the set to FILE (- for standard output) and exit.")};
inline constexpr TText HelpPractice{QT_TRANSLATE_NOOP("Texts", "Open the window in practice: the pupil answers on screen and "
                                                     "the sheet is marked at once.")};
inline constexpr TText HelpStepUp{QT_TRANSLATE_NOOP("Texts", "Practice on a ladder of levels, easiest first: the program chooses "
                                                   "each sheet and moves the pupil up or down by the scores. Implies "
                                                   "--practice; of the setting options only --unit goes with it.")};
inline constexpr TText HelpSheets{QT_TRANSLATE_NOOP("Texts", "Number of sheets, 1-60 (1).")};
inline constexpr TText HelpAnswers{QT_TRANSLATE_NOOP("Texts", "Answer pages: %1 (none).")};
inline constexpr TText HelpCapacity{QT_TRANSLATE_NOOP("Texts", "Capacity in kg: %1 (2).")};
inline constexpr TText HelpStep{QT_TRANSLATE_NOOP("Texts", "Step of the weights: %1, one the capacity offers.")};
inline constexpr TText HelpDensity{QT_TRANSLATE_NOOP("Texts", "Graduation: %1 (dense).")};
inline constexpr TText HelpPer200{QT_TRANSLATE_NOOP("Texts", "1/200 graduation: %1.")};
inline constexpr TText HelpView{QT_TRANSLATE_NOOP("Texts", "Dial view: %1 (whole).")};
inline constexpr TText HelpUnit{QT_TRANSLATE_NOOP("Texts", "Answer blanks: %1 (kg-g).")};
inline constexpr TText HelpNumerals{QT_TRANSLATE_NOOP("Texts", "Numerals printed on the dials: %1 (all).")};
inline constexpr TText HelpMix{QT_TRANSLATE_NOOP("Texts", "Mixed scales: each dial its own capacity up to --capacity, with "
                                                 "that capacity's own step, over the whole dial.")};
inline constexpr TText HelpMin{QT_TRANSLATE_NOOP("Texts", "Lower range box, grams (0).")};
inline constexpr TText HelpMax{QT_TRANSLATE_NOOP("Texts", "Upper range box, grams (the capacity).")};
inline constexpr TText HelpSeed{QT_TRANSLATE_NOOP("Texts", "Seed of sheet 1's draw, 0-%1 (the clock).")};
inline constexpr TText HelpCode{QT_TRANSLATE_NOOP("Texts", "Sheet 1 is the sheet of this code; the rest follow from it.")};
inline constexpr TText HelpKind{QT_TRANSLATE_NOOP("Texts", "Exercise: read the dials, or draw the needles for the weights given "
                                                 "(whole view only): %1 (read).")};
inline constexpr TText HelpLang{QT_TRANSLATE_NOOP("Texts", "Language of the window and the sheets: %1 (the desktop's; Japanese "
                                                 "where it names none).")};
inline constexpr TText HelpDescription{QT_TRANSLATE_NOOP("Texts", "Printable worksheets on reading the weights from dial scales: opens "
                                                 "the worksheet window, or with --pdf writes a class set as a PDF.")};
inline constexpr TText UnknownOption{QT_TRANSLATE_NOOP("Texts", "unknown option \"%1%2\" (kestrum --help lists the options)")};
inline constexpr TText UnexpectedArgument{QT_TRANSLATE_NOOP("Texts", "unexpected argument \"%1\"")};
inline constexpr TText MissingValue{QT_TRANSLATE_NOOP("Texts", "--%1: expected a value, not \"%2\", which reads as an option")};
inline constexpr TText PdfNoFileName{QT_TRANSLATE_NOOP("Texts", "--pdf: expected a file name")};
// %1 the option, given last with no value after it
inline constexpr TText ValueMissing{QT_TRANSLATE_NOOP("Texts", "--%1: expected a value")};
inline constexpr TText PracticeWithPdf{QT_TRANSLATE_NOOP("Texts", "--practice: practice is on screen; give no --pdf with it")};
inline constexpr TText StepUpWithPdf{QT_TRANSLATE_NOOP("Texts", "--step-up: practice is on screen; give no --pdf with it")};
// %1 the option that chooses what the ladder chooses
inline constexpr TText StepUpChooses{QT_TRANSLATE_NOOP("Texts", "--step-up: the ladder chooses the sheets; give no --%1 with it")};
inline constexpr TText SheetsAccepted{QT_TRANSLATE_NOOP("Texts", "a whole number from 1 to 60")};
inline constexpr TText CodeAlone{QT_TRANSLATE_NOOP("Texts", "--code: a code carries its own settings and seed; give no setting "
                                                 "options or --seed with it")};
inline constexpr TText CodeAccepted{QT_TRANSLATE_NOOP("Texts", "a sheet code as printed at a sheet's foot (14 or 15 characters, e.g. "
                                                 "ABCDE-FGHJK-MNPQ), checked for typing errors")};
inline constexpr TText SeedAccepted{QT_TRANSLATE_NOOP("Texts", "a whole number from 0 to %1")};
inline constexpr TText Per200Accepted{QT_TRANSLATE_NOOP("Texts", "hide with a %1 kg capacity, which has no 1/200 graduation")};
// %3: the sparse graduation's words, or nothing
inline constexpr TText StepAccepted{QT_TRANSLATE_NOOP("Texts", "%1 with a %2 kg capacity%3")};
inline constexpr TText StepAcceptedSparse{QT_TRANSLATE_NOOP("Texts", " and sparse graduation")};
inline constexpr TText ViewAcceptedDrawing{QT_TRANSLATE_NOOP("Texts", "whole with --kind draw")};
inline constexpr TText MixedNeedsCapacity{QT_TRANSLATE_NOOP("Texts", "--mix: expected a capacity above 1 kg, which "
                                                 "leaves smaller ones to mix")};
// %1 the option
inline constexpr TText MixedOwnSteps{QT_TRANSLATE_NOOP("Texts", "--%1: with --mix each dial has its own capacity's step "
                                                 "and the whole dial as its range")};
inline constexpr TText RangeAccepted{QT_TRANSLATE_NOOP("Texts", "grams from 0 to the capacity, %1")};
inline constexpr TText TooFewWeights{QT_TRANSLATE_NOOP("Texts", "the settings leave fewer than six weights to draw")};
// %1 the missing faces, %2 the package that brings them
inline constexpr TText FontsMissing{QT_TRANSLATE_NOOP("Texts", "the worksheet's fonts are missing (%1): install the package %2")};
// %1 the file, %2 why
inline constexpr TText HelpResults{QT_TRANSLATE_NOOP("Texts", "Write every class's answers from the results file to FILE as CSV, "
                                                 "one row per answer, and exit.")};
inline constexpr TText HelpData{QT_TRANSLATE_NOOP("Texts", "The class results file for --results, --serve or the window's "
                                                 "class (classes.sqlite in the program's data folder).")};
inline constexpr TText HelpServe{QT_TRANSLATE_NOOP("Texts", "Serve a class to the pupils' tablets over HTTP, with no window, until "
                                                 "interrupted; the setting options choose its sheets, or with --step-up "
                                                 "each pupil climbs a ladder of their own.")};
inline constexpr TText HelpPort{QT_TRANSLATE_NOOP("Texts", "The port --serve listens on (8642; 0: any free port).")};
inline constexpr TText HelpBind{QT_TRANSLATE_NOOP("Texts", "The address --serve listens on (0.0.0.0: every address).")};
// %1 the other option given
inline constexpr TText ServeApart{QT_TRANSLATE_NOOP("Texts", "--serve: serves a class alone; give no --%1 with it")};
// %1 the option
inline constexpr TText ServeOnly{QT_TRANSLATE_NOOP("Texts", "--%1: for --serve; give --serve with it")};
inline constexpr TText PortAccepted{QT_TRANSLATE_NOOP("Texts", "a port from 0 to 65535")};
inline constexpr TText BindNoAddress{QT_TRANSLATE_NOOP("Texts", "--bind: expected an address")};
inline constexpr TText ServeNoClass{QT_TRANSLATE_NOOP("Texts", "--serve: the class could not be started")};
// %1 the address, %2 the port
inline constexpr TText ServeCannotListen{QT_TRANSLATE_NOOP("Texts", "--serve: cannot listen on %1 port %2")};
// %1 the option
inline constexpr TText NoFileName{QT_TRANSLATE_NOOP("Texts", "--%1: expected a file name")};
// %1 the other option given
inline constexpr TText ResultsAlone{QT_TRANSLATE_NOOP("Texts", "--results: writes the class results alone; give no --%1 with it")};
inline constexpr TText DataWithPdf{QT_TRANSLATE_NOOP("Texts", "--data: names the results file for --results, --serve "
                                                 "or the window's class; give no --pdf with it")};
// %1 the file, %2 why
inline constexpr TText ResultsCannotWrite{QT_TRANSLATE_NOOP("Texts", "--results: cannot write %1: %2")};
inline constexpr TText ResultsUnreadable{QT_TRANSLATE_NOOP("Texts", "the results file could not be read")};
inline constexpr TText CannotWrite{QT_TRANSLATE_NOOP("Texts", "--pdf: cannot write %1: %2")};

}  // namespace CommandLineTexts
