#include "CommandLine.h"

#include "ArgumentText.h"
#include "CommandLineTexts.h"
#include "view/Fonts.h"
#include "sheet/RandomSource.h"
#include "sheet/SettingsTables.h"
#include "sheet/SheetCode.h"
#include "printing/PdfExport.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <limits>

namespace {

// One choice of a fixed list, written as on the command line.
template <typename T> struct TChoice {
    const char* Name;
    T Value;
};

template <typename T, std::size_t N>
std::optional<T> Choose(const TChoice<T> (&Choices)[N], const QString& Text)
{
    for (const TChoice<T>& choice : Choices)
        if (Text == QLatin1String(choice.Name))
            return choice.Value;
    return std::nullopt;
}

template <typename T, std::size_t N> QString Names(const TChoice<T> (&Choices)[N])
{
    QStringList names;
    for (const TChoice<T>& choice : Choices)
        names << QLatin1String(choice.Name);
    return names.join(QLatin1Char('|'));
}

const TChoice<TAnswerPages> AnswerChoices[] = {{"none", apNone}, {"each", apEachSheet}, {"list", apList}};
const TChoice<int> CapacityChoices[] = {{"1", 0}, {"2", 1}, {"5", 2}, {"10", 3}, {"20", 4}, {"50", 5}, {"100", 6}};
const TChoice<int> StepChoices[] = {{"10g", 0}, {"20g", 1}, {"50g", 2},  {"100g", 3}, {"200g", 4},
                                    {"500g", 5}, {"1kg", 6}, {"2kg", 7}, {"5kg", 8},  {"10kg", 9}};
const TChoice<bool> DensityChoices[] = {{"sparse", false}, {"dense", true}};
const TChoice<TPer200Choice> Per200Choices[] = {{"hide", pcHide}, {"show", pcShow}};
const TChoice<bool> ViewChoices[] = {{"whole", false}, {"enlarged", true}};
const TChoice<TExercise> KindChoices[] = {{"read", exRead}, {"draw", exDraw}};
const TChoice<TAnswerUnit> UnitChoices[] = {{"g", auGrams}, {"kg", auKilograms}, {"kg-g", auKilogramsAndGrams}};

// A whole number from Low to High, or none.
std::optional<std::int64_t> Whole(const QString& Text, std::int64_t Low, std::int64_t High)
{
    bool ok = false;
    const qlonglong value = Text.toLongLong(&ok);
    if (!ok || value < Low || value > High)
        return std::nullopt;
    return value;
}

TCommandLine Fail(TCommandLine& Line, const QString& Error)
{
    Line.Error = Error;
    return Line;
}

// How a message writes a character that would break its line or hide in it.
QString Escaped(char32_t C)
{
    switch (C) {
    case U'\n':
        return QStringLiteral("\\n");
    case U'\t':
        return QStringLiteral("\\t");
    case U'\r':
        return QStringLiteral("\\r");
    default:
        break;
    }
    if (const int byte = EscapedByte(C); byte >= 0)
        return QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    if (C < 0x100)
        return QStringLiteral("\\x%1").arg(static_cast<uint>(C), 2, 16, QLatin1Char('0'));
    return QStringLiteral("\\u%1").arg(static_cast<uint>(C), 4, 16, QLatin1Char('0'));
}

// A value as a message shows it: on one line whatever it holds (a script may pass a
// name with a newline or an escape sequence), and cut short where it is long.
QString Echo(const QString& Value, qsizetype Longest = 60)
{
    QString shown;
    for (qsizetype at = 0; at < Value.size(); ++at) {
        char32_t c = Value[at].unicode();
        if (QChar::isHighSurrogate(c) && at + 1 < Value.size() && Value[at + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(Value[at], Value[at + 1]);
            ++at;
        }
        QString piece;
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            piece = Escaped(c);
            break;
        default:
            piece = QString::fromUcs4(&c, 1);
        }
        if (shown.size() + piece.size() > Longest)
            return shown + QStringLiteral("...");
        shown += piece;
    }
    return shown;
}

// A text of the system's on one line, whole.
QString OneLine(const QString& Text)
{
    return Echo(Text, std::numeric_limits<qsizetype>::max());
}

QString Refusal(const QString& Option, const QString& Accepts, const QString& Given)
{
    return CommandLineTexts::Refusal.arg(Option, Accepts, Echo(Given));
}

// A value that reads as an option ("--pdf --help", "--seed -v") is one the user left
// out; taken as a file name or a seed it would do what nobody asked for. "-" (standard
// output) and negative numbers are values.
bool LooksLikeOption(const QString& Value)
{
    return Value.size() > 1 && Value.startsWith(QLatin1Char('-')) && !Value.at(1).isDigit();
}

// The options, as --help lists them.
struct TOptions {
    TOptions();
    QCommandLineParser Parser;
    const QCommandLineOption Pdf{QStringLiteral("pdf"), CommandLineTexts::HelpPdf, QStringLiteral("FILE")};
    const QCommandLineOption Practice{QStringLiteral("practice"), CommandLineTexts::HelpPractice};
    const QCommandLineOption Sheets{QStringLiteral("sheets"), CommandLineTexts::HelpSheets,
                                    QStringLiteral("N")};
    const QCommandLineOption Answers{QStringLiteral("answers"),
                                     CommandLineTexts::HelpAnswers.arg(Names(AnswerChoices)),
                                     QStringLiteral("PAGES")};
    const QCommandLineOption Capacity{QStringLiteral("capacity"),
                                      CommandLineTexts::HelpCapacity.arg(Names(CapacityChoices)),
                                      QStringLiteral("KG")};
    const QCommandLineOption Step{QStringLiteral("step"),
                                  CommandLineTexts::HelpStep.arg(Names(StepChoices)),
                                  QStringLiteral("STEP")};
    const QCommandLineOption Density{QStringLiteral("density"), CommandLineTexts::HelpDensity,
                                     QStringLiteral("DENSITY")};
    const QCommandLineOption Per200{QStringLiteral("per200"), CommandLineTexts::HelpPer200,
                                    QStringLiteral("CHOICE")};
    const QCommandLineOption View{QStringLiteral("view"), CommandLineTexts::HelpView,
                                  QStringLiteral("VIEW")};
    const QCommandLineOption Unit{QStringLiteral("unit"), CommandLineTexts::HelpUnit,
                                  QStringLiteral("UNIT")};
    const QCommandLineOption Min{QStringLiteral("min"), CommandLineTexts::HelpMin,
                                 QStringLiteral("G")};
    const QCommandLineOption Max{QStringLiteral("max"), CommandLineTexts::HelpMax,
                                 QStringLiteral("G")};
    const QCommandLineOption Seed{QStringLiteral("seed"),
                                  CommandLineTexts::HelpSeed.arg(SheetSeedLimit - 1),
                                  QStringLiteral("N")};
    const QCommandLineOption Code{QStringLiteral("code"), CommandLineTexts::HelpCode, QStringLiteral("CODE")};
    const QCommandLineOption Kind{QStringLiteral("kind"), CommandLineTexts::HelpKind, QStringLiteral("KIND")};
    const QCommandLineOption Lang{QStringLiteral("lang"), CommandLineTexts::HelpLang, QStringLiteral("LANG")};
};

TOptions::TOptions()
{
    Parser.setApplicationDescription(CommandLineTexts::HelpDescription);
    Parser.addHelpOption();
    Parser.addVersionOption();
    Parser.addOptions(
        {Pdf, Practice, Sheets, Answers, Kind, Capacity, Step, Density, Per200, View, Unit, Min, Max, Seed, Code, Lang});
}

// An unknown option as the user typed it: "-p" of "-pdf", "--PDF".
QString Unknown(const QString& Name)
{
    return CommandLineTexts::UnknownOption
        .arg(Name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), Echo(Name));
}

}  // namespace

