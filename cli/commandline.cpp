#include "cli/commandline.h"

#include "formats/defaultsfile.h"
#include "formats/foldersetup.h"
#include "formats/listexport.h"
#include "formats/oalfile.h"
#include "formats/observationlog.h"
#include "formats/observinglistfile.h"
#include "formats/resultstext.h"
#include "formats/textfile.h"
#include "formats/workingfolder.h"
#include "plan/application.h"
#include "plan/fieldnumber.h"
#include "plan/localtime.h"
#include "plan/nighteventlines.h"
#include "plan/observationdraft.h"
#include "plan/observingplan.h"
#include "plan/sessiontext.h"
#include "plan/seenlist.h"
#include "plan/sessionvisibility.h"
#include "plan/yearplan.h"

#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QTimeZone>
#include <QFileInfo>
#include <QHash>
#include <QIODevice>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

constexpr int Done = 0;
constexpr int FileProblem = 1;
constexpr int WrongArguments = 2;

// "a, b or c"
QString alternatives(QStringList words)
{
    const QString last = words.takeLast();
    return words.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

QString darknessWord(const DarknessEntry &entry)
{
    return QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()));
}

// The darkness levels' words: "none, civil, nautical or astronomical".
QString darknessWords()
{
    QStringList words;
    for (const DarknessEntry &entry : DarknessLevels)
        words << darknessWord(entry);
    return alternatives(words);
}

// "Moon, SB, Best, Reserve, Verdict or Magnification"
QString optionalColumnNames()
{
    QStringList names;
    for (const ListColumnEntry &entry : ListColumns) {
        if (isOptionalColumn(entry.column))
            names << QString::fromUtf16(entry.textHeading);
    }
    return alternatives(names);
}

// "skylist, stellarium, cdc or csv"
QString exportFormatNames()
{
    QStringList names;
    for (const ExportFormatEntry &entry : ExportFormats)
        names << QString::fromUtf16(entry.name);
    return alternatives(names);
}

// The verdicts as the command line takes them.
QStringList verdictWords()
{
    QStringList words;
    for (const ObservationVerdictEntry &entry : ObservationVerdicts)
        words << QString::fromUtf16(entry.commandName);
    return words;
}

// The format the observing log is exported in.
const QString LogFormatName = QStringLiteral("oal");

// The observer's options, by the field each stands for.
struct ObserverOption {
    QString name;
    ObserverField field;
};

const QList<ObserverOption> ObserverOptions{
    {"sqm", ObserverField::ZenithSkyBrightness},
    {"extinction", ObserverField::Extinction},
    {"aperture", ObserverField::Aperture},
    {"magnifications", ObserverField::Magnifications},
};

// "an aperture in mm from 10 to 2000"
QString observerOptionValues(ObserverField field)
{
    const ObserverFieldEntry &entry = observerFieldEntry(field);
    const QString values = QString::fromUtf16(entry.unitWording).arg(entry.minValue).arg(entry.maxValue);
    return field == ObserverField::Magnifications ? values + QStringLiteral(" separated by commas") : values;
}

QString observerOptionMeaning(ObserverField field)
{
    return QStringLiteral("%1 (default from %2, else %3)")
        .arg(observerOptionValues(field), DefaultsFileName,
             QString::fromUtf16(observerFieldEntry(field).firstValue).replace(u' ', u','));
}

// An option a command takes: its name, the word for its value, and what it gives.
struct OptionEntry {
    QString name;
    QString valueName;
    QString meaning;
};

const QList<OptionEntry> &optionEntries()
{
    static const QList<OptionEntry> entries{
        {"folder", "DIR", QStringLiteral("the folder with %1 and the catalog it names").arg(DefaultsFileName)},
        {"lat", "LAT", "the latitude in decimal degrees, north positive"},
        {"lon", "LON", "the longitude in decimal degrees, east positive"},
        {"date", "YYYY-MM-DD", "the local date"},
        {"time", "H[:MM[:SS]]", "the local time the session starts (21, 21:30 or 21:30:00)"},
        {"gmt-deviation", "G", "the hours local time is ahead of GMT (-5 for EST, 5.5 for India)"},
        {"zone", "NAME",
         "instead of --gmt-deviation, the time zone (Europe/Berlin): its offset on the date, daylight saving included"},
        {"horizon", "FILE", "a horizon profile instead of the one the defaults file names"},
        {"darkness", "LEVEL",
         QStringLiteral("%1 darkness (default %2)")
             .arg(darknessWords(), darknessWord(darknessEntry(DefaultDarkness)))},
        {"sqm", "S", observerOptionMeaning(ObserverField::ZenithSkyBrightness)},
        {"extinction", "K", observerOptionMeaning(ObserverField::Extinction)},
        {"aperture", "MM", observerOptionMeaning(ObserverField::Aperture)},
        {"magnifications", "A,B,...", observerOptionMeaning(ObserverField::Magnifications)},
        {"columns", "NAME,NAME", QStringLiteral("columns to add after the list's own: %1").arg(optionalColumnNames())},
        {"format", "FORMAT",
         QStringLiteral("%1: a SkySafari, Stellarium or Cartes du Ciel list, or comma-separated values")
             .arg(exportFormatNames())},
        {"output", "FILE", "the file to write, replaced only once the whole list is written (default: the standard output)"},
        {"object", "ID", "the object: its identifier in the catalog, its Messier number or its common name"},
        {"when", "\"YYYY-MM-DD HH:MM\"", "the local date and time of the observation"},
        {"verdict", verdictWords().join(u'|'),
         QStringLiteral("%1 (default %2)").arg(alternatives(verdictWords()), QString::fromUtf16(ObservationVerdicts[0].commandName))},
        {"notes", "TEXT", "what the observer noted"},
        {"year", "YYYY",
         QStringLiteral("the year, from %1 to %2").arg(sessionDates().first.year()).arg(sessionDates().last.year())},
    };
    return entries;
}

