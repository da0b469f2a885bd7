#include "formats/oalfile.h"

#include "formats/textfile.h"
#include "sky/skyqualityestimate.h"

#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

const QString OalNamespace = QStringLiteral("http://groups.google.com/group/openastronomylog");
// Where the log's schema lived before it moved to Google Groups; older programs still write it.
const QString OlderOalNamespace = QStringLiteral("http://observation.sourceforge.net/openastronomylog");
const QString SchemaInstanceNamespace = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");

// The log keeps no observer's name, and OAL needs a name and a surname.
const QString ObserverName = QStringLiteral("Nocturo");
const QString ObserverSurname = QStringLiteral("observer");
const QString TargetSource = QStringLiteral("Nocturo catalog");

// The deep-sky target types of OAL's deep-sky extension (ext_DeepSky.xsd), by the words of the
// catalog's type text; the first entry whose words it holds gives the type, so that a planetary
// or dark nebula is not a nebula of gas and a group of galaxies not one galaxy.
struct TargetTypeEntry {
    const char16_t *catalogWords;
    const char16_t *oalType;
};

constexpr std::array<TargetTypeEntry, 12> TargetTypes = {{
    {u"planetary", u"oal:deepSkyPN"},
    {u"dark nebula", u"oal:deepSkyDN"},
    {u"nebula", u"oal:deepSkyGN"},
    {u"galaxy pair", u"oal:deepSkyCG"},
    {u"galaxy triplet", u"oal:deepSkyCG"},
    {u"galaxy group", u"oal:deepSkyCG"},
    {u"galaxy", u"oal:deepSkyGX"},
    {u"globular", u"oal:deepSkyGC"},
    {u"open cluster", u"oal:deepSkyOC"},
    {u"star cloud", u"oal:deepSkySC"},
    {u"asterism", u"oal:deepSkyAS"},
    {u"double star", u"oal:deepSkyDS"},
}};
// Single stars, associations, novae and whatever else the catalog holds.
const QString OtherTargetType = QStringLiteral("oal:deepSkyNA");

// The rating of deep-sky findings (findingsDeepSkyType in ext_DeepSky.xsd) is the scale of the
// "Deep Sky Liste" of the VdS deep-sky group: 1 simple conspicuous object in the eyepiece, 2 good
// viewable with direct vision, 3 viewable with direct vision, 4 viewable only with averted vision,
// 5 object can hardly be seen with averted vision, 6 object dubiously sighted, 7 object not
// sighted, 99 unknown (the meanings as Observation Manager, by one of the schema's authors, gives
// them in de/lehmannet/om/extension/deepSky/DeepSkyFinding.java). A verdict is written as the
// rating given here and read back from the range it falls in; an unknown rating reads as seen.
struct RatingRange {
    ObservationVerdict verdict;
    int written;
    int first;
    int last;
};

constexpr std::array<RatingRange, 3> Ratings = {{
    {ObservationVerdict::Seen, 3, 1, 4},
    {ObservationVerdict::Glimpsed, 5, 5, 6},
    {ObservationVerdict::NotSeen, 7, 7, 7},
}};

int ratingOf(ObservationVerdict verdict)
{
    return std::ranges::find(Ratings, verdict, &RatingRange::verdict)->written;
}

// A surface brightness per square arcminute is 2.5 log10(3600) magnitudes brighter than the same
// per square arcsecond.
const double ArcminToArcsecMagnitudes = 2.5 * std::log10(3600.0);

