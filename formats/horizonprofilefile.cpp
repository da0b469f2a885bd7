#include "formats/horizonprofilefile.h"

#include "formats/textfile.h"
#include "plan/fieldnumber.h"

#include <QFileInfo>

#include <array>
#include <optional>

namespace {

struct ValueReading {
    double value = 0.0;
    QString problem;
};

ValueReading readDegrees(QStringView text, const QString &name, double lowest, double highest)
{
    const std::optional<double> value = readPlainNumber(text);
    if (!value)
        return {0.0, QStringLiteral("the %1 \"%2\" is not a finite number").arg(name, text)};
    if (*value < lowest || *value > highest)
        return {0.0, QStringLiteral("the %1 \"%2\" is not between %3 and %4")
                         .arg(name, text, QString::number(lowest), QString::number(highest))};
    return {*value, {}};
}

QString countProblem(qsizetype valueCount)
{
    const QString found = valueCount == 1 ? QStringLiteral("one value")
                                          : QStringLiteral("%1 values").arg(valueCount);
    return QStringLiteral("the line holds %1 instead of an azimuth and an altitude").arg(found);
}

bool isSeparator(char32_t c)
{
    return QChar::isSpace(c) || c == u',' || c == u';';
}

// The first character of the line that is neither shown nor a separator, as its code, with its
// column counted in characters from 1: inside a value it would otherwise be hidden in the message.
QString hiddenCharacterProblem(QStringView line)
{
    qsizetype column = 1;
    for (qsizetype i = 0; i < line.size(); ++i, ++column) {
        char32_t code = line[i].unicode();
        if (line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(line[i], line[i + 1]);
            ++i;
        }
        if (!QChar::isPrint(code) && !isSeparator(code))
            return QStringLiteral("column %1 holds 0x%2, a character that cannot be shown")
                .arg(column)
                .arg(QString::number(code, 16).toUpper().rightJustified(2, u'0'));
    }
    return {};
}

// The values of a line between its separators: the first two, and how many there are.
struct LineValues {
    std::array<QStringView, 2> first;
    qsizetype count = 0;
};

LineValues valuesOf(QStringView line)
{
    LineValues values;
    qsizetype i = 0;
    while (i < line.size()) {
        while (i < line.size() && isSeparator(line[i].unicode()))
            ++i;
        const qsizetype start = i;
        while (i < line.size() && !isSeparator(line[i].unicode()))
            ++i;
        if (i == start)
            break;
        if (values.count < qsizetype(values.first.size()))
            values.first[values.count] = line.sliced(start, i - start);
        ++values.count;
    }
    return values;
}

// The line up to its comment, if it holds a pair at all.
std::optional<QStringView> pairPart(QStringView line)
{
    const qsizetype commentAt = line.indexOf(u'#');
    const QStringView part = commentAt < 0 ? line : line.first(commentAt);
    const QStringView trimmed = part.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(u';'))
        return std::nullopt;
    return part;
}

}  // namespace

Result<HorizonProfile> parseHorizonProfile(QStringView text)
{
    std::vector<HorizonPoint> points;
    int lineNumber = 0;
    for (LineReader lines(text); !lines.atEnd();) {
        ++lineNumber;
        const std::optional<QStringView> line = pairPart(lines.next());
        if (!line)
            continue;
        if (const QString hidden = hiddenCharacterProblem(*line); !hidden.isEmpty())
            return Problem::onLine(lineNumber, hidden);
        const LineValues values = valuesOf(*line);
        if (values.count != 2)
            return Problem::onLine(lineNumber, countProblem(values.count));
        const ValueReading az = readDegrees(values.first[0], QStringLiteral("azimuth"), 0.0, 360.0);
        if (!az.problem.isEmpty())
            return Problem::onLine(lineNumber, az.problem);
        const ValueReading alt = readDegrees(values.first[1], QStringLiteral("altitude"), -90.0, 90.0);
        if (!alt.problem.isEmpty())
            return Problem::onLine(lineNumber, alt.problem);
        if (qsizetype(points.size()) == MaxHorizonPoints)
            return Problem::because(QStringLiteral("the profile holds more than %1 azimuth and altitude pairs, "
                                                   "more than any horizon needs")
                                        .arg(MaxHorizonPoints));
        points.push_back({az.value, alt.value});
    }
    if (points.empty())
        return Problem::because(QStringLiteral("there is no azimuth and altitude pair"));
    return HorizonProfile(std::move(points));
}

Result<HorizonProfile> readHorizonProfileFile(const QString &path)
{
    return parseTextFile<HorizonProfile>(path, QFileInfo(path).fileName(), parseHorizonProfile);
}
