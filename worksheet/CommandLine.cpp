#include "CommandLine.h"

#include "ArgumentText.h"
#include "CommandLineTexts.h"
#include "sheet/RandomSource.h"
#include "sheet/SettingsTables.h"
#include "sheet/Settling.h"
#include "sheet/SheetCode.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The names of a fixed list of choices, as the command line writes them, and what each
// stands for.
template <typename T> using TChoices = std::vector<std::pair<QString, T>>;

template <typename T> std::optional<T> Choose(const TChoices<T>& Choices, const QString& Text)
{
    for (const auto& [name, value] : Choices)
        if (Text == name)
            return value;
    return std::nullopt;
}

template <typename T> QString Names(const TChoices<T>& Choices)
{
    QStringList names;
    for (const auto& choice : Choices)
        names << choice.first;
    return names.join(QLatin1Char('|'));
}

const TChoices<TAnswerPages> AnswerChoices{
    {QStringLiteral("none"), apNone}, {QStringLiteral("each"), apEachSheet}, {QStringLiteral("list"), apList}};
const TChoices<bool> DensityChoices{{QStringLiteral("sparse"), false}, {QStringLiteral("dense"), true}};
const TChoices<TPer200Choice> Per200Choices{{QStringLiteral("show"), pcShow}, {QStringLiteral("hide"), pcHide}};
const TChoices<bool> ViewChoices{{QStringLiteral("whole"), false}, {QStringLiteral("enlarged"), true}};
const TChoices<TExercise> KindChoices{{QStringLiteral("read"), exRead}, {QStringLiteral("draw"), exDraw}};
const TChoices<TAnswerUnit> UnitChoices{
    {QStringLiteral("g"), auGrams}, {QStringLiteral("kg"), auKilograms}, {QStringLiteral("kg-g"), auKilogramsAndGrams}};
const TChoices<TTypeShowNumerals> NumeralsChoices{
    {QStringLiteral("all"), snAll}, {QStringLiteral("large"), snLarge}, {QStringLiteral("ends"), snEnds}};
const TChoices<TLanguage> LanguageChoices{{QStringLiteral("ja"), lgJapanese}, {QStringLiteral("en"), lgEnglish}};

// The capacities and steps by the panel's own captions, "5" for 5 kg, "100g".
TChoices<int> CapacityChoices()
{
    TChoices<int> choices;
    for (int i = 0; i < CapacityCount; ++i)
        choices.emplace_back(QString::number(CapacityRows()[i].Capacity / 1000), i);
    return choices;
}

TChoices<int> StepChoices()
{
    TChoices<int> choices;
    for (int i = 0; i < StepCount; ++i)
        choices.emplace_back(StepRows()[i].Caption, i);
    return choices;
}

