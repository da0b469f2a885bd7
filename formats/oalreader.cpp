#include "formats/oalfile.h"

#include "formats/oalvocabulary.h"
#include "formats/textfile.h"
#include "sky/skyqualityestimate.h"

#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <cmath>

using namespace oal;

namespace {

// A surface brightness per square arcminute is 2.5 log10(3600) magnitudes brighter than the same
// per square arcsecond.
const double ArcminToArcsecMagnitudes = 2.5 * std::log10(3600.0);

struct Element {
    QString name;
    QHash<QString, QString> attributes;
    QString text;
    QList<Element> children;

    const Element *child(QStringView childName) const
    {
        const auto found = std::ranges::find(children, childName, &Element::name);
        return found == children.end() ? nullptr : &*found;
    }

    QString childText(QStringView childName) const
    {
        const Element *found = child(childName);
        return found ? found->text.trimmed() : QString();
    }
};

// OAL nests four elements below the root; anything deeper than this is skipped, so that no
// document can nest deeper than the stack holds.
constexpr int DeepestElement = 16;

Element readElement(QXmlStreamReader &reader, int depth)
{
    Element element{reader.name().toString(), {}, {}, {}};
    for (const QXmlStreamAttribute &attribute : reader.attributes())
        element.attributes.insert(attribute.name().toString(), attribute.value().toString());
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (depth < DeepestElement)
                element.children << readElement(reader, depth + 1);
            else
                reader.skipCurrentElement();
            break;
        case QXmlStreamReader::Characters:
            element.text += reader.text();
            break;
        case QXmlStreamReader::EndElement:
            return element;
        default:
            break;
        }
    }
    return element;
}

Problem notWellFormed(const QXmlStreamReader &reader)
{
    return Problem::onLine(int(reader.lineNumber()), QStringLiteral("the XML is not well-formed: %1").arg(reader.errorString()));
}

std::optional<double> numberIn(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

std::optional<double> positiveNumber(const QString &text)
{
    const std::optional<double> value = numberIn(text);
    return value && *value > 0 ? value : std::nullopt;
}

struct AngleUnit {
    const char16_t *name;
    double degrees;
};

constexpr std::array<AngleUnit, 4> AngleUnits = {{
    {u"deg", 1.0},
    {u"rad", 180.0 / std::numbers::pi},
    {u"arcmin", 1.0 / 60.0},
    {u"arcsec", 1.0 / 3600.0},
}};

std::optional<double> degreesIn(const Element *angle)
{
    const std::optional<double> value = angle ? numberIn(angle->text) : std::nullopt;
    if (!value)
        return std::nullopt;
    const QString unit = angle->attributes.value(QStringLiteral("unit"));
    const auto found = std::ranges::find_if(AngleUnits, [&unit](const AngleUnit &entry) { return unit == QStringView(entry.name); });
    return found == AngleUnits.end() ? std::nullopt : std::optional(*value * found->degrees);
}

struct OalSite {
    double latDeg;
    double lonDeg;
    int utcOffsetSeconds;
};

// A place the log can keep: a latitude and a longitude, east positive, within their ranges.
std::optional<OalSite> siteIn(const Element &site)
{
    const std::optional<double> latDeg = degreesIn(site.child(u"latitude"));
    std::optional<double> lonDeg = degreesIn(site.child(u"longitude"));
    if (!latDeg || !lonDeg || std::abs(*latDeg) > 90.0 || std::abs(*lonDeg) > 360.0)
        return std::nullopt;
    if (*lonDeg > 180.0)
        *lonDeg -= 360.0;
    const int timezoneMinutes = site.childText(u"timezone").toInt();  // 0 where none is given
    return OalSite{*latDeg, *lonDeg, timezoneMinutes * 60};
}

struct OalScope {
    std::optional<double> apertureMm;
    std::optional<double> magnification;  // of a scope with a fixed one
};

// What the observations refer to by id.
struct OalParts {
    QHash<QString, OalSite> sites;
    QHash<QString, QString> sessionSites;  // session id to site id
    QHash<QString, const CatalogObject *> targets;
    QHash<QString, OalScope> scopes;
};

const CatalogObject *targetObject(const Element &target, const ObjectNameIndex &names)
{
    for (const Element &child : target.children) {
        if (child.name != u"name" && child.name != u"alias")
            continue;
        if (const CatalogObject *object = names.find(child.text.trimmed()).object)
            return object;
    }
    return nullptr;
}

OalParts oalParts(const Element &root, const ObjectNameIndex &names)
{
    OalParts parts;
    const auto eachIn = [&root](QStringView container, const auto &read) {
        if (const Element *found = root.child(container)) {
            for (const Element &element : found->children)
                read(element.attributes.value(QStringLiteral("id")), element);
        }
    };
    eachIn(u"sites", [&parts](const QString &id, const Element &site) {
        if (const std::optional<OalSite> read = siteIn(site))
            parts.sites.insert(id, *read);
    });
    eachIn(u"sessions", [&parts](const QString &id, const Element &session) {
        parts.sessionSites.insert(id, session.childText(u"site"));
    });
    eachIn(u"targets", [&parts, &names](const QString &id, const Element &target) {
        if (const CatalogObject *object = targetObject(target, names))
            parts.targets.insert(id, object);
    });
    eachIn(u"scopes", [&parts](const QString &id, const Element &scope) {
        parts.scopes.insert(id, OalScope{positiveNumber(scope.childText(u"aperture")),
                                         positiveNumber(scope.childText(u"magnification"))});
    });
    return parts;
}

// An xs:dateTime with its offset from UTC ("+01:00", "Z"); one without an offset is taken to be on
// the site's clock.
std::optional<QDateTime> localTimeIn(const QString &text, int siteUtcOffsetSeconds)
{
    const QDateTime read = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!read.isValid())
        return std::nullopt;
    if (read.timeSpec() == Qt::LocalTime)
        return QDateTime(read.date(), read.time(), Qt::OffsetFromUTC, siteUtcOffsetSeconds);
    return read.toOffsetFromUtc(read.offsetFromUtc());
}

