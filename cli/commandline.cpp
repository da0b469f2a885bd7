#include "cli/commandline.h"

#include "formats/foldersetup.h"
#include "formats/resultstext.h"
#include "formats/workingfolder.h"
#include "plan/application.h"
#include "plan/fieldnumber.h"
#include "plan/localtime.h"
#include "plan/nighteventlines.h"
#include "plan/sessiontext.h"
#include "plan/sessionvisibility.h"

#include <QCommandLineParser>
#include <QHash>
#include <QDate>
#include <QIODevice>

#include <functional>
#include <optional>

namespace {

constexpr int Done = 0;
constexpr int FileProblem = 1;
constexpr int WrongArguments = 2;

// The darkness levels' words: "none|civil|nautical|astronomical" or "none, civil, nautical or
// astronomical".
QString darknessWords(const QString &separator, const QString &lastSeparator)
{
    QStringList words;
    for (const DarknessEntry &entry : DarknessLevels)
        words << QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()));
    const QString last = words.takeLast();
    return words.join(separator) + lastSeparator + last;
}

const QString Usage = QStringLiteral(
    "Usage:\n"
    "  nocturo                 the planner's window\n"
    "  nocturo list --folder DIR --date YYYY-MM-DD --time H:MM:SS --gmt-deviation G\n"
    "      the observing list that \"Copy Results to Clipboard\" would give for the defaults file\n"
    "      and catalog in DIR\n"
    "  nocturo night --lat LAT --lon LON --date YYYY-MM-DD --gmt-deviation G\n"
    "      sunset, twilights, sunrise, moonrise, moonset and the Moon's illumination of the night\n"
    "      that starts at local noon of the date\n"
    "  nocturo windows --folder DIR --date YYYY-MM-DD --time H:MM:SS --gmt-deviation G\n"
    "                  [--horizon FILE] [--darkness %1]\n"
    "      when each listed object is visible within the session\n"
    "  nocturo --help | --version\n"
    "G is the hours local time is ahead of GMT (-5 for EST, 5.5 for India); LAT and LON are\n"
    "decimal degrees, north and east positive.\n");

// A command's options as given, once they have been checked against what it takes.
struct Command {
    QString name;
    QHash<QString, QString> values;

    QString value(const QString &option) const { return values.value(option); }
};

// The arguments as the program got them: its name, the command's, the options.
Result<Command> parseCommand(const QString &name, const QStringList &required, const QStringList &optional,
                             const QStringList &arguments)
{
    QCommandLineParser parser;
    for (const QString &option : required + optional)
        parser.addOption(QCommandLineOption(option, QString(), option.toUpper()));
    if (!parser.parse(arguments))
        return Problem::because(parser.errorText());
    if (parser.positionalArguments().size() != 1)
        return Problem::because(QStringLiteral("\"%1\" takes no argument \"%2\"")
                                    .arg(name, parser.positionalArguments().value(1)));
    Command command{name, {}};
    for (const QString &option : required + optional) {
        if (parser.isSet(option))
            command.values.insert(option, parser.value(option));
        else if (required.contains(option))
            return Problem::because(QStringLiteral("\"%1\" needs --%2").arg(name, option));
    }
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
                                    .arg(name, darknessWords(QStringLiteral(", "), QStringLiteral(" or "))));
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

// The date, time and deviation given, as the session's fields; the rest comes from the folder.
Result<SessionTexts> sessionOptions(const Command &command)
{
    const QString time = command.value(QStringLiteral("time"));
    if (!readSessionTime(time))
        return Problem::because(QStringLiteral("--time \"%1\" is not a time as H:MM:SS").arg(time));
    const Result<CalendarDate> date = dateOption(command);
    if (!date.ok())
        return date.problems();
    // Refused here rather than in the list, as an argument.
    const Result<double> gmtDeviation = numberOption(command, QStringLiteral("gmt-deviation"), SessionField::GmtDeviation);
    if (!gmtDeviation.ok())
        return gmtDeviation.problems();
    SessionTexts texts;
    texts[SessionField::Date] = QDate(date.value().year, date.value().month, date.value().day).toString(IsoDateFormat);
    texts[SessionField::StartTime] = time;
    texts[SessionField::GmtDeviation] = command.value(QStringLiteral("gmt-deviation"));
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
    SessionTexts texts = setup.value().defaults.session;
    for (const SessionField field : {SessionField::Date, SessionField::StartTime, SessionField::GmtDeviation})
        texts[field] = given[field];
    const Result<Session> session = readSession(texts, QLocale());
    if (!session.ok())
        return Problem::because(QStringLiteral("the defaults file holds a value that cannot be read: %1")
                                    .arg(session.problem().what));
    ObservingList list = generateList(session.value(), setup.value().catalog, horizonOf(setup.value()));
    return FolderList{std::move(setup.value()), std::move(list)};
}