QString number(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

// "site_1": an xsd:ID, which may not start with a digit.
QString idOf(const QString &kind, int index)
{
    return QStringLiteral("%1_%2").arg(kind).arg(index + 1);
}

QString xsdDateTime(const QDateTime &localTime)
{
    return localTime.toString(Qt::ISODate);
}

// The night an observation belongs to: the date of the noon that starts it, on the observer's clock.
QDate observingNight(const QDateTime &localTime)
{
    return localTime.addSecs(-12 * 3600).date();
}

// The number of a key among those met so far; the next one, and true, when it is new.
template <typename Key>
std::pair<int, bool> numbered(QHash<Key, int> &numbers, const Key &key)
{
    const auto found = numbers.constFind(key);
    if (found != numbers.constEnd())
        return {*found, false};
    const int next = int(numbers.size());
    numbers.insert(key, next);
    return {next, true};
}

struct Site {
    double latDeg;
    double lonDeg;
    int utcOffsetSeconds;  // of the first observation there: the log keeps no time zone
};

struct Session {
    int site;
    QDateTime begin;
    QDateTime end;
};

// OAL's scope of a fixed magnification: the telescope with the eyepiece of the observation. A
// scope needs a focal length or a magnification, and the log keeps only the magnification.
struct Scope {
    double apertureMm;
    double magnification;
};

struct References {
    int site;
    int session;
    int target;
    std::optional<int> scope;
};

// What the observations name, each once, in the order they first name it; and what each names.
struct DocumentParts {
    QList<Site> sites;
    QList<Session> sessions;  // one a night and site
    QStringList targets;      // the object identifiers
    QList<Scope> scopes;      // one an aperture and magnification
    QList<References> references;
};

DocumentParts documentParts(const QList<Observation> &observations)
{
    DocumentParts parts;
    QHash<std::pair<double, double>, int> siteNumbers;
    QHash<std::pair<int, QDate>, int> sessionNumbers;
    QHash<QString, int> targetNumbers;
    QHash<std::pair<double, double>, int> scopeNumbers;
    for (const Observation &observation : observations) {
        const QDateTime &time = observation.localTime;
        const auto [site, newSite] = numbered(siteNumbers, std::pair(observation.latDeg, observation.lonDeg));
        if (newSite)
            parts.sites << Site{observation.latDeg, observation.lonDeg, time.offsetFromUtc()};
        const auto [session, newSession] = numbered(sessionNumbers, std::pair(site, observingNight(time)));
        if (newSession)
            parts.sessions << Session{site, time, time};
        Session &night = parts.sessions[session];
        night.begin = std::min(night.begin, time);
        night.end = std::max(night.end, time);
        const auto [target, newTarget] = numbered(targetNumbers, observation.objectIdentifier);
        if (newTarget)
            parts.targets << observation.objectIdentifier;
        std::optional<int> scope;
        if (observation.apertureMm && observation.magnification) {
            const auto [number, newScope] = numbered(scopeNumbers, std::pair(*observation.apertureMm, *observation.magnification));
            if (newScope)
                parts.scopes << Scope{*observation.apertureMm, *observation.magnification};
            scope = number;
        }
        parts.references << References{site, session, target, scope};
    }
    return parts;
}

QString targetType(const QString &typeText)
{
    for (const TargetTypeEntry &entry : TargetTypes) {
        if (typeText.contains(QStringView(entry.catalogWords), Qt::CaseInsensitive))
            return QString::fromUtf16(entry.oalType);
    }
    return OtherTargetType;
}

// The catalog's objects that the identifiers name, by identifier.
QHash<QString, const CatalogObject *> catalogObjects(const QStringList &identifiers, const Catalog &catalog)
{
    QHash<QString, const CatalogObject *> objects;
    for (const QString &identifier : identifiers)
        objects.insert(identifier, nullptr);
    for (const CatalogObject &object : catalog.objects()) {
        if (const auto found = objects.find(object.identifier); found != objects.end())
            *found = &object;
    }
    return objects;
}

class OalWriter {
public:
    explicit OalWriter(QByteArray &document) : m_xml(&document) { m_xml.setAutoFormatting(true); }

    void write(const QList<Observation> &observations, const Catalog &catalog)
    {
        const DocumentParts parts = documentParts(observations);
        m_xml.writeStartDocument();
        m_xml.writeNamespace(OalNamespace, QStringLiteral("oal"));
        m_xml.writeNamespace(SchemaInstanceNamespace, QStringLiteral("xsi"));
        m_xml.writeStartElement(OalNamespace, QStringLiteral("observations"));
        m_xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
        m_xml.writeAttribute(SchemaInstanceNamespace, QStringLiteral("schemaLocation"), OalNamespace + QStringLiteral(" oal21.xsd"));
        writeObservers();
        writeSites(parts.sites);
        writeSessions(parts.sessions);
        writeTargets(parts.targets, catalog);
        writeScopes(parts.scopes);
        // The schema wants every container, used or not.
        for (const char *container : {"eyepieces", "lenses", "filters", "imagers"})
            m_xml.writeEmptyElement(QString::fromLatin1(container));
        for (qsizetype index = 0; index < observations.size(); ++index)
            writeObservation(observations.at(index), parts.references.at(index));
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    }

private:
    void startElement(const QString &name, const QString &id, const QString &type = {})
    {
        m_xml.writeStartElement(name);
        m_xml.writeAttribute(QStringLiteral("id"), id);
        if (!type.isEmpty())
            m_xml.writeAttribute(SchemaInstanceNamespace, QStringLiteral("type"), type);
    }

    // A carriage return is written as a character reference: left as it is, XML would read it as a
    // line end, and the line ends of the file would double it.
    void writeText(const QString &name, const QString &text)
    {
        m_xml.writeStartElement(name);
        const QStringList pieces = text.split(u'\r');
        for (qsizetype index = 0; index < pieces.size(); ++index) {
            if (index > 0)
                m_xml.writeEntityReference(QStringLiteral("#13"));
            m_xml.writeCharacters(pieces.at(index));
        }
        m_xml.writeEndElement();
    }

    void writeMeasure(const QString &name, const QString &unitName, const QString &unit, double value)
    {
        m_xml.writeStartElement(name);
        m_xml.writeAttribute(unitName, unit);
        m_xml.writeCharacters(number(value));
        m_xml.writeEndElement();
    }

    void writeAngle(const QString &name, double value, const QString &unit)
    {
        writeMeasure(name, QStringLiteral("unit"), unit, value);
    }

    void writeObservers()
    {
        m_xml.writeStartElement(QStringLiteral("observers"));
        startElement(QStringLiteral("observer"), idOf(QStringLiteral("observer"), 0));
        writeText(QStringLiteral("name"), ObserverName);
        writeText(QStringLiteral("surname"), ObserverSurname);
        m_xml.writeEndElement();
        m_xml.writeEndElement();
    }

    void writeSites(const QList<Site> &sites)
    {
        m_xml.writeStartElement(QStringLiteral("sites"));
        for (qsizetype index = 0; index < sites.size(); ++index) {
            const Site &site = sites.at(index);
            startElement(QStringLiteral("site"), idOf(QStringLiteral("site"), int(index)));
            writeText(QStringLiteral("name"), QStringLiteral("%1, %2").arg(site.latDeg, 0, 'f', 4).arg(site.lonDeg, 0, 'f', 4));
            writeAngle(QStringLiteral("longitude"), site.lonDeg, QStringLiteral("deg"));
            writeAngle(QStringLiteral("latitude"), site.latDeg, QStringLiteral("deg"));
            writeText(QStringLiteral("timezone"), QString::number(site.utcOffsetSeconds / 60));
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    void writeSessions(const QList<Session> &sessions)
    {
        m_xml.writeStartElement(QStringLiteral("sessions"));
        for (qsizetype index = 0; index < sessions.size(); ++index) {
            const Session &session = sessions.at(index);
            startElement(QStringLiteral("session"), idOf(QStringLiteral("session"), int(index)));
            writeText(QStringLiteral("begin"), xsdDateTime(session.begin));
            writeText(QStringLiteral("end"), xsdDateTime(session.end));
            writeText(QStringLiteral("site"), idOf(QStringLiteral("site"), session.site));
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    // An object the catalog no longer holds keeps its name alone.
    void writeTargets(const QStringList &identifiers, const Catalog &catalog)
    {
        const QHash<QString, const CatalogObject *> objects = catalogObjects(identifiers, catalog);
        m_xml.writeStartElement(QStringLiteral("targets"));
        for (qsizetype index = 0; index < identifiers.size(); ++index) {
            const CatalogObject *object = objects.value(identifiers.at(index));
            startElement(QStringLiteral("target"), idOf(QStringLiteral("target"), int(index)),
                         object ? targetType(object->typeText) : OtherTargetType);
            writeText(QStringLiteral("datasource"), TargetSource);
            writeText(QStringLiteral("name"), identifiers.at(index));
            if (object)
                writeCatalogEntry(*object);
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    void writeCatalogEntry(const CatalogObject &object)
    {
        QStringList aliases = commonNames(object);
        if (const QString messier = messierDesignation(object); !messier.isEmpty())
            aliases.prepend(messier);
        for (const QString &alias : aliases)
            writeText(QStringLiteral("alias"), alias);
        constexpr double radiansPerDegree = std::numbers::pi / 180.0;
        m_xml.writeStartElement(QStringLiteral("position"));
        writeAngle(QStringLiteral("ra"), object.raDeg * radiansPerDegree, QStringLiteral("rad"));
        writeAngle(QStringLiteral("dec"), object.decDeg * radiansPerDegree, QStringLiteral("rad"));
        m_xml.writeEndElement();
        if (!object.constellation.isEmpty())
            writeText(QStringLiteral("constellation"), object.constellation);
    }

    void writeScopes(const QList<Scope> &scopes)
    {
        m_xml.writeStartElement(QStringLiteral("scopes"));
        for (qsizetype index = 0; index < scopes.size(); ++index) {
            const Scope &scope = scopes.at(index);
            startElement(QStringLiteral("scope"), idOf(QStringLiteral("scope"), int(index)),
                         QStringLiteral("oal:fixedMagnificationOpticsType"));
            writeText(QStringLiteral("model"),
                      QStringLiteral("%1 mm telescope at %2x").arg(number(scope.apertureMm), number(scope.magnification)));
            writeText(QStringLiteral("aperture"), number(scope.apertureMm));
            writeText(QStringLiteral("magnification"), number(scope.magnification));
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    // The elements in the order of the schema's observationType sequence.
    void writeObservation(const Observation &observation, const References &references)
    {
        m_xml.writeStartElement(QStringLiteral("observation"));
        writeText(QStringLiteral("observer"), idOf(QStringLiteral("observer"), 0));
        writeText(QStringLiteral("site"), idOf(QStringLiteral("site"), references.site));
        writeText(QStringLiteral("session"), idOf(QStringLiteral("session"), references.session));
        writeText(QStringLiteral("target"), idOf(QStringLiteral("target"), references.target));
        writeText(QStringLiteral("begin"), xsdDateTime(observation.localTime));
        if (const std::optional<double> sky = observation.skyMagPerArcsec2) {
            // The naked-eye limit for the programs that know the sky only by it; the reading as it is.
            writeText(QStringLiteral("faintestStar"), QString::number(nakedEyeLimitFromSqm(*sky), 'f', 2));
            writeMeasure(QStringLiteral("sky-quality"), QStringLiteral("unit"), QStringLiteral("mags-per-squarearcsec"), *sky);
        }
        if (observation.seeing)
            writeText(QStringLiteral("seeing"), QString::number(*observation.seeing));
        if (references.scope)
            writeText(QStringLiteral("scope"), idOf(QStringLiteral("scope"), *references.scope));
        if (observation.magnification)
            writeText(QStringLiteral("magnification"), number(*observation.magnification));
        m_xml.writeStartElement(QStringLiteral("result"));
        m_xml.writeAttribute(SchemaInstanceNamespace, QStringLiteral("type"), QStringLiteral("oal:findingsDeepSkyType"));
        m_xml.writeAttribute(QStringLiteral("lang"), QStringLiteral("en"));
        writeText(QStringLiteral("description"), observation.notes);
        writeText(QStringLiteral("rating"), QString::number(ratingOf(observation.verdict)));
        m_xml.writeEndElement();
        m_xml.writeEndElement();
    }

    QXmlStreamWriter m_xml;
};

// An element with its attributes, its text and the elements within it: as much of XML as OAL
// uses. Names are without their namespace: OAL's elements below the root have none.
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

QByteArray oalDocument(const QList<Observation> &observations, const Catalog &catalog)
{
    QByteArray document;
    OalWriter(document).write(observations, catalog);
    // Every file the program writes ends its lines in CR LF; a line end within a note is read back
    // as the LF it was, as XML reads every line end.
    return document.replace("\n", "\r\n");
}

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