QStringList ArgumentsOf(int Argc, char** Argv)
{
    QStringList arguments;
    for (int i = 0; i < Argc; ++i)
        arguments << ArgumentText(QByteArray(Argv[i]));
    return arguments;
}

[[noreturn]] void ShowHelpOrVersion(const TCommandLine& Line)
{
    TOptions options;
    if (Line.Request == rqHelp)
        options.Parser.showHelp(0);
    options.Parser.showVersion();
}

TCommandLine ParseCommandLine(const QStringList& Arguments)
{
    TOptions options;
    auto& [parser, pdf, practice, sheets, answers, capacity, step, density, per200, view, unit, min, max, seed, code, kind,
           lang] = options;

    TCommandLine line;
    if (!parser.parse(Arguments)) {
        // Qt's own text gets the option's name; ours says where the options are listed.
        const QStringList unknown = parser.unknownOptionNames();
        line.Error = unknown.isEmpty() ? parser.errorText() : Unknown(unknown.first());
        return line;
    }
    // --help-all would add Qt's own options, which the program does not read: the same help.
    const bool help = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    if (help || parser.isSet(QStringLiteral("version"))) {
        line.Request = help ? rqHelp : rqVersion;
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.Error = CommandLineTexts::UnexpectedArgument.arg(Echo(parser.positionalArguments().first()));
        return line;
    }
    for (const QString& name : parser.optionNames())
        for (const QString& value : parser.values(name))
            if (LooksLikeOption(value))
                return Fail(line, CommandLineTexts::MissingValue.arg(name, Echo(value)));

    if (parser.isSet(lang)) {
        line.Language = LanguageNamed(parser.value(lang));
        if (!line.Language)
            return Fail(line, Refusal(QStringLiteral("lang"), QStringLiteral("ja|en"), parser.value(lang)));
    }
    line.PdfPath = parser.value(pdf);
    if (parser.isSet(pdf) && line.PdfPath.isEmpty()) {
        line.Error = CommandLineTexts::PdfNoFileName;
        return line;
    }
    line.Practice = parser.isSet(practice);
    if (line.Practice && parser.isSet(pdf))
        return Fail(line, CommandLineTexts::PracticeWithPdf);
    if (parser.isSet(sheets)) {
        const auto n = Whole(parser.value(sheets), 1, 60);
        if (!n)
            return Fail(line, Refusal(QStringLiteral("sheets"), CommandLineTexts::SheetsAccepted,
                                        parser.value(sheets)));
        line.Sheets = static_cast<int>(*n);
    }
    // Reads a named choice into Target where the option is given; false, with the
    // refusal in the line, where the value is none of the choices.
    const auto takeChoice = [&](const QCommandLineOption& Option, const auto& Choices, auto& Target) {
        if (!parser.isSet(Option))
            return true;
        const auto chosen = Choose(Choices, parser.value(Option));
        if (!chosen) {
            Fail(line, Refusal(Option.names().front(), Names(Choices), parser.value(Option)));
            return false;
        }
        Target = *chosen;
        return true;
    };
    if (!takeChoice(answers, AnswerChoices, line.Answers))
        return line;

    bool anySetting = false;
    for (const QCommandLineOption* o : {&kind, &capacity, &step, &density, &per200, &view, &unit, &min, &max})
        anySetting = anySetting || parser.isSet(*o);
    if (parser.isSet(code)) {
        if (anySetting || parser.isSet(seed))
            return Fail(line, CommandLineTexts::CodeAlone);
        const TSheetCodeReading reading = ReadSheetCode(parser.value(code));
        if (!reading.Sheet)
            return Fail(line, Refusal(QStringLiteral("code"),
                                        CommandLineTexts::CodeAccepted,
                                        parser.value(code)));
        line.Code = reading.Sheet;
        return line;
    }

    if (parser.isSet(seed)) {
        const auto s = Whole(parser.value(seed), 0, SheetSeedLimit - 1);
        if (!s)
            return Fail(line, Refusal(QStringLiteral("seed"),
                                        CommandLineTexts::SeedAccepted.arg(SheetSeedLimit - 1),
                                        parser.value(seed)));
        line.Seed = static_cast<std::uint32_t>(*s);
    }
    if (!anySetting)
        return line;

    TSheetSettings s;
    if (parser.isSet(capacity)) {
        const auto c = Choose(CapacityChoices, parser.value(capacity));
        if (!c)
            return Fail(line, Refusal(QStringLiteral("capacity"), Names(CapacityChoices), parser.value(capacity)));
        s.Capacity = *c;
        // The step the panel selects for that capacity; 2 kg keeps start-up's 100 g.
        if (s.Capacity != TSheetSettings{}.Capacity)
            s.Step = CapacityRows()[s.Capacity].DefaultStep;
    }
    const TCapacityRow& row = CapacityRows()[s.Capacity];
    s.RangeMax = row.Capacity;
    if (!takeChoice(density, DensityChoices, s.Dense) || !takeChoice(per200, Per200Choices, s.Per200) ||
        !takeChoice(view, ViewChoices, s.Enlarged) || !takeChoice(unit, UnitChoices, s.Unit) ||
        !takeChoice(kind, KindChoices, s.Exercise))
        return line;
    // The enlarged part would show where the needle belongs.
    if (s.Exercise == exDraw && s.Enlarged)
        return Fail(line, Refusal(QStringLiteral("view"), CommandLineTexts::ViewAcceptedDrawing,
                                  parser.value(view)));
    // As on the panel, which offers no 1/200 choice for such a capacity.
    if (s.Per200 == pcShow && !row.Per200Offered)
        return Fail(line, Refusal(QStringLiteral("per200"),
                                  CommandLineTexts::Per200Accepted
                                      .arg(row.Capacity / 1000),
                                  parser.value(per200)));
    // The steps the panel offers with this capacity, density and 1/200 choice.
    QStringList offered;
    int finestOffered = -1;
    for (int i = row.FirstStep; i <= row.LastStep; ++i)
        if (StepOffered(s, i)) {
            offered << StepRows()[i].Caption;
            finestOffered = finestOffered < 0 ? i : finestOffered;
        }
    if (parser.isSet(step)) {
        const auto st = Choose(StepChoices, parser.value(step));
        if (!st || !offered.contains(StepRows()[*st].Caption))
            return Fail(line, Refusal(QStringLiteral("step"),
                                      CommandLineTexts::StepAccepted
                                          .arg(offered.join(QLatin1Char('|')))
                                          .arg(row.Capacity / 1000)
                                          .arg(s.Dense ? QString() : CommandLineTexts::StepAcceptedSparse),
                                      parser.value(step)));
        s.Step = *st;
    } else if (!StepOffered(s, s.Step)) {
        // As the panel does: the finest step still offered.
        s.Step = finestOffered;
    }
    if (parser.isSet(min)) {
        const auto g = Whole(parser.value(min), 0, row.Capacity);
        if (!g)
            return Fail(line, Refusal(QStringLiteral("min"),
                                        CommandLineTexts::MinAccepted.arg(row.Capacity),
                                        parser.value(min)));
        s.RangeMin = static_cast<std::int32_t>(*g);
    }
    if (parser.isSet(max)) {
        const auto g = Whole(parser.value(max), 0, SheetCodeRangeLimit);
        if (!g)
            return Fail(line, Refusal(QStringLiteral("max"),
                                        CommandLineTexts::MaxAccepted.arg(SheetCodeRangeLimit),
                                        parser.value(max)));
        s.RangeMax = static_cast<std::int32_t>(*g);
    }
    line.Settings = s;
    return line;
}