const OptionEntry &optionEntry(const QString &name)
{
    return *std::ranges::find(optionEntries(), name, &OptionEntry::name);
}

// "--time H[:MM[:SS]]"
QString optionWithValue(const QString &name)
{
    return QStringLiteral("--%1 %2").arg(name, optionEntry(name).valueName);
}

// The clock a command needs may be given either way, never both.
const QString DeviationOption = QStringLiteral("gmt-deviation");
const QString ZoneOption = QStringLiteral("zone");

// A required option as the usage writes it: "(--gmt-deviation G | --zone NAME)" for the clock.
QString requiredOptionWithValue(const QString &name)
{
    if (name != DeviationOption)
        return optionWithValue(name);
    return QStringLiteral("(%1 | %2)").arg(optionWithValue(DeviationOption), optionWithValue(ZoneOption));
}

// A command's options as given, once they have been checked against what it takes; or the
// observer's request for the command's help.
struct Command {
    QHash<QString, QString> values;
    bool helpAsked = false;
    QString argument = {};  // the one after the options, for a command that takes one

    QString value(const QString &option) const { return values.value(option); }
};

// A command: its name (one word, or "log" and a second), its options, what it gives (in lines of
// the help), how it runs, the word for the one argument it takes after its options, if any, and
// what an option means for it where that is not what the option means for the others.
struct CommandEntry {
    QString name;
    QStringList required;
    QStringList optional;
    QStringList meaning;
    std::function<int(const Command &command, QIODevice &out, QIODevice &err)> run;
    QString argument = {};
    QHash<QString, QString> optionMeanings = {};

    QString optionMeaning(const QString &option) const
    {
        return optionMeanings.value(option, optionEntry(option).meaning);
    }

    // Every option the command takes: --zone beside the --gmt-deviation it may stand for.
    QStringList takenOptions() const
    {
        QStringList options = required + optional;
        if (const qsizetype deviation = options.indexOf(DeviationOption); deviation >= 0)
            options.insert(deviation + 1, ZoneOption);
        return options;
    }
};

// "  nocturo list --folder DIR ... --gmt-deviation G" with the optional options on a second
// line under the first option, then what it gives.
QString commandUsage(const CommandEntry &entry)
{
    const QString start = QStringLiteral("  nocturo %1 ").arg(entry.name);
    QStringList required, optional;
    for (const QString &option : entry.required)
        required << requiredOptionWithValue(option);
    for (const QString &option : entry.optional)
        optional << u'[' + optionWithValue(option) + u']';
    if (!entry.argument.isEmpty())
        required << entry.argument;
    QString usage = start + required.join(u' ') + u'\n';
    if (!optional.isEmpty())
        usage += QString(start.size(), u' ') + optional.join(u' ') + u'\n';
    for (const QString &line : entry.meaning)
        usage += QStringLiteral("      ") + line + u'\n';
    return usage;
}

// The command's usage and each of its options with its meaning.
QString commandHelp(const CommandEntry &entry)
{
    const QStringList options = entry.takenOptions();
    qsizetype width = QStringLiteral("--help").size();
    for (const QString &option : options)
        width = std::max(width, optionWithValue(option).size());
    QString help = QStringLiteral("Usage:\n") + commandUsage(entry) + QStringLiteral("\nOptions:\n");
    const auto addLine = [&](const QString &option, const QString &meaning) {
        help += QStringLiteral("  %1  %2\n").arg(option, -int(width)).arg(meaning);
    };
    for (const QString &option : options)
        addLine(optionWithValue(option), entry.optionMeaning(option));
    addLine(QStringLiteral("--help"), QStringLiteral("these lines"));
    return help;
}

// The arguments as the program got them: its name, the command's, the options. Each option
// may be given once; --help or -h anywhere asks for the command's help instead.
Result<Command> parseCommand(const CommandEntry &entry, const QStringList &arguments)
{
    const QStringList options = entry.takenOptions();
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(help);
    for (const QString &option : options)
        parser.addOption(QCommandLineOption(option, QString(), option.toUpper()));
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help))
        return Command{{}, true};
    if (!parsed)
        return Problem::because(parser.errorText());
    const QStringList given = parser.positionalArguments().sliced(entry.name.count(u' ') + 1);
    const qsizetype argumentCount = entry.argument.isEmpty() ? 0 : 1;
    if (given.size() > argumentCount)
        return Problem::because(QStringLiteral("\"%1\" takes no argument \"%2\"")
                                    .arg(entry.name, given.value(argumentCount)));
    if (given.size() < argumentCount)
        return Problem::because(QStringLiteral("\"%1\" needs %2").arg(entry.name, entry.argument));
    Command command;
    command.argument = given.value(0);
    for (const QString &option : options) {
        if (parser.values(option).size() > 1)
            return Problem::because(QStringLiteral("--%1 is given more than once").arg(option));
        if (parser.isSet(option))
            command.values.insert(option, parser.value(option));
        else if (entry.required.contains(option) && !(option == DeviationOption && parser.isSet(ZoneOption)))
            return Problem::because(option == DeviationOption
                                        ? QStringLiteral("\"%1\" needs --%2 or --%3").arg(entry.name, option, ZoneOption)
                                        : QStringLiteral("\"%1\" needs --%2").arg(entry.name, option));
    }
    if (command.values.contains(DeviationOption) && command.values.contains(ZoneOption))
        return Problem::because(QStringLiteral("--%1 and --%2 cannot both be given").arg(DeviationOption, ZoneOption));
    return command;
}

