#include "ui/log/observationform.h"

#include "ui/common/windowlook.h"
#include "ui/log/observationtexts.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <cmath>

namespace {

// A spin box whose lowest value stands for "not noted", so that an optional number can be left out.
QDoubleSpinBox *optionalNumberBox(std::optional<double> value, double maximum, int decimals)
{
    auto *box = new QDoubleSpinBox;
    box->setRange(0.0, maximum);
    box->setDecimals(decimals);
    box->setSpecialValueText(NotNoted);
    box->setValue(value.value_or(0.0));
    return box;
}

std::optional<double> optionalNumber(const QDoubleSpinBox *box)
{
    return box->value() == box->minimum() ? std::nullopt : std::optional(box->value());
}

QDoubleSpinBox *numberBox(double value, double limit, int decimals)
{
    auto *box = new QDoubleSpinBox;
    box->setRange(-limit, limit);
    box->setDecimals(decimals);
    box->setValue(value);
    return box;
}

}  // namespace

ObservationForm::ObservationForm(const Observation &draft, QWidget *parent)
    : QWidget(parent, Qt::Dialog)
    , m_draft(draft)
{
    setWindowTitle(QStringLiteral("Mark Observed"));
    setFont(windowFont());
    createControls();
}

void ObservationForm::createControls()
{
    // The wall time as the observer's clock shows it, held as UTC so that no zone of this computer
    // moves it; its offset is the field below.
    m_localTime = new QDateTimeEdit(QDateTime(m_draft.localTime.date(), m_draft.localTime.time(), Qt::UTC));
    m_localTime->setTimeSpec(Qt::UTC);
    m_localTime->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    m_gmtDeviation = numberBox(m_draft.localTime.offsetFromUtc() / 3600.0, 14.0, 2);
    m_latitude = numberBox(m_draft.latDeg, 90.0, 4);
    m_longitude = numberBox(m_draft.lonDeg, 180.0, 4);
    m_aperture = optionalNumberBox(m_draft.apertureMm, 2000.0, 0);
    m_magnification = optionalNumberBox(m_draft.magnification, 2000.0, 0);
    m_sky = optionalNumberBox(m_draft.skyMagPerArcsec2, 22.5, 2);
    m_seeing = new QComboBox;
    for (const QString &seeing : seeingTexts())
        m_seeing->addItem(seeing);
    m_seeing->setCurrentIndex(m_draft.seeing.value_or(0));
    m_verdict = new QComboBox;
    for (const ObservationVerdictEntry &entry : ObservationVerdicts)
        m_verdict->addItem(QString::fromUtf16(entry.text));
    m_verdict->setCurrentIndex(int(m_draft.verdict));
    m_notes = new QPlainTextEdit(m_draft.notes);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Object"), new QLabel(m_draft.objectIdentifier));
    form->addRow(QStringLiteral("Local date and time"), m_localTime);
    form->addRow(QStringLiteral("GMT deviation (hours)"), m_gmtDeviation);
    form->addRow(QStringLiteral("Latitude (deg)"), m_latitude);
    form->addRow(QStringLiteral("Longitude (deg, east positive)"), m_longitude);
    form->addRow(QStringLiteral("Aperture (mm)"), m_aperture);
    form->addRow(QStringLiteral("Magnification (\u00d7)"), m_magnification);
    form->addRow(QStringLiteral("Sky (SQM, mag/arcsec\u00b2)"), m_sky);
    form->addRow(QStringLiteral("Seeing"), m_seeing);
    form->addRow(QStringLiteral("Verdict"), m_verdict);
    form->addRow(QStringLiteral("Notes"), m_notes);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        emit recorded(observation());
        close();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

Observation ObservationForm::observation() const
{
    Observation observation = m_draft;
    const QDateTime wallTime = m_localTime->dateTime();
    const int offsetSeconds = int(std::lround(m_gmtDeviation->value() * 3600.0));
    observation.localTime = QDateTime(wallTime.date(), wallTime.time(), Qt::OffsetFromUTC, offsetSeconds);
    observation.latDeg = m_latitude->value();
    observation.lonDeg = m_longitude->value();
    observation.apertureMm = optionalNumber(m_aperture);
    observation.magnification = optionalNumber(m_magnification);
    observation.skyMagPerArcsec2 = optionalNumber(m_sky);
    observation.seeing = m_seeing->currentIndex() == 0 ? std::nullopt : std::optional(m_seeing->currentIndex());
    observation.verdict = ObservationVerdicts[std::size_t(m_verdict->currentIndex())].verdict;
    observation.notes = m_notes->toPlainText();
    return observation;
}