// A whole number from Low to High, or none.
std::optional<std::int64_t> Whole(const QString& Text, std::int64_t Low, std::int64_t High)
{
    bool ok = false;
    const qlonglong value = Text.toLongLong(&ok);
    if (!ok || value < Low || value > High)
        return std::nullopt;
    return value;
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

// What the options read so far have made of the command line.
struct TReading {
    TCommandLine Line;
    TSheetSettings Settings;
    TSheetSettings Before;  // the settings before the choices that settle together
    bool SettingsGiven = false;  // any option of the sheet's settings
    bool SeedGiven = false;
    bool CodeOnly = false;  // a code says the rest: the options after it have nothing to read
    QStringList Given;      // the options on the command line, by name
};

// Reads an option's value into the reading; returns the refusal, or nothing.
using TRead = QString (*)(TReading&, const QString& Name, const QString& Value);

// A named choice read into the field Member of the line or the settings.
template <auto Choices, auto Target> QString ReadChoice(TReading& R, const QString& Name, const QString& Value)
{
    const auto chosen = Choose(Choices(), Value);
    if (!chosen)
        return Refusal(Name, Names(Choices()), Value);
    Target(R) = *chosen;
    return {};
}

QString ReadPdf(TReading& R, const QString&, const QString& Value)
{
    R.Line.PdfPath = Value;
    return Value.isEmpty() ? CommandLineTexts::PdfNoFileName.Text() : QString();
}

// The results are written alone: any other option would ask for a window or a sheet
// that this run does not make.
QString ReadResults(TReading& R, const QString& Name, const QString& Value)
{
    R.Line.ResultsPath = Value;
    if (Value.isEmpty())
        return CommandLineTexts::NoFileName.arg(Name);
    static const QStringList alongside{QStringLiteral("results"), QStringLiteral("data"), QStringLiteral("lang")};
    for (const QString& name : R.Given)
        if (!alongside.contains(name))
            return CommandLineTexts::ResultsAlone.arg(name);
    return {};
}

// The server serves one class with the settings' sheets, or the ladder's: a code, a
// seed, a set or a window would have nothing to do.
QString ReadServe(TReading& R, const QString&, const QString&)
{
    R.Line.Serve = true;
    static const QStringList apart{QStringLiteral("results"), QStringLiteral("pdf"),  QStringLiteral("practice"),
                                   QStringLiteral("sheets"),  QStringLiteral("answers"), QStringLiteral("code"),
                                   QStringLiteral("seed")};
    for (const QString& name : R.Given)
        if (apart.contains(name))
            return CommandLineTexts::ServeApart.arg(name);
    return {};
}

QString ReadPort(TReading& R, const QString& Name, const QString& Value)
{
    if (!R.Line.Serve)
        return CommandLineTexts::ServeOnly.arg(Name);
    const std::optional<std::int64_t> port = Whole(Value, 0, 65535);
    if (!port)
        return Refusal(Name, CommandLineTexts::PortAccepted, Value);
    R.Line.Port = static_cast<int>(*port);
    return {};
}

QString ReadBind(TReading& R, const QString& Name, const QString& Value)
{
    if (!R.Line.Serve)
        return CommandLineTexts::ServeOnly.arg(Name);
    R.Line.Bind = Value;
    return Value.isEmpty() ? CommandLineTexts::BindNoAddress.Text() : QString();
}

QString ReadData(TReading& R, const QString& Name, const QString& Value)
{
    R.Line.DataPath = Value;
    if (Value.isEmpty())
        return CommandLineTexts::NoFileName.arg(Name);
    // A class set is no class: it has no results.
    return R.Given.contains(QStringLiteral("pdf")) ? CommandLineTexts::DataWithPdf.Text() : QString();
}

QString ReadPractice(TReading& R, const QString&, const QString&)
{
    R.Line.Practice = true;
    return R.Line.PdfPath.isEmpty() ? QString() : CommandLineTexts::PracticeWithPdf.Text();
}

// The ladder chooses the sheets: their settings, seeds and codes. The answers' unit stays
// the teacher's.
QString ReadStepUp(TReading& R, const QString&, const QString&)
{
    R.Line.Practice = R.Line.StepUp = true;
    if (!R.Line.PdfPath.isEmpty())
        return CommandLineTexts::StepUpWithPdf;
    static const QStringList chosen{QStringLiteral("capacity"), QStringLiteral("step"),     QStringLiteral("density"),
                                    QStringLiteral("per200"),   QStringLiteral("view"),     QStringLiteral("kind"),
                                    QStringLiteral("numerals"), QStringLiteral("mix"),      QStringLiteral("min"),
                                    QStringLiteral("max"),      QStringLiteral("seed"),     QStringLiteral("code")};
    for (const QString& name : R.Given)
        if (chosen.contains(name))
            return CommandLineTexts::StepUpChooses.arg(name);
    return {};
}

QString ReadSheets(TReading& R, const QString& Name, const QString& Value)
{
    const auto n = Whole(Value, 1, 60);
    if (!n)
        return Refusal(Name, CommandLineTexts::SheetsAccepted, Value);
    R.Line.Sheets = static_cast<int>(*n);
    return {};
}

QString ReadCode(TReading& R, const QString& Name, const QString& Value)
{
    if (R.SettingsGiven || R.SeedGiven)
        return CommandLineTexts::CodeAlone;
    const TSheetCodeReading reading = ReadSheetCode(Value);
    if (!reading.Sheet)
        return Refusal(Name, CommandLineTexts::CodeAccepted, Value);
    R.Line.Code = reading.Sheet;
    R.CodeOnly = true;
    return {};
}

QString ReadSeed(TReading& R, const QString& Name, const QString& Value)
{
    const auto s = Whole(Value, 0, SheetSeedLimit - 1);
    if (!s)
        return Refusal(Name, CommandLineTexts::SeedAccepted.arg(SheetSeedLimit - 1), Value);
    R.Line.Seed = static_cast<std::uint32_t>(*s);
    return {};
}

// A capacity settles as the panel's choice of it does: its range, its starting step.
QString ReadCapacity(TReading& R, const QString& Name, const QString& Value)
{
    const auto c = Choose(CapacityChoices(), Value);
    if (!c)
        return Refusal(Name, Names(CapacityChoices()), Value);
    R.Settings.Capacity = *c;
    R.Before = R.Settings = Settled(R.Settings);
    return {};
}

QString ReadMixed(TReading& R, const QString&, const QString&)
{
    R.Settings.Mixed = true;
    return {};
}

// The density, 1/200, view, unit, exercise and mixing settle together once all are
// read: the steps the dial offers follow from them.
QString SettleChoices(TReading& R, const QString&, const QString&)
{
    TSheetSettings& s = R.Settings;
    if (!Offered(s).Enlarged && s.Enlarged)
        return Refusal(QStringLiteral("view"), CommandLineTexts::ViewAcceptedDrawing, QStringLiteral("enlarged"));
    if (s.Mixed && !Offered(s).Mixed)
        return CommandLineTexts::MixedNeedsCapacity;
    // As on the panel, which offers no 1/200 choice for such a capacity; the 1 kg dials
    // of a mixed sheet have one.
    const TCapacityRow& row = CapacityRows()[s.Capacity];
    if (s.Per200 == pcShow && !row.Per200Offered && !s.Mixed)
        return Refusal(QStringLiteral("per200"), CommandLineTexts::Per200Accepted.arg(row.Capacity / 1000),
                       QStringLiteral("show"));
    s = Settled(s, R.Before);
    return {};
}

QString ReadStep(TReading& R, const QString& Name, const QString& Value)
{
    if (R.Settings.Mixed)
        return CommandLineTexts::MixedOwnSteps.arg(Name);
    const TSettingsOffer offer = Offered(R.Settings);
    QStringList offered;
    for (int i = 0; i < StepCount; ++i)
        if (offer.Steps[i])
            offered << StepRows()[i].Caption;
    const auto step = Choose(StepChoices(), Value);
    if (!step || !offer.Steps[*step])
        return Refusal(Name,
                       CommandLineTexts::StepAccepted.arg(offered.join(QLatin1Char('|')))
                           .arg(offer.RangeBound / 1000)
                           .arg(R.Settings.Dense ? QString() : CommandLineTexts::StepAcceptedSparse),
                       Value);
    const TSheetSettings before = R.Settings;
    R.Settings.Step = *step;
    R.Settings = Settled(R.Settings, before);
    return {};
}

// Both range boxes take grams from 0 to the capacity, as the panel's do.
template <std::int32_t TSheetSettings::*Bound>
QString ReadRange(TReading& R, const QString& Name, const QString& Value)
{
    if (!Offered(R.Settings).Range)
        return CommandLineTexts::MixedOwnSteps.arg(Name);
    const std::int32_t capacity = Offered(R.Settings).RangeBound;
    const auto g = Whole(Value, 0, capacity);
    if (!g)
        return Refusal(Name, CommandLineTexts::RangeAccepted.arg(capacity), Value);
    R.Settings.*Bound = static_cast<std::int32_t>(*g);
    return {};
}

QString ReadLanguage(TReading& R, const QString& Name, const QString& Value)
{
    R.Line.Language = LanguageNamed(Value);
    return R.Line.Language ? QString() : Refusal(Name, Names(LanguageChoices), Value);
}

auto& Answers(TReading& R) { return R.Line.Answers; }
auto& Dense(TReading& R) { return R.Settings.Dense; }
auto& Per200(TReading& R) { return R.Settings.Per200; }
auto& Enlarged(TReading& R) { return R.Settings.Enlarged; }
auto& Unit(TReading& R) { return R.Settings.Unit; }
auto& Kind(TReading& R) { return R.Settings.Exercise; }
auto& Numerals(TReading& R) { return R.Settings.Numerals; }
template <const auto& Choices> const auto& Fixed() { return Choices; }

// One option: its name, the name of its value (none for a switch), its help line (%1: its
// choices), where --help lists it, and how it is read.
struct TOptionRow {
    const char* Name;
    const char* ValueName;
    TText Help;
    QString (*Accepted)();  // the choices the help line lists, where it lists them
    int HelpPlace;
    bool Setting;           // a setting of the sheet, which a code carries itself
    TRead Read;
};

QString SeedLimit() { return QString::number(SheetSeedLimit - 1); }
template <const auto& Choices> QString ListOf() { return Names(Choices); }
QString CapacityNames() { return Names(CapacityChoices()); }
QString StepNames() { return Names(StepChoices()); }

// In the order they are read: each reads what those before it have made. The row with
// no name runs whether or not an option is given.
const TOptionRow OptionRows[] = {
    {"lang", "LANG", CommandLineTexts::HelpLang, ListOf<LanguageChoices>, 18, false, ReadLanguage},
    // Before the settings, whose rows are not reached when none is given.
    {"results", "FILE", CommandLineTexts::HelpResults, nullptr, 19, false, ReadResults},
    {"serve", nullptr, CommandLineTexts::HelpServe, nullptr, 21, false, ReadServe},
    {"port", "N", CommandLineTexts::HelpPort, nullptr, 22, false, ReadPort},
    {"bind", "ADDRESS", CommandLineTexts::HelpBind, nullptr, 23, false, ReadBind},
    {"data", "FILE", CommandLineTexts::HelpData, nullptr, 20, false, ReadData},
    {"pdf", "FILE", CommandLineTexts::HelpPdf, nullptr, 0, false, ReadPdf},
    {"practice", nullptr, CommandLineTexts::HelpPractice, nullptr, 1, false, ReadPractice},
    // Before --code, after which nothing more is read.
    {"step-up", nullptr, CommandLineTexts::HelpStepUp, nullptr, 2, false, ReadStepUp},
    {"sheets", "N", CommandLineTexts::HelpSheets, nullptr, 3, false, ReadSheets},
    {"answers", "PAGES", CommandLineTexts::HelpAnswers, ListOf<AnswerChoices>, 4, false,
     ReadChoice<Fixed<AnswerChoices>, Answers>},
    {"code", "CODE", CommandLineTexts::HelpCode, nullptr, 17, false, ReadCode},
    {"seed", "N", CommandLineTexts::HelpSeed, SeedLimit, 16, false, ReadSeed},
    {"capacity", "KG", CommandLineTexts::HelpCapacity, CapacityNames, 6, true, ReadCapacity},
    {"density", "DENSITY", CommandLineTexts::HelpDensity, ListOf<DensityChoices>, 9, true,
     ReadChoice<Fixed<DensityChoices>, Dense>},
    {"per200", "CHOICE", CommandLineTexts::HelpPer200, ListOf<Per200Choices>, 10, true,
     ReadChoice<Fixed<Per200Choices>, Per200>},
    {"view", "VIEW", CommandLineTexts::HelpView, ListOf<ViewChoices>, 11, true, ReadChoice<Fixed<ViewChoices>, Enlarged>},
    {"unit", "UNIT", CommandLineTexts::HelpUnit, ListOf<UnitChoices>, 12, true, ReadChoice<Fixed<UnitChoices>, Unit>},
    {"kind", "KIND", CommandLineTexts::HelpKind, ListOf<KindChoices>, 5, true, ReadChoice<Fixed<KindChoices>, Kind>},
    {"numerals", "WHICH", CommandLineTexts::HelpNumerals, ListOf<NumeralsChoices>, 13, true,
     ReadChoice<Fixed<NumeralsChoices>, Numerals>},
    {"mix", nullptr, CommandLineTexts::HelpMix, nullptr, 7, true, ReadMixed},
    {nullptr, nullptr, {}, nullptr, -1, true, SettleChoices},
    {"step", "STEP", CommandLineTexts::HelpStep, StepNames, 8, true, ReadStep},
    {"min", "G", CommandLineTexts::HelpMin, nullptr, 14, true, ReadRange<&TSheetSettings::RangeMin>},
    {"max", "G", CommandLineTexts::HelpMax, nullptr, 15, true, ReadRange<&TSheetSettings::RangeMax>},
};

// The options, as --help lists them. Qt's own help option would bring --help-all, which
// lists Qt's options that the program does not read.
struct TOptions {
    TOptions();
    QCommandLineParser Parser;
};

TOptions::TOptions()
{
    Parser.setApplicationDescription(CommandLineTexts::HelpDescription);
    // Qt's own words for it, in Qt's own translations.
    const char* const helpLine = "Displays help on commandline options.";
    Parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QCoreApplication::translate("QCommandLineParser", helpLine)));
    Parser.addVersionOption();
    std::vector<const TOptionRow*> listed;
    for (const TOptionRow& row : OptionRows)
        if (row.Name)
            listed.push_back(&row);
    std::ranges::sort(listed, {}, &TOptionRow::HelpPlace);
    for (const TOptionRow* row : listed) {
        const QString help = row->Accepted ? row->Help.arg(row->Accepted()) : row->Help.Text();
        Parser.addOption(row->ValueName
                             ? QCommandLineOption(QLatin1String(row->Name), help, QLatin1String(row->ValueName))
                             : QCommandLineOption(QLatin1String(row->Name), help));
    }
}