// The option's number, within the limits of the session field it stands for.
Result<double> numberOption(const Command &command, const QString &option, SessionField field)
{
    const SessionFieldEntry &entry = sessionFieldEntry(field);
    const auto read = readFieldNumber(command.value(option), QLocale());
    if (!read || *read < entry.minValue || *read > entry.maxValue)
        return Problem::because(QStringLiteral("--%1 \"%2\" is not a number from %3 to %4")
                                    .arg(option, command.value(option)).arg(entry.minValue).arg(entry.maxValue));
    return *read;
}

// The observer's clock as the options give it: a fixed deviation, or a zone whose offset follows
// daylight saving.
struct ClockOption {
    double gmtDeviationHours = 0.0;
    QTimeZone zone;  // invalid: the deviation is fixed

    double deviationHoursAt(const QDate &date, const QTime &time) const
    {
        return zone.isValid() ? zoneDeviationHours(zone, date, time) : gmtDeviationHours;
    }
};

Result<ClockOption> clockOption(const Command &command)
{
    if (command.values.contains(ZoneOption)) {
        const QString name = command.value(ZoneOption);
        if (!QTimeZone::isTimeZoneIdAvailable(name.toUtf8()))
            return Problem::because(
                QStringLiteral("--zone \"%1\" is not a time zone this system knows, such as Europe/Berlin").arg(name));
        return ClockOption{0.0, QTimeZone(name.toUtf8())};
    }
    const Result<double> deviation = numberOption(command, DeviationOption, SessionField::GmtDeviation);
    if (!deviation.ok())
        return deviation.problems();
    return ClockOption{deviation.value(), {}};
}

// The session's clock fields as given: the one left out is empty, and so not the defaults'.
void putClockOptions(const Command &command, SessionTexts &texts)
{
    texts[SessionField::GmtDeviation] = command.value(DeviationOption);
    texts[SessionField::TimeZone] = command.value(ZoneOption);
}

Result<CalendarDate> dateOption(const Command &command)
{
    const QString text = command.value(QStringLiteral("date"));
    const QDate date = QDate::fromString(text, IsoDateFormat);
    if (!date.isValid() || !sessionDates().contains(date))
        return Problem::because(QStringLiteral("--date \"%1\" is not a date as YYYY-MM-DD from %2 to %3")
                                    .arg(text, sessionDates().first.toString(IsoDateFormat),
                                         sessionDates().last.toString(IsoDateFormat)));
    return CalendarDate{date.year(), date.month(), date.day()};
}

Result<DarknessLevel> darknessOption(const Command &command)
{
    const QString name = command.value(QStringLiteral("darkness"));
    const auto darkness = name.isEmpty() ? DefaultDarkness : darknessLevelNamed(name.toStdString());
    if (!darkness)
        return Problem::because(QStringLiteral("--darkness \"%1\" is %2")
                                    .arg(name, darknessWords()));
    return *darkness;
}

void write(QIODevice &device, const QString &text)
{
    device.write(text.toUtf8());
}

int wrongArguments(QIODevice &err, const Problem &problem)
{
    write(err, QStringLiteral("nocturo: %1\nRun \"nocturo --help\" for the commands and their options.\n")
                   .arg(problemText(problem)));
    return WrongArguments;
}

int fileProblem(QIODevice &err, const Problem &problem)
{
    write(err, QStringLiteral("nocturo: %1\n").arg(problemText(problem)));
    return FileProblem;
}

// The text a command made: into the file --output names, if the command takes one and it is
// given, else to out.
int deliver(const Command &command, const QString &text, QIODevice &out, QIODevice &err)
{
    const QString output = command.value(QStringLiteral("output"));
    if (output.isEmpty()) {
        write(out, text);
        return Done;
    }
    if (const auto problem = writeTextFile(output, text))
        return fileProblem(err, *problem);
    return Done;
}

// The date, time and deviation given, as the session's fields; the rest comes from the folder.
Result<SessionTexts> sessionOptions(const Command &command)
{
    const QString typed = command.value(QStringLiteral("time"));
    const QString time = normalizeTimeText(typed);  // "21" and "21:30" as the window takes them
    if (!readSessionTime(time))
        return Problem::because(QStringLiteral("--time \"%1\" is not a time as H, H:MM or H:MM:SS").arg(typed));
    const Result<CalendarDate> date = dateOption(command);
    if (!date.ok())
        return date.problems();
    // Refused here rather than in the list, as an argument.
    const Result<ClockOption> clock = clockOption(command);
    if (!clock.ok())
        return clock.problems();
    SessionTexts texts;
    texts[SessionField::Date] = QDate(date.value().year, date.value().month, date.value().day).toString(IsoDateFormat);
    texts[SessionField::StartTime] = time;
    putClockOptions(command, texts);
    return texts;
}

// The list of a folder: its defaults with the date, time and deviation given.
struct FolderList {
    FolderSetup setup;
    ObservingList list;
};

Result<FolderList> makeFolderList(const Command &command, const SessionTexts &given)
{
    Result<FolderSetup> setup = readFolderSetup(command.value(QStringLiteral("folder")),
                                                command.value(QStringLiteral("horizon")));
    if (!setup.ok())
        return setup.problems();
    const Result<Session> session = readFolderSession(setup.value(), given);
    if (!session.ok())
        return session.problems();
    ObservingList list = generateList(session.value(), setup.value().catalog, horizonOf(setup.value()));
    return FolderList{std::move(setup.value()), std::move(list)};
}

