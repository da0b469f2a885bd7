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
#include <QDate>
#include <QIODevice>

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
    for (const DarknessSpec &spec : DarknessLevels)
        words << QString::fromUtf8(spec.name.data(), qsizetype(spec.name.size()));
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

// Why the arguments cannot be used; a problem with the files is told by a command itself.
struct ArgumentError {
    QString problem;
};

class Command {
public:
    Command(const QString &name, const QStringList &required, const QStringList &optional)
        : m_name(name), m_required(required)
    {
        for (const QString &option : required + optional)
            m_parser.addOption(QCommandLineOption(option, QString(), option.toUpper()));
    }

    // The arguments as the program got them: its name, the command's, the options.
    void parse(const QStringList &arguments)
    {
        if (!m_parser.parse(arguments))
            throw ArgumentError{m_parser.errorText()};
        if (m_parser.positionalArguments().size() != 1)
            throw ArgumentError{QStringLiteral("\"%1\" takes no argument \"%2\"")
                                    .arg(m_name, m_parser.positionalArguments().value(1))};
        for (const QString &option : m_required) {
            if (!m_parser.isSet(option))
                throw ArgumentError{QStringLiteral("\"%1\" needs --%2").arg(m_name, option)};
        }
    }

    QString value(const QString &option) const { return m_parser.value(option); }

    // The option's number, within the limits of the session field it stands for.
    double number(const QString &option, SessionField field) const
    {
        const SessionFieldSpec &spec = sessionFieldSpec(field);
        const auto read = readFieldNumber(value(option), QLocale());
        if (!read || *read < spec.minValue || *read > spec.maxValue)
            throw ArgumentError{QStringLiteral("--%1 \"%2\" is not a number from %3 to %4")
                                    .arg(option, value(option)).arg(spec.minValue).arg(spec.maxValue)};
        return *read;
    }

    CalendarDate date() const
    {
        const QDate date = QDate::fromString(value(QStringLiteral("date")), IsoDateFormat);
        if (!date.isValid())
            throw ArgumentError{QStringLiteral("--date \"%1\" is not a date as YYYY-MM-DD").arg(value(QStringLiteral("date")))};
        return {date.year(), date.month(), date.day()};
    }

private:
    QString m_name;
    QStringList m_required;
    QCommandLineParser m_parser;
};

void write(QIODevice &device, const QString &text)
{
    device.write(text.toUtf8());
}

// The list of a folder: its defaults with the date, time and deviation given.
struct FolderList {
    FolderSetup setup;
    ObservingList list;
};

std::optional<FolderList> makeFolderList(const Command &command, QIODevice &err, const QString &horizonFile = {})
{
    const QString time = command.value(QStringLiteral("time"));
    if (!readSessionTime(time))
        throw ArgumentError{QStringLiteral("--time \"%1\" is not a time as H:MM:SS").arg(time)};
    const CalendarDate date = command.date();
    command.number(QStringLiteral("gmt-deviation"), SessionField::GmtDeviation);  // refused here rather than in the list

    Result<FolderSetup> setup = readFolderSetup(command.value(QStringLiteral("folder")), horizonFile);
    if (!setup.ok()) {
        write(err, QStringLiteral("nocturo: %1\n").arg(problemText(setup.problem())));
        return std::nullopt;
    }
    SessionTexts texts = setup.value().defaults.session;
    texts[SessionField::Date] = QDate(date.year, date.month, date.day).toString(Qt::ISODate);
    texts[SessionField::StartTime] = time;
    texts[SessionField::GmtDeviation] = command.value(QStringLiteral("gmt-deviation"));
    const Result<Session> session = readSession(texts, QLocale());
    if (!session.ok()) {
        write(err, QStringLiteral("nocturo: the defaults file holds a value that cannot be read: %1\n")
                       .arg(session.problem().what));
        return std::nullopt;
    }
    ObservingList list = generateList(session.value(), setup.value().catalog, horizonOf(setup.value()));
    return FolderList{std::move(setup.value()), std::move(list)};
}

int listCommand(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    Command command(QStringLiteral("list"), {"folder", "date", "time", "gmt-deviation"}, {});
    command.parse(arguments);
    const std::optional<FolderList> folderList = makeFolderList(command, err);
    if (!folderList)
        return FileProblem;
    write(out, resultsText(folderList->list, listOrder(folderList->list), LocaleNumbers(QLocale())));
    return Done;
}

int nightCommand(const QStringList &arguments, QIODevice &out)
{
    Command command(QStringLiteral("night"), {"lat", "lon", "date", "gmt-deviation"}, {});
    command.parse(arguments);
    const Site site{command.number(QStringLiteral("lat"), SessionField::Latitude),
                    command.number(QStringLiteral("lon"), SessionField::Longitude)};
    const double gmtDeviationHours = command.number(QStringLiteral("gmt-deviation"), SessionField::GmtDeviation);
    const NightEvents events = nightEvents(site, command.date(), gmtDeviationHours);
    write(out, nightEventLines(events, gmtDeviationHours).join(u'\n') + u'\n');
    return Done;
}

int windowsCommand(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    Command command(QStringLiteral("windows"), {"folder", "date", "time", "gmt-deviation"}, {"horizon", "darkness"});
    command.parse(arguments);
    const QString darknessName = command.value(QStringLiteral("darkness"));
    const auto darkness = darknessName.isEmpty() ? DefaultDarkness : darknessLevelNamed(darknessName.toStdString());
    if (!darkness)
        throw ArgumentError{QStringLiteral("--darkness \"%1\" is %2")
                                .arg(darknessName, darknessWords(QStringLiteral(", "), QStringLiteral(" or ")))};
    const std::optional<FolderList> folderList = makeFolderList(command, err, command.value(QStringLiteral("horizon")));
    if (!folderList)
        return FileProblem;
    const Session &session = folderList->list.session;
    const VisibilityQuery query = visibilityQuery(session, horizonOf(folderList->setup), *darkness);
    const LocaleNumbers numbers{QLocale()};
    QStringList lines{visibilityHeadings().join(u'\t')};
    for (const ListedVisibility &row : listedVisibility(folderList->list, query))
        lines << visibilityCells(row, session.gmtDeviationHours, numbers).join(u'\t');
    write(out, lines.join(u'\n') + u'\n');
    return Done;
}

}  // namespace

bool isCommandLine(const QStringList &arguments)
{
    return arguments.size() > 1 && !(arguments.size() == 2 && arguments.at(1) == QLatin1String(DesktopStartOption));
}

int runCommandLine(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    const QString name = arguments.value(1);
    try {
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
            return nightCommand(arguments, out);
        if (name == u"windows")
            return windowsCommand(arguments, out, err);
        throw ArgumentError{QStringLiteral("there is no command \"%1\"").arg(name)};
    } catch (const ArgumentError &error) {
        write(err, QStringLiteral("nocturo: %1\nRun \"nocturo --help\" for the commands and their options.\n")
                       .arg(error.problem));
        return WrongArguments;
    }
}