// What a command on a folder's list writes of it.
using ListWriter = std::function<QString(const Command &command, const FolderList &folderList)>;

// Runs a command on a folder's list: its options checked (the command's own ones by check, if
// any), then the folder read, then the list written.
int folderCommand(const QString &name, const QStringList &optional, const QStringList &arguments, QIODevice &out,
                  QIODevice &err, const std::function<std::optional<Problem>(const Command &)> &check,
                  const ListWriter &writeList)
{
    const Result<Command> command = parseCommand(name, {"folder", "date", "time", "gmt-deviation"}, optional, arguments);
    if (!command.ok())
        return wrongArguments(err, command.problem());
    if (const auto problem = check ? check(command.value()) : std::nullopt)
        return wrongArguments(err, *problem);
    const Result<SessionTexts> given = sessionOptions(command.value());
    if (!given.ok())
        return wrongArguments(err, given.problem());
    const Result<FolderList> folderList = makeFolderList(command.value(), given.value());
    if (!folderList.ok())
        return fileProblem(err, folderList.problem());
    write(out, writeList(command.value(), folderList.value()));
    return Done;
}

int listCommand(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    return folderCommand(QStringLiteral("list"), {}, arguments, out, err, {}, [](const Command &, const FolderList &folder) {
        return resultsText(folder.list, listOrder(folder.list), LocaleNumbers(QLocale()));
    });
}

int nightCommand(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    const Result<Command> command = parseCommand(QStringLiteral("night"), {"lat", "lon", "date", "gmt-deviation"}, {},
                                                 arguments);
    if (!command.ok())
        return wrongArguments(err, command.problem());
    const Result<double> latDeg = numberOption(command.value(), QStringLiteral("lat"), SessionField::Latitude);
    const Result<double> lonDeg = numberOption(command.value(), QStringLiteral("lon"), SessionField::Longitude);
    const Result<CalendarDate> date = dateOption(command.value());
    const Result<double> gmtDeviationHours =
        numberOption(command.value(), QStringLiteral("gmt-deviation"), SessionField::GmtDeviation);
    for (const QList<Problem> &problems :
         {latDeg.problems(), lonDeg.problems(), gmtDeviationHours.problems(), date.problems()}) {
        if (!problems.isEmpty())
            return wrongArguments(err, problems.first());
    }
    const NightEvents events = nightEvents(Site{latDeg.value(), lonDeg.value()}, date.value(), gmtDeviationHours.value());
    write(out, nightEventLines(events, gmtDeviationHours.value()).join(u'\n') + u'\n');
    return Done;
}

int windowsCommand(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    const auto checkDarkness = [](const Command &command) -> std::optional<Problem> {
        const Result<DarknessLevel> darkness = darknessOption(command);
        return darkness.ok() ? std::nullopt : std::optional(darkness.problem());
    };
    return folderCommand(QStringLiteral("windows"), {"horizon", "darkness"}, arguments, out, err, checkDarkness,
                         [](const Command &command, const FolderList &folder) {
                             const Session &session = folder.list.session;
                             const VisibilityQuery query = visibilityQuery(session, horizonOf(folder.setup),
                                                                           darknessOption(command).value());
                             const LocaleNumbers numbers{QLocale()};
                             QStringList lines{visibilityHeadings().join(u'\t')};
                             for (const ListedVisibility &row : listedVisibility(folder.list, query))
                                 lines << visibilityCells(row, session.gmtDeviationHours, numbers).join(u'\t');
                             return lines.join(u'\n') + u'\n';
                         });
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
        write(out, Usage.arg(darknessWords(QStringLiteral("|"), QStringLiteral("|"))));
        return Done;
    }
    if (name == u"--version") {
        write(out, QStringLiteral("nocturo %1\n").arg(applicationVersion()));
        return Done;
    }
    if (name == u"list")
        return listCommand(arguments, out, err);
    if (name == u"night")
        return nightCommand(arguments, out, err);
    if (name == u"windows")
        return windowsCommand(arguments, out, err);
    return wrongArguments(err, Problem::because(QStringLiteral("there is no command \"%1\"").arg(name)));
}