// The folder's sky and telescope with the options given in place of its defaults' lines.
Result<SkyAndTelescope> observerOptions(const Command &command, FolderSetup &setup)
{
    for (const ObserverOption &option : ObserverOptions) {
        if (!command.values.contains(option.name))
            continue;
        QString text = command.value(option.name);
        if (option.field == ObserverField::Magnifications)
            text = text.split(u',').join(u' ');
        ObserverTexts alone;
        alone[option.field] = text;
        const Result<SkyAndTelescope> reading = readSkyAndTelescope(alone, QLocale());
        if (!reading.ok())
            return Problem::because(QStringLiteral("--%1 \"%2\" is not %3")
                                        .arg(option.name, command.value(option.name), observerOptionValues(option.field)));
        setup.defaults.observer[option.field] = text;
    }
    return readFolderSkyAndTelescope(setup);
}

// The optional columns --columns names, in the order given.
Result<QList<ListColumn>> columnsOption(const Command &command)
{
    QList<ListColumn> columns;
    const QString given = command.value(QStringLiteral("columns"));
    for (const QString &name : given.split(u',', Qt::SkipEmptyParts)) {
        const auto column = listColumnNamed(name.trimmed());
        if (!column || !isOptionalColumn(*column))
            return Problem::because(QStringLiteral("--columns \"%1\" names no column: they are %2")
                                        .arg(name, optionalColumnNames()));
        columns << *column;
    }
    return columns;
}

// What a command on a folder's list writes of it.
using ListWriter = std::function<QString(const Command &command, const FolderList &folderList)>;

// Runs a command on a folder's list: its own options checked by check, if any, then the
// session's, then the folder read, then the list written.
int folderCommand(const Command &command, QIODevice &out, QIODevice &err,
                  const std::function<std::optional<Problem>(const Command &)> &check, const ListWriter &writeList)
{
    if (const auto problem = check ? check(command) : std::nullopt)
        return wrongArguments(err, *problem);
    const Result<SessionTexts> given = sessionOptions(command);
    if (!given.ok())
        return wrongArguments(err, given.problem());
    const Result<FolderList> folderList = makeFolderList(command, given.value());
    if (!folderList.ok())
        return fileProblem(err, folderList.problem());
    return deliver(command, writeList(command, folderList.value()), out, err);
}

// What a command writes of a list whose rows have their seeing.
using SeenListWriter = std::function<QString(const Command &command, const ObservingList &list)>;

// Runs a command on a folder's list with what the observer will see of each object: the darkness
// and the sky and telescope given, else the folder's.
int seeingCommand(const Command &command, QIODevice &out, QIODevice &err, const SeenListWriter &writeList)
{
    const Result<DarknessLevel> darkness = darknessOption(command);
    if (!darkness.ok())
        return wrongArguments(err, darkness.problem());
    const Result<SessionTexts> given = sessionOptions(command);
    if (!given.ok())
        return wrongArguments(err, given.problem());
    Result<FolderSetup> setup = readFolderSetup(command.value(QStringLiteral("folder")),
                                                command.value(QStringLiteral("horizon")));
    if (!setup.ok())
        return fileProblem(err, setup.problem());
    const Result<SkyAndTelescope> observer = observerOptions(command, setup.value());
    if (!observer.ok()) {
        const Problem &problem = observer.problem();
        return problem.file.isEmpty() ? wrongArguments(err, problem) : fileProblem(err, problem);
    }
    const Result<Session> session = readFolderSession(setup.value(), given.value());
    if (!session.ok())
        return fileProblem(err, session.problem());
    SeeingMemo memo;
    const SeenList seen = generateSeenList(session.value(), setup.value().catalog, horizonOf(setup.value()),
                                           SeeingRequest{darkness.value(), &observer.value(), true}, memo);
    write(out, writeList(command, seen.list));
    return Done;
}

QString logPath(const Command &command)
{
    return QDir(command.value(QStringLiteral("folder"))).filePath(ObservationLogFile);
}

// The folder's observing log, made where there is none.
Result<std::unique_ptr<ObservationLog>> openLog(const Command &command)
{
    return ObservationLog::open(logPath(command));
}

// What read gives of the folder's log; nothing (an empty T) where the folder has no log yet,
// which reading does not make.
template <typename T>
Result<T> readFolderLog(const Command &command, Result<T> (ObservationLog::*read)() const)
{
    if (!QFileInfo::exists(logPath(command)))
        return T();
    const Result<std::unique_ptr<ObservationLog>> log = openLog(command);
    if (!log.ok())
        return log.problems();
    return (*log.value().*read)();
}

// What the folder's log holds, oldest first.
Result<QList<Observation>> loggedObservations(const Command &command)
{
    return readFolderLog(command, &ObservationLog::observations);
}

// For each object the folder's log has seen or glimpsed, the last local date it was.
Result<QHash<QString, QDate>> observedDates(const Command &command)
{
    return readFolderLog(command, &ObservationLog::lastObservedDates);
}

int listCommand(const Command &command, QIODevice &out, QIODevice &err)
{
    const Result<QList<ListColumn>> optionalColumns = columnsOption(command);
    if (!optionalColumns.ok())
        return wrongArguments(err, optionalColumns.problem());
    const QList<ListColumn> columns = listColumnsWith(optionalColumns.value());
    const Result<QHash<QString, QDate>> lastObserved =
        columns.contains(ListColumn::Observed) ? observedDates(command) : QHash<QString, QDate>();
    if (!lastObserved.ok())
        return fileProblem(err, lastObserved.problem());
    const auto writeList = [&columns, &lastObserved](const ObservingList &list) {
        ObservingList marked = list;
        markObservedRows(marked.rows, lastObserved.value());
        return resultsText(marked, listOrder(marked), LocaleNumbers(QLocale()), columns);
    };
    if (!showsSeeingColumn(columns))
        return folderCommand(command, out, err, {}, [&writeList](const Command &, const FolderList &folder) {
            return writeList(folder.list);
        });
    return seeingCommand(command, out, err, [&writeList](const Command &, const ObservingList &list) { return writeList(list); });
}