// The sky as a meter reads it, or from the naked-eye limit; OAL 1 called the reading "sqm".
std::optional<double> skyIn(const Element &observation)
{
    const Element *reading = observation.child(u"sky-quality");
    if (!reading)
        reading = observation.child(u"sqm");
    if (const std::optional<double> value = reading ? positiveNumber(reading->text) : std::nullopt) {
        const bool perArcmin = reading->attributes.value(QStringLiteral("unit")) == u"mags-per-squarearcmin";
        return perArcmin ? *value + ArcminToArcsecMagnitudes : *value;
    }
    const std::optional<double> limit = numberIn(observation.childText(u"faintestStar"));
    const std::optional<SkyQualityEstimate> estimate = limit ? sqmFromNakedEyeLimit(*limit) : std::nullopt;
    return estimate ? std::optional(estimate->magPerArcsec2) : std::nullopt;
}

ObservationVerdict verdictIn(const Element *result)
{
    bool ok = false;
    const int rating = result ? result->childText(u"rating").toInt(&ok) : 0;
    const auto range = std::ranges::find_if(Ratings, [rating](const RatingRange &entry) {
        return rating >= entry.first && rating <= entry.last;
    });
    return ok && range != Ratings.end() ? range->verdict : ObservationVerdict::Seen;
}

// An observation the log can keep: of an object of the catalog, at a known time and place.
std::optional<Observation> observationIn(const Element &element, const OalParts &parts)
{
    const CatalogObject *object = parts.targets.value(element.childText(u"target"));
    QString siteId = element.childText(u"site");
    if (siteId.isEmpty())
        siteId = parts.sessionSites.value(element.childText(u"session"));
    const auto site = parts.sites.constFind(siteId);
    if (!object || site == parts.sites.constEnd())
        return std::nullopt;
    const std::optional<QDateTime> localTime = localTimeIn(element.childText(u"begin"), site->utcOffsetSeconds);
    if (!localTime)
        return std::nullopt;
    Observation observation;
    observation.objectIdentifier = object->identifier;
    observation.localTime = *localTime;
    observation.latDeg = site->latDeg;
    observation.lonDeg = site->lonDeg;
    const OalScope scope = parts.scopes.value(element.childText(u"scope"));
    observation.apertureMm = scope.apertureMm;
    observation.magnification = positiveNumber(element.childText(u"magnification"));
    if (!observation.magnification)
        observation.magnification = scope.magnification;
    observation.skyMagPerArcsec2 = skyIn(element);
    bool seeingRead = false;
    const int seeing = element.childText(u"seeing").toInt(&seeingRead);
    if (seeingRead && seeing >= 1 && seeing <= 5)
        observation.seeing = seeing;
    const Element *result = element.child(u"result");
    observation.verdict = verdictIn(result);
    observation.notes = result ? result->childText(u"description") : QString();
    return observation;
}

}  // namespace

Result<OalObservations> readOalDocument(const QByteArray &document, const ObjectNameIndex &names)
{
    QXmlStreamReader reader(document);
    if (!reader.readNextStartElement())
        return notWellFormed(reader);
    const QString space = reader.namespaceUri().toString();
    if (reader.name() != u"observations" || (space != OalNamespace && space != OlderOalNamespace)) {
        const QString where = space.isEmpty() ? QStringLiteral("without a namespace") : QStringLiteral("of the namespace \"%1\"").arg(space);
        return Problem::onLine(int(reader.lineNumber()),
                               QStringLiteral("this is not an Open Astronomy Log: its first element is <%1> %2")
                                   .arg(reader.qualifiedName().toString(), where));
    }
    const Element root = readElement(reader, 0);
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError())
        return notWellFormed(reader);
    const OalParts parts = oalParts(root, names);
    OalObservations read;
    for (const Element &element : root.children) {
        if (element.name != u"observation")
            continue;
        if (const std::optional<Observation> observation = observationIn(element, parts))
            read.observations << *observation;
        else
            ++read.skipped;
    }
    return read;
}

Result<OalObservations> readOalFile(const QString &path, const ObjectNameIndex &names)
{
    const Result<QByteArray> bytes = readFileBytes(path);
    if (!bytes.ok())
        return bytes.problems();
    Result<OalObservations> read = readOalDocument(bytes.value(), names);
    if (read.ok())
        return read;
    Problem problem = read.problem();
    problem.file = QFileInfo(path).fileName();
    return problem;
}
