#include "ui/log/observationtablemodel.h"

#include "plan/localtime.h"
#include "ui/log/observationtexts.h"

#include <array>

namespace {

enum Column { Object, LocalTime, GmtDeviation, Verdict, Seeing, Aperture, Magnification, Sky, Latitude, Longitude, Notes };

constexpr std::array<const char16_t *, Notes + 1> Headings = {
    u"Object", u"Local time", u"GMT deviation", u"Verdict", u"Seeing", u"Aperture (mm)", u"Magnification",
    u"Sky (SQM)", u"Latitude", u"Longitude", u"Notes"};

QVariant optionalValue(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant();
}

}  // namespace

ObservationTableModel::ObservationTableModel(const QLocale &locale, SaveNotes saveNotes, QObject *parent)
    : QAbstractTableModel(parent)
    , m_locale(locale)
    , m_saveNotes(std::move(saveNotes))
{
}

void ObservationTableModel::setObservations(const QList<Observation> &observations)
{
    beginResetModel();
    m_observations = observations;
    endResetModel();
}

int ObservationTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_observations.size());
}

int ObservationTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(Headings.size());
}

QVariant ObservationTableModel::cellValue(const Observation &observation, int column) const
{
    switch (column) {
    case Object: return observation.objectIdentifier;
    case LocalTime: return observation.localTime.toUTC();
    case GmtDeviation: return observation.localTime.offsetFromUtc();
    case Verdict: return int(observation.verdict);
    case Seeing: return observation.seeing ? QVariant(*observation.seeing) : QVariant();
    case Aperture: return optionalValue(observation.apertureMm);
    case Magnification: return optionalValue(observation.magnification);
    case Sky: return optionalValue(observation.skyMagPerArcsec2);
    case Latitude: return observation.latDeg;
    case Longitude: return observation.lonDeg;
    default: return observation.notes;
    }
}

QString ObservationTableModel::cellText(const Observation &observation, int column) const
{
    const QVariant value = cellValue(observation, column);
    switch (column) {
    case Object:
    case Notes: return value.toString();
    case LocalTime: return observation.localTime.toString(DateAndClockFormat);
    case GmtDeviation: return m_locale.toString(value.toInt() / 3600.0, 'g', 4);
    case Verdict: return QString::fromUtf16(observationVerdictEntry(observation.verdict).text);
    case Seeing: return seeingTexts().value(value.toInt());
    default: return value.isNull() ? NotNoted : m_locale.toString(value.toDouble(), 'f', column == Sky ? 2 : 0);
    }
}

QVariant ObservationTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Observation &observation = m_observations.at(index.row());
    switch (role) {
    case Qt::DisplayRole: return cellText(observation, index.column());
    case Qt::EditRole: return index.column() == Notes ? QVariant(observation.notes) : QVariant();
    case Qt::UserRole: return cellValue(observation, index.column());
    default: return {};
    }
}

QVariant ObservationTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf16(Headings.at(std::size_t(section)));
}

Qt::ItemFlags ObservationTableModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == Notes ? flags | Qt::ItemIsEditable : flags;
}

bool ObservationTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.column() != Notes)
        return false;
    Observation &observation = m_observations[index.row()];
    if (!m_saveNotes(observation.id, value.toString()))
        return false;
    observation.notes = value.toString();
    emit dataChanged(index, index);
    return true;
}
