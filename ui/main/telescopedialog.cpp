#include "ui/main/telescopedialog.h"

#include "plan/fieldnumber.h"
#include "plan/observer.h"
#include "plan/planner.h"
#include "sky/skyqualityestimate.h"
#include "ui/common/fieldmark.h"
#include "ui/common/singlelinetext.h"
#include "ui/common/windowlook.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The unit beside each field's caption, in the fields' order.
constexpr std::array<const char16_t *, ObserverFieldCount> FieldUnits = {
    u" (SQM, mag/arcsec\u00b2)", u" (mag/airmass)", u" (mm)", u" (\u00d7, separated by blanks)"};

const QString NakedEyeLimitCaption = QStringLiteral("Naked-eye limiting magnitude");
const QString BortleClassCaption = QStringLiteral("Bortle class");

std::optional<SkyQualityEstimate> estimateFrom(const QString &kind, double value)
{
    if (kind == NakedEyeLimitCaption)
        return sqmFromNakedEyeLimit(value);
    if (value != std::round(value))
        return std::nullopt;
    return sqmFromBortleClass(int(value));
}

QString expectedEstimateInput(const QString &kind)
{
    return kind == NakedEyeLimitCaption ? QStringLiteral("Expected the faintest star's magnitude, below 7.93, such as 6.2")
                                        : QStringLiteral("Expected a Bortle class from 1 to 9, such as 4");
}

}  // namespace

TelescopeDialog::TelescopeDialog(Planner &planner, QWidget *parent)
    : QWidget(parent, Qt::Dialog)
    , m_planner(planner)
{
    setWindowTitle(QStringLiteral("Telescope and Sky"));
    setFont(windowFont());
    createControls();
}

void TelescopeDialog::createControls()
{
    auto *form = new QFormLayout;
    for (const ObserverFieldEntry &entry : ObserverFields) {
        auto *field = new QLineEdit(m_planner.observerTexts()[entry.field], this);
        field->setAccessibleName(observerFieldCaption(entry.field));
        keepOnOneLine(field);
        m_fields[std::size_t(entry.field)] = field;
        form->addRow(observerFieldCaption(entry.field) + QString::fromUtf16(FieldUnits[std::size_t(entry.field)]), field);
    }

    m_estimateKind = new QComboBox(this);
    m_estimateKind->addItems({NakedEyeLimitCaption, BortleClassCaption});
    m_estimateInput = new QLineEdit(this);
    m_estimateInput->setAccessibleName(QStringLiteral("Sky estimate"));
    keepOnOneLine(m_estimateInput);
    auto *estimateButton = new QPushButton(QStringLiteral("Set Sky Brightness"), this);
    estimateButton->setAutoDefault(false);
    connect(estimateButton, &QPushButton::clicked, this, &TelescopeDialog::estimateSkyQuality);
    auto *estimateRow = new QHBoxLayout;
    estimateRow->addWidget(m_estimateKind);
    estimateRow->addWidget(m_estimateInput);
    estimateRow->addWidget(estimateButton);
    m_estimateNote = new QLabel(this);
    m_estimateNote->setObjectName(QStringLiteral("estimateNote"));
    m_estimateNote->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TelescopeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Without a sky-quality meter:"), this));
    layout->addLayout(estimateRow);
    layout->addWidget(m_estimateNote);
    layout->addStretch();
    layout->addWidget(buttons);
    // Values the defaults file held that cannot be read are marked at once.
    for (const Problem &problem : m_planner.observerProblems())
        markUnreadable(m_fields[std::size_t(*problem.observerField)], problem.what);
}

// The reading goes into the sky-brightness field, where OK reads it as if typed.
void TelescopeDialog::estimateSkyQuality()
{
    const QString kind = m_estimateKind->currentText();
    const std::optional<double> value = readFieldNumber(m_estimateInput->text(), locale());
    const std::optional<SkyQualityEstimate> estimate = value ? estimateFrom(kind, *value) : std::nullopt;
    if (!estimate) {
        markUnreadable(m_estimateInput, expectedEstimateInput(kind));
        m_estimateNote->clear();
        return;
    }
    clearMark(m_estimateInput);
    const QString reading = locale().toString(estimate->magPerArcsec2, 'f', 2);
    m_fields[std::size_t(ObserverField::ZenithSkyBrightness)]->setText(reading);
    m_estimateNote->setText(QStringLiteral("Sky brightness %1 from the %2.")
                                .arg(reading, QString::fromUtf8(estimate->source.data(), qsizetype(estimate->source.size()))));
}

void TelescopeDialog::accept()
{
    ObserverTexts texts;
    for (const ObserverFieldEntry &entry : ObserverFields) {
        texts[entry.field] = m_fields[std::size_t(entry.field)]->text();
        clearMark(m_fields[std::size_t(entry.field)]);
    }
    const Result<SkyAndTelescope> read = readSkyAndTelescope(texts, locale());
    if (!read.ok()) {
        for (const Problem &problem : read.problems())
            markUnreadable(m_fields[std::size_t(*problem.observerField)], problem.what);
        return;
    }
    m_planner.setObserverTexts(texts);
    close();
}

void showTelescopeDialog(QPointer<TelescopeDialog> &dialog, Planner &planner, QWidget *mainWindow)
{
    if (!dialog) {
        dialog = new TelescopeDialog(planner, mainWindow);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        dialog->move(mainWindow->geometry().center() - dialog->rect().center());
        return;
    }
    dialog->setWindowState(dialog->windowState() & ~Qt::WindowMinimized);
    dialog->raise();
    dialog->activateWindow();
}
