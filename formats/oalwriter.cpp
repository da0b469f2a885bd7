#include "formats/oalfile.h"

#include "formats/oalvocabulary.h"
#include "sky/skyqualityestimate.h"

#include <QHash>
#include <QXmlStreamWriter>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

using namespace oal;

namespace {

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

int ratingOf(ObservationVerdict verdict)
{
    return std::ranges::find(Ratings, verdict, &RatingRange::verdict)->written;
}

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
}  // namespace

QByteArray oalDocument(const QList<Observation> &observations, const Catalog &catalog)
{
    QByteArray document;
    OalWriter(document).write(observations, catalog);
    // Every file the program writes ends its lines in CR LF; a line end within a note is read back
    // as the LF it was, as XML reads every line end.
    return document.replace("\n", "\r\n");
}