// One line of "seen": the object, its surface brightness, and at its best moment the Moon's
// separation, the sky, the magnification, the reserve and the verdict.
QString seenLine(const ListedObject &row, const LocaleNumbers &numbers)
{
    const QString none = QStringLiteral("-");
    QStringList cells{row.object->identifier};
    const ObjectSeeing &seeing = *row.seeing;
    cells << (seeing.surfaceBrightness ? numbers.fixed(*seeing.surfaceBrightness, 2) : none);
    if (!seeing.surfaceBrightness || !seeing.best)
        return (cells + QStringList(6, none)).join(u'\t');
    const BestMoment &best = *seeing.best;
    cells << seeing.bestClockText
          << (best.moonSeparationDeg ? numbers.fixed(*best.moonSeparationDeg, 1) : none)
          << numbers.fixed(best.seeing.skyMagPerArcsec2, 2)
          << magnificationText(best.seeing.reserve.magnification, numbers.locale())
          << numbers.fixed(best.seeing.reserve.logReserve, 2) << *seeing.verdict();
    return cells.join(u'\t');
}

int seenCommand(const Command &command, QIODevice &out, QIODevice &err)
{
    return seeingCommand(command, out, err, [](const Command &, const ObservingList &list) {
        const LocaleNumbers numbers{QLocale()};
        QStringList lines{QStringLiteral("Identifier\tSB\tBest\tMoon\tSky\tMagnification\tReserve\tVerdict")};
        for (const ListedObject &row : list.rows)
            lines << seenLine(row, numbers);
        return lines.join(u'\n') + u'\n';
    });
}

int nightCommand(const Command &command, QIODevice &out, QIODevice &err)
{
    const Result<double> latDeg = numberOption(command, QStringLiteral("lat"), SessionField::Latitude);
    const Result<double> lonDeg = numberOption(command, QStringLiteral("lon"), SessionField::Longitude);
    const Result<CalendarDate> date = dateOption(command);
    const Result<ClockOption> clock = clockOption(command);
    for (const QList<Problem> &problems : {latDeg.problems(), lonDeg.problems(), clock.problems(), date.problems()}) {
        if (!problems.isEmpty())
            return wrongArguments(err, problems.first());
    }
    // The night starts at local noon, on the clock of that noon.
    const CalendarDate &day = date.value();
    const double gmtDeviationHours = clock.value().deviationHoursAt(QDate(day.year, day.month, day.day), QTime(12, 0));
    const LocalClock nightClock(clock.value().zone, gmtDeviationHours);  // an invalid zone: the fixed deviation
    const NightEvents events = nightEvents(Site{latDeg.value(), lonDeg.value()}, day, gmtDeviationHours);
    write(out, nightEventLines(events, nightClock).join(u'\n') + u'\n');
    return Done;
}

int windowsCommand(const Command &command, QIODevice &out, QIODevice &err)
{
    const auto checkDarkness = [](const Command &command) -> std::optional<Problem> {
        const Result<DarknessLevel> darkness = darknessOption(command);
        return darkness.ok() ? std::nullopt : std::optional(darkness.problem());
    };
    return folderCommand(command, out, err, checkDarkness, [](const Command &command, const FolderList &folder) {
        const Session &session = folder.list.session;
        const VisibilityQuery query =
            visibilityQuery(session, horizonOf(folder.setup), darknessOption(command).value());
        const LocaleNumbers numbers{QLocale()};
        QStringList lines{visibilityHeadings().join(u'\t')};
        for (const ListedVisibility &row : listedVisibility(folder.list, query))
            lines << visibilityCells(row, session.clock(), numbers).join(u'\t');
        return lines.join(u'\n') + u'\n';
    });
}

int exportCommand(const Command &command, QIODevice &out, QIODevice &err)
{
    const QString formatName = command.value(QStringLiteral("format"));
    const auto checkFormat = [&formatName](const Command &) -> std::optional<Problem> {
        if (exportFormatNamed(formatName))
            return std::nullopt;
        return Problem::because(QStringLiteral("--format \"%1\" is %2").arg(formatName, exportFormatNames()));
    };
    return folderCommand(command, out, err, checkFormat, [&formatName](const Command &, const FolderList &folder) {
        const ObservingList &list = folder.list;
        return exportedList(*exportFormatNamed(formatName),
                            {list, listOrder(list), listColumnsWith({}), defaultListName(list.session),
                             QDateTime::currentDateTime()});
    });
}

// One line per entry of the list: its name and the identifier of the object it stands for, or
// a dash and why it stands for none, with its line.
QString planLines(const ObservingPlan &plan)
{
    QString text;
    for (const PlannedEntry &planned : plan.entries) {
        const QString name = planned.entry.shownName().replace(u'\t', u' ');
        if (planned.object)
            text += name + u'\t' + planned.object->identifier + u'\n';
        else
            text += name + QStringLiteral("\t-\tline %1: ").arg(planned.entry.line) + planned.why + u'\n';
    }
    return text;
}

int importCommand(const Command &command, QIODevice &out, QIODevice &err)
{
    const Result<FolderSetup> setup = readFolderSetup(command.value(QStringLiteral("folder")));
    if (!setup.ok())
        return fileProblem(err, setup.problem());
    const Result<ImportedList> list = readObservingListFile(command.argument);
    if (!list.ok())
        return fileProblem(err, list.problem());
    write(out, planLines(planFromList(list.value(), ObjectNameIndex(setup.value().catalog))));
    return Done;
}