// Why the arguments do not parse, in the program's words: an unknown option as the user
// typed it ("-style" whole, where Qt reads it as the letters -s -t -y -l -e), or an
// option whose value is missing at the end.
QString ParseFailure(const QCommandLineParser& Parser, const QStringList& Arguments)
{
    if (const QStringList unknown = Parser.unknownOptionNames(); !unknown.isEmpty()) {
        QString prefix = unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        QString word = unknown.first();
        if (word.size() == 1)
            for (const QString& argument : Arguments.mid(1))
                if (argument.size() > 2 && argument.startsWith(QLatin1Char('-')) &&
                    argument.at(1) != QLatin1Char('-') && argument.indexOf(word) > 0) {
                    word = argument.section(QLatin1Char('='), 0, 0).mid(1);
                    break;
                }
        return CommandLineTexts::UnknownOption.arg(prefix, Echo(word));
    }
    const QString last = Arguments.size() > 1 ? Arguments.last() : QString();
    if (last == QStringLiteral("--pdf"))
        return CommandLineTexts::PdfNoFileName;
    if (last.startsWith(QStringLiteral("--")))
        return CommandLineTexts::ValueMissing.arg(Echo(last.mid(2)));
    return Parser.errorText();
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
    QCommandLineParser& parser = options.Parser;
    TReading reading;
    TCommandLine& line = reading.Line;
    if (!parser.parse(Arguments)) {
        line.Error = ParseFailure(parser, Arguments);
        return line;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        line.Request = parser.isSet(QStringLiteral("help")) ? rqHelp : rqVersion;
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.Error = CommandLineTexts::UnexpectedArgument.arg(Echo(parser.positionalArguments().first()));
        return line;
    }
    for (const QString& name : parser.optionNames())
        for (const QString& value : parser.values(name))
            if (LooksLikeOption(value)) {
                line.Error = CommandLineTexts::MissingValue.arg(name, Echo(value));
                return line;
            }

    reading.SettingsGiven = std::ranges::any_of(
        OptionRows, [&](const TOptionRow& row) { return row.Setting && row.Name && parser.isSet(row.Name); });
    reading.SeedGiven = parser.isSet(QStringLiteral("seed"));
    reading.Given = parser.optionNames();
    for (const TOptionRow& row : OptionRows) {
        if (reading.CodeOnly || (row.Setting && !reading.SettingsGiven))
            break;
        const QString name = row.Name ? QLatin1String(row.Name) : QString();
        if (row.Name && !parser.isSet(name))
            continue;
        if (QString refusal = row.Read(reading, name, row.Name ? parser.value(name) : QString()); !refusal.isEmpty()) {
            line.Error = refusal;
            return line;
        }
    }
    if (reading.SettingsGiven && !reading.CodeOnly)
        line.Settings = reading.Settings;
    return line;
}

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

std::optional<TSheet> CommandLineSheet(const TCommandLine& Line)
{
    if (!Line.Code && !Line.Settings && !Line.Seed)
        return std::nullopt;
    return FirstSheet(Line);
}
