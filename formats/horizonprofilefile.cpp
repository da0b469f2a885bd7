#include "formats/horizonprofilefile.h"

#include "formats/textfile.h"

#include <QFileInfo>

#include <QRegularExpression>

#include <cmath>

namespace {

struct ValueReading {
    double value = 0.0;
    QString problem;
};

ValueReading readDegrees(const QString &text, const QString &name, double lowest, double highest)
{
    bool isNumber = false;
    const double value = text.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value))
        return {0.0, QStringLiteral("the %1 \"%2\" is not a finite number").arg(name, text)};
    if (value < lowest || value > highest)
        return {0.0, QStringLiteral("the %1 \"%2\" is not between %3 and %4")
                         .arg(name, text, QString::number(lowest), QString::number(highest))};
    return {value, {}};
}

QString countProblem(qsizetype valueCount)
{
    const QString found = valueCount == 1 ? QStringLiteral("one value")
                                          : QStringLiteral("%1 values").arg(valueCount);
    return QStringLiteral("the line holds %1 instead of an azimuth and an altitude").arg(found);
}

bool isSkipped(const QString &trimmedLine)
{
    return trimmedLine.isEmpty() || trimmedLine.startsWith(u'#') || trimmedLine.startsWith(u';');
}

}  // namespace

Result<HorizonProfile> parseHorizonProfile(const QStringList &lines)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    std::vector<HorizonPoint> points;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i + 1);
        const QString line = lines.at(i).trimmed();
        if (isSkipped(line))
            continue;
        const QStringList values = line.split(separators, Qt::SkipEmptyParts);
        if (values.size() != 2)
            return Problem::onLine(lineNumber, countProblem(values.size()));
        const ValueReading az = readDegrees(values.at(0), QStringLiteral("azimuth"), 0.0, 360.0);
        if (!az.problem.isEmpty())
            return Problem::onLine(lineNumber, az.problem);
        const ValueReading alt = readDegrees(values.at(1), QStringLiteral("altitude"), -90.0, 90.0);
        if (!alt.problem.isEmpty())
            return Problem::onLine(lineNumber, alt.problem);
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