// "NGC 224<TAB>2024-03-09 21:30<TAB>seen<TAB>faint core", with the notes on the one line.
QString logLine(const Observation &observation)
{
    QString notes = observation.notes;
    for (const QChar lineBreak : {u'\t', u'\r', u'\n'})
        notes.replace(lineBreak, u' ');
    return QStringList{observation.objectIdentifier, observation.localTime.toString(DateAndClockFormat),
                       QString::fromUtf16(observationVerdictEntry(observation.verdict).text), notes}
               .join(u'\t') + u'\n';
}

// The local date and time --when gives, with the offset --gmt-deviation gives.
Result<QDateTime> whenOption(const Command &command)
{
    // Read as a date and a clock time, never as a time of this computer's zone, which may skip it.
    const QString text = command.value(QStringLiteral("when"));
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    const QDate date = parts.size() == 2 ? QDate::fromString(parts.first(), IsoDateFormat) : QDate();
    const QTime time = parts.size() == 2 ? QTime::fromString(parts.last(), ClockFormat) : QTime();
    if (!date.isValid() || !time.isValid() || !sessionDates().contains(date))
        return Problem::because(QStringLiteral("--when \"%1\" is not a local date and time as \"YYYY-MM-DD HH:MM\" from %2 to %3")
                                    .arg(text, sessionDates().first.toString(IsoDateFormat),
                                         sessionDates().last.toString(IsoDateFormat)));
    const Result<ClockOption> clock = clockOption(command);
    if (!clock.ok())
        return clock.problems();
    return QDateTime(date, time, Qt::OffsetFromUTC, qRound(clock.value().deviationHoursAt(date, time) * 3600.0));
}

Result<ObservationVerdict> verdictOption(const Command &command)
{
    const QString word = command.value(QStringLiteral("verdict"));
    if (word.isEmpty())
        return ObservationVerdicts[0].verdict;
    const auto found = std::ranges::find_if(ObservationVerdicts, [&word](const ObservationVerdictEntry &entry) {
        return word == QStringView(entry.commandName);
    });
    if (found == ObservationVerdicts.end())
        return Problem::because(QStringLiteral("--verdict \"%1\" is %2").arg(word, alternatives(verdictWords())));
    return found->verdict;
}

// The observation of the object the options describe, as the window's form would first show it for
// the folder's defaults: from their place, with their sky and telescope.
Result<Observation> observationOptions(const Command &command, const FolderSetup &setup, const CatalogObject &object,
                                       const QDateTime &when)
{
    SessionTexts given;
    given[SessionField::Date] = when.toString(IsoDateFormat);
    given[SessionField::StartTime] = normalizeTimeText(when.toString(ClockFormat));
    putClockOptions(command, given);
    const Result<Session> session = readFolderSession(setup, given);
    if (!session.ok())
        return session.problems();
    const Result<SkyAndTelescope> observer = readFolderSkyAndTelescope(setup);
    if (!observer.ok())
        return observer.problems();
    Observation observation = observationDraft(ListedObject{&object, {}}, session.value(), observer.value());
    observation.notes = command.value(QStringLiteral("notes"));
    return observation;
}

int logAddCommand(const Command &command, QIODevice &out, QIODevice &err)
{
    const Result<QDateTime> when = whenOption(command);
    if (!when.ok())
        return wrongArguments(err, when.problem());
    const Result<ObservationVerdict> verdict = verdictOption(command);
    if (!verdict.ok())
        return wrongArguments(err, verdict.problem());
    const Result<FolderSetup> setup = readFolderSetup(command.value(QStringLiteral("folder")));
    if (!setup.ok())
        return fileProblem(err, setup.problem());
    const QString name = command.value(QStringLiteral("object"));
    const ObjectNameIndex::Found found = ObjectNameIndex(setup.value().catalog).find(name);
    if (!found.object)
        return wrongArguments(err, Problem::because(QStringLiteral("--object \"%1\": %2").arg(name, found.why)));
    Result<Observation> observation = observationOptions(command, setup.value(), *found.object, when.value());
    if (!observation.ok())
        return fileProblem(err, observation.problem());
    observation.value().verdict = verdict.value();
    const Result<std::unique_ptr<ObservationLog>> log = openLog(command);
    if (!log.ok())
        return fileProblem(err, log.problem());
    const Result<QList<qint64>> added = log.value()->add({observation.value()});
    if (!added.ok())
        return fileProblem(err, added.problem());
    write(out, logLine(observation.value()));
    return Done;
}

int logListCommand(const Command &command, QIODevice &out, QIODevice &err)
{
    const Result<FolderSetup> setup = readFolderSetup(command.value(QStringLiteral("folder")));
    if (!setup.ok())
        return fileProblem(err, setup.problem());
    const Result<QList<Observation>> observations = loggedObservations(command);
    if (!observations.ok())
        return fileProblem(err, observations.problem());
    for (const Observation &observation : observations.value())
        write(out, logLine(observation));
    return Done;
}

int logExportCommand(const Command &command, QIODevice &out, QIODevice &err)
{
    const QString formatName = command.value(QStringLiteral("format"));
    if (formatName != LogFormatName)
        return wrongArguments(err, Problem::because(QStringLiteral("--format \"%1\" is %2").arg(formatName, LogFormatName)));
    const Result<FolderSetup> setup = readFolderSetup(command.value(QStringLiteral("folder")));
    if (!setup.ok())
        return fileProblem(err, setup.problem());
    const Result<QList<Observation>> observations = loggedObservations(command);
    if (!observations.ok())
        return fileProblem(err, observations.problem());
    return deliver(command, QString::fromUtf8(oalDocument(observations.value(), setup.value().catalog)), out, err);
}