namespace {

// Sheet 1 of the command line: the code's sheet, or a draw from the seed (the
// clock's when none was given) with the settings.
std::optional<TSheet> FirstSheet(const TCommandLine& Line)
{
    if (Line.Code)
        return Line.Code;
    std::uint32_t seed = 0;
    if (Line.Seed) {
        seed = *Line.Seed;
    } else {
        TClockRandom clock;
        clock.Seed();
        seed = clock.SeedValue();
    }
    return DrawSheet(Line.Settings.value_or(TSheetSettings{}), seed);
}

}  // namespace

int RunPdf(const TCommandLine& Line)
{
    const std::optional<TSheet> first = FirstSheet(Line);
    if (!first) {
        std::fprintf(stderr, "kestrum: %s\n", qPrintable(CommandLineTexts::TooFewWeights.Text()));
        return CommandLineError;
    }
    // Without its faces the sheet's texts would come out as boxes: no file is better.
    if (const QStringList missing = MissingSheetFonts(); !missing.isEmpty()) {
        std::fprintf(stderr, "kestrum: %s\n",
                     qPrintable(CommandLineTexts::FontsMissing.arg(missing.join(QStringLiteral(", ")),
                                                                   QLatin1String(SheetFontPackage))));
        return CommandLineError;
    }
    TSheetDocument document(DrawSet(*first, Line.Sheets), Line.Answers);
    const TPdfResult result = SavePdfToFileName(document, ArgumentBytes(Line.PdfPath));
    if (!result.Saved) {
        std::fprintf(stderr, "kestrum: %s\n",
                     qPrintable(CommandLineTexts::CannotWrite.arg(Echo(Line.PdfPath), OneLine(result.Reason))));
        return CommandLineError;
    }
    return 0;
}

std::optional<TSheet> CommandLineSheet(const TCommandLine& Line)
{
    if (!Line.Code && !Line.Settings && !Line.Seed)
        return std::nullopt;
    return FirstSheet(Line);
}