int logImportCommand(const Command &command, QIODevice &out, QIODevice &err)
{
    const Result<FolderSetup> setup = readFolderSetup(command.value(QStringLiteral("folder")));
    if (!setup.ok())
        return fileProblem(err, setup.problem());
    const Result<OalObservations> read = readOalFile(command.argument, ObjectNameIndex(setup.value().catalog));
    if (!read.ok())
        return fileProblem(err, read.problem());
    const Result<std::unique_ptr<ObservationLog>> log = openLog(command);
    if (!log.ok())
        return fileProblem(err, log.problem());
    const Result<QList<qint64>> added = log.value()->add(read.value().observations);
    if (!added.ok())
        return fileProblem(err, added.problem());
    write(out, QStringLiteral("Observations added: %1, skipped: %2\n").arg(added.value().size()).arg(read.value().skipped));
    return Done;
}

Result<int> yearOption(const Command &command)
{
    const QString text = command.value(QStringLiteral("year"));
    bool isNumber = false;
    const int year = text.toInt(&isNumber);
    const int firstYear = sessionDates().first.year();
    const int lastYear = sessionDates().last.year();
    if (!isNumber || year < firstYear || year > lastYear)
        return Problem::because(
            QStringLiteral("--year \"%1\" is not a year from %2 to %3").arg(text).arg(firstYear).arg(lastYear));
    return year;
}

QString dateText(const CalendarDate &date)
{
    return QDate(date.year, date.month, date.day).toString(IsoDateFormat);
}

// "2024-03-09<TAB>312<TAB>140" for each night of the object's year.
QString objectYearLines(const CatalogObject &object, const YearSky &sky)
{
    QString text;
    for (const NightMinutes &night : objectYear({object.raDeg, object.decDeg}, sky))
        text += QStringLiteral("%1\t%2\t%3\n").arg(dateText(night.date)).arg(night.visibleMinutes).arg(night.moonlessMinutes);
    return text;
}

// "NGC 224<TAB>2024-09-30<TAB>512" for each object of the year's list.
QString bestNightLines(const Session &session, const Catalog &catalog, const YearSky &sky)
{
    const std::optional<std::vector<ListedBestNight>> rows = listedBestNights(yearListObjects(session, catalog), sky);
    QString text;
    for (const ListedBestNight &row : *rows)
        text += QStringLiteral("%1\t%2\t%3\n").arg(row.object->identifier, dateText(row.best.date)).arg(row.best.moonlessMinutes);
    return text;
}

// The folder's session for the year: its place and filters, with the deviation given; the date
// and time only make it readable.
Result<Session> yearSession(const Command &command, const FolderSetup &setup, int year)
{
    SessionTexts given;
    given[SessionField::Date] = QDate(year, 1, 1).toString(IsoDateFormat);
    given[SessionField::StartTime] = QStringLiteral("12:00:00");
    putClockOptions(command, given);
    return readFolderSession(setup, given);
}

int yearCommand(const Command &command, QIODevice &out, QIODevice &err)
{
    const Result<int> year = yearOption(command);
    const Result<DarknessLevel> darkness = darknessOption(command);
    const Result<ClockOption> clock = clockOption(command);
    for (const QList<Problem> &problems : {year.problems(), clock.problems(), darkness.problems()}) {
        if (!problems.isEmpty())
            return wrongArguments(err, problems.first());
    }
    const Result<FolderSetup> setup = readFolderSetup(command.value(QStringLiteral("folder")),
                                                      command.value(QStringLiteral("horizon")));
    if (!setup.ok())
        return fileProblem(err, setup.problem());
    const Catalog &catalog = setup.value().catalog;
    const CatalogObject *object = nullptr;
    if (command.values.contains(QStringLiteral("object"))) {
        const QString name = command.value(QStringLiteral("object"));
        const ObjectNameIndex::Found found = ObjectNameIndex(catalog).find(name);
        if (!found.object)
            return wrongArguments(err, Problem::because(QStringLiteral("--object \"%1\": %2").arg(name, found.why)));
        object = found.object;
    }
    const Result<Session> session = yearSession(command, setup.value(), year.value());
    if (!session.ok())
        return fileProblem(err, session.problem());
    const YearSky sky(yearQuery(session.value(), horizonOf(setup.value()), darkness.value(), year.value()));
    write(out, object ? objectYearLines(*object, sky) : bestNightLines(session.value(), catalog, sky));
    return Done;
}

const QList<CommandEntry> &commandEntries()
{
    const QStringList onFolder{"folder", "date", "time", "gmt-deviation"};
    static const QList<CommandEntry> entries{
        {"list", onFolder, {"horizon", "columns"},
         {"the observing list that \"Copy Results to Clipboard\" would give for the defaults file",
          "and catalog in DIR"},
         listCommand},
        {"night", {"lat", "lon", "date", "gmt-deviation"}, {},
         {"sunset, twilights, sunrise, moonrise, moonset and the Moon's illumination of the night",
          "that starts at local noon of the date, each on its own line in this order"},
         nightCommand},
        {"windows", onFolder, {"horizon", "darkness"}, {"when each listed object is visible within the session"},
         windowsCommand},
        {"seen", onFolder, {"horizon", "darkness", "sqm", "extinction", "aperture", "magnifications"},
         {"what the telescope shows of each listed object at its best moment of the session: its surface",
          "brightness, the time, the Moon's distance, the sky, the magnification, the reserve and the verdict"},
         seenCommand},
        {"export", onFolder + QStringList{"format"}, {"output"},
         {"the observing list of \"list\" for another program: a SkySafari list (.skylist), a Stellarium",
          "list (.sol), a Cartes du Ciel list (.txt) or comma-separated values with a header (.csv)"},
         exportCommand},
        {"import", {"folder"}, {},
         {"each entry of the observing list FILE (SkySafari, Stellarium, Cartes du Ciel, a CSV table with a",
          "header, or names one a line) with the identifier of the object of DIR's catalog it names, or with",
          "a dash and why it names none"},
         importCommand, "FILE"},
        {"log add", {"folder", "object", "when", "gmt-deviation"}, {"verdict", "notes"},
         {QStringLiteral("keeps an observation in DIR's observing log (%1): the object of DIR's catalog")
              .arg(ObservationLogFile),
          QStringLiteral("that ID names, seen from the place of %1 with its sky and telescope; writes the")
              .arg(DefaultsFileName),
          "line \"log list\" gives of it"},
         logAddCommand},
        {"log list", {"folder"}, {},
         {"every observation of DIR's observing log, oldest first: the identifier, the local date and time,",
          "the verdict and the notes, separated by tabs"},
         logListCommand},
        {"log export", {"folder", "format"}, {"output"},
         {"DIR's observing log as an Open Astronomy Log 2.1 document, which other observing logs read"},
         logExportCommand, {},
         {{"format", QStringLiteral("%1: Open Astronomy Log 2.1 XML").arg(LogFormatName)},
          {"output", "the file to write, replaced only once the whole document is written (default: the standard output)"}}},
        {"log import", {"folder"}, {},
         {"adds to DIR's observing log the observations of objects of DIR's catalog that the Open Astronomy",
          "Log FILE holds (OAL 2 or older), and tells how many it added and how many it skipped"},
         logImportCommand, "FILE"},
        {"year", {"folder", "year", "gmt-deviation"}, {"object", "horizon", "darkness"},
         {"for each night of the year (sunset to sunrise, the night that begins on the date's evening) the",
          "minutes the object is visible in darkness and of those the minutes with the Moon down; without",
          "--object, for each object that passes the type, size and magnitude filters of the defaults file,",
          "its best night (most minutes with the Moon down, the earliest of equals) and those minutes"},
         yearCommand},
    };
    return entries;
}

// The commands whose first word is word, where it is the first of two: "log add", "log list" and so on.
QList<const CommandEntry *> commandsStartingWith(const QString &word)
{
    QList<const CommandEntry *> commands;
    for (const CommandEntry &entry : commandEntries()) {
        if (entry.name.startsWith(word + u' '))
            commands << &entry;
    }
    return commands;
}

// The command the arguments name: by their first word, or their first two.
const CommandEntry *commandNamed(const QStringList &arguments)
{
    for (const CommandEntry &entry : commandEntries()) {
        const QStringList words = entry.name.split(u' ');
        if (arguments.mid(1, words.size()) == words)
            return &entry;
    }
    return nullptr;
}

// "log" alone, with --help, or with a word that names none of its commands.
int commandGroup(const QString &word, const QList<const CommandEntry *> &commands, const QStringList &arguments,
                 QIODevice &out, QIODevice &err)
{
    const QString second = arguments.value(2);
    if (second == u"--help" || second == u"-h") {
        QString help = QStringLiteral("Usage:\n");
        for (const CommandEntry *entry : commands)
            help += commandUsage(*entry);
        write(out, help);
        return Done;
    }
    QStringList words;
    for (const CommandEntry *entry : commands)
        words << entry->name.section(u' ', 1);
    const QString which = alternatives(words);
    if (second.isEmpty() || second.startsWith(u'-'))
        return wrongArguments(err, Problem::because(QStringLiteral("\"%1\" needs one of %2").arg(word, which)));
    return wrongArguments(err, Problem::because(QStringLiteral("there is no command \"%1 %2\": it is %3")
                                                    .arg(word, second, which)));
}

QString usage()
{
    QString text = QStringLiteral(
        "Usage:\n"
        "  nocturo                 the planner's window, working in the current folder\n"
        "  nocturo %1       the planner's window, working in the observer's own folder\n"
        "                          (~/.local/share/nocturo), as the desktop menu starts it\n")
                       .arg(QLatin1String(DesktopStartOption));
    for (const CommandEntry &entry : commandEntries())
        text += commandUsage(entry);
    return text + QStringLiteral("  nocturo COMMAND --help  the options of a command and what each means\n"
                                 "  nocturo --help | --version\n");
}

}  // namespace

bool isCommandLine(const QStringList &arguments)
{
    return arguments.size() > 1 && !(arguments.size() == 2 && arguments.at(1) == QLatin1String(DesktopStartOption));
}

int runCommandLine(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    const QString name = arguments.value(1);
    if (name == u"--help" || name == u"-h") {
        write(out, usage());
        return Done;
    }
    if (name == u"--version") {
        write(out, QStringLiteral("nocturo %1\n").arg(applicationVersion()));
        return Done;
    }
    const CommandEntry *entry = commandNamed(arguments);
    if (!entry) {
        const QList<const CommandEntry *> commands = commandsStartingWith(name);
        if (!commands.isEmpty())
            return commandGroup(name, commands, arguments, out, err);
        return wrongArguments(err, Problem::because(QStringLiteral("there is no command \"%1\"").arg(name)));
    }
    const Result<Command> command = parseCommand(*entry, arguments);
    if (!command.ok())
        return wrongArguments(err, command.problem());
    if (command.value().helpAsked) {
        write(out, commandHelp(*entry));
        return Done;
    }
    return entry->run(command.value(), out, err);
}
