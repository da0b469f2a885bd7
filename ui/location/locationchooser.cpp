#include "ui/location/locationchooser.h"

#include "ui/common/singlelinetext.h"
#include "ui/common/twips.h"
#include "ui/common/windowlook.h"
#include "ui/common/texttable.h"
#include "ui/location/citytablemodel.h"
#include "ui/location/locationowner.h"
#include "ui/platform/messages.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

#include <algorithm>

namespace {

const QSize ClientAreaTwips(6300, 3975);
const QRect CityTableTwips(0, 0, 3735, 3855);

// The boxes were sized for MS Sans Serif. A wider stand-in face would cut the captions short
// and hide the sign of a longitude, so the controls grow to their texts, keeping their top left
// corner: the window has room right of the fields and labels and below the instructions.
void growLabelToText(QLabel &label)
{
    QRect box = label.geometry();
    if (label.wordWrap())
        box.setHeight(std::max(box.height(), label.heightForWidth(box.width())));
    else
        box.setWidth(std::max(box.width(), label.sizeHint().width()));
    label.setGeometry(box);
}

void growFieldToCoordinate(QLineEdit &field)
{
    const QString widestCoordinate = QStringLiteral("-000.0000");
    // The frame and the two pixels a line edit keeps free on either side of its text.
    const int paddingPx = 2 * (field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2);
    const int neededPx = field.fontMetrics().horizontalAdvance(widestCoordinate) + paddingPx;
    field.resize(std::max(field.width(), neededPx), field.height());
}

}  // namespace

LocationChooser::LocationChooser(LocationOwner &owner, Messages &messages, const QString &citiesPath,
                                 QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_owner(owner)
    , m_messages(messages)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Set Location"));
    setFont(windowFont());
    createControls();
    // The design size is the smallest: below it the controls beside the table would overlap it.
    setMinimumSize(twipsToPixels(ClientAreaTwips));
    // The fields start with the location in use, whatever the table holds.
    m_latitudeField->setText(m_owner.latitudeCaption());
    m_longitudeField->setText(m_owner.longitudeCaption());
    showCities(citiesPath);
    // It opens wide enough for every column of the cities beside the scroll bar.
    const int missingPx = widthForAllColumnsPx(*m_cityTable) - twipsToPixels(CityTableTwips).width();
    resize(minimumSize() + QSize(std::max(missingPx, 0), 0));
}

// In the order of the tab chain. Each label comes before the field below it, so that the field
// covers the part of the label's box that reaches down to it.
void LocationChooser::createControls()
{
    // The headings only label the columns: the cities stay in the file's order, one picked at a time.
    m_cityTable = new QTableView(this);
    setUpTextTable(*m_cityTable);
    m_cityTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_cityTable->horizontalHeader()->setSectionsClickable(false);
    m_cityTable->setObjectName(QStringLiteral("cityTable"));
    // Double click and Enter alike, as the platform activates an item.
    connect(m_cityTable, &QAbstractItemView::activated, this, &LocationChooser::takeCurrentCity);

    const auto addLabel = [this](const QString &text, const QRect &twips) {
        auto *label = new QLabel(text, this);
        label->setGeometry(twipsToPixels(twips));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    const auto addField = [this](const char *name, const QRect &twips) {
        auto *field = new QLineEdit(this);
        field->setObjectName(QLatin1String(name));
        field->setGeometry(twipsToPixels(twips));
        keepOnOneLine(field);
        growFieldToCoordinate(*field);
        return field;
    };
    const auto addButton = [this](const char *name, const QString &caption, const QRect &twips) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(twipsToPixels(twips));
        return button;
    };

    auto *latitudeLabel = addLabel(QStringLiteral("Latitude (xx.xxxx pos=N)"), QRect(3840, 240, 1815, 375));
    m_latitudeField = addField("latitudeField", QRect(3840, 480, 735, 285));
    auto *longitudeLabel = addLabel(QStringLiteral("Longitude (xxx.xxx, pos=E)"), QRect(3840, 960, 1935, 375));
    m_longitudeField = addField("longitudeField", QRect(3840, 1200, 735, 285));
    // A place typed by hand is no longer the city's, whose zone it may not share.
    for (QLineEdit *field : {m_latitudeField, m_longitudeField})
        connect(field, &QLineEdit::textEdited, this, [this] { m_chosenZone.reset(); });
    auto *instructions = addLabel(QStringLiteral("Double Click on your city or enter values by hand.  Click Update"),
                                  QRect(3840, 1680, 2415, 375));
    instructions->setWordWrap(true);
    for (QLabel *label : {latitudeLabel, longitudeLabel, instructions})
        growLabelToText(*label);

    auto *updateButton = addButton("updateButton", QStringLiteral("Update"), QRect(3960, 2520, 855, 375));
    connect(updateButton, &QPushButton::clicked, this, &LocationChooser::applyLocation);
    auto *cancelButton = addButton("cancelButton", QStringLiteral("Cancel"), QRect(3960, 3000, 855, 375));
    connect(cancelButton, &QPushButton::clicked, this, &QWidget::close);

    const QList<QWidget *> besideTable = {latitudeLabel, m_latitudeField, longitudeLabel, m_longitudeField,
                                          instructions, updateButton, cancelButton};
    for (QWidget *control : besideTable)
        m_besideTable.append({control, control->geometry()});
}

// The cities never change while the window is open: the columns are fitted once, to every row.
void LocationChooser::showCities(const QString &citiesPath)
{
    Result<QList<City>> read = readCitiesFile(citiesPath);
    m_cities = new CityTableModel(read.ok() ? std::move(read.value()) : QList<City>(), this);
    m_cityTable->setModel(m_cities);
    ColumnFit(*m_cityTable).fit();
    if (!read.ok())
        m_messages.showWarning(ApplicationTitle, problemText(read.problem()));
}

// The table grows with the window; the fields and buttons keep their distance from the right edge.
void LocationChooser::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const QSize grownPx = size() - twipsToPixels(ClientAreaTwips);
    m_cityTable->setGeometry(twipsToPixels(CityTableTwips).adjusted(0, 0, grownPx.width(), grownPx.height()));
    for (const auto &[control, designGeometry] : std::as_const(m_besideTable))
        control->move(designGeometry.topLeft() + QPoint(grownPx.width(), 0));
}

void LocationChooser::takeCurrentCity()
{
    const QModelIndex current = m_cityTable->currentIndex();
    if (!current.isValid())
        return;
    const City &city = m_cities->city(current.row());
    m_latitudeField->setText(city.latitude);
    m_longitudeField->setText(city.longitude);
    m_chosenZone = city.timeZone;
}

// The texts go over as they are: turning them into numbers is the business of list generation.
void LocationChooser::applyLocation()
{
    m_owner.setLocationCaptions(m_latitudeField->text(), m_longitudeField->text());
    if (m_chosenZone)
        m_owner.setTimeZone(*m_chosenZone);
    m_owner.generateList();
    close();
}

void showLocationChooser(QPointer<LocationChooser> &chooser, LocationOwner &owner, Messages &messages,
                         QWidget *mainWindow, const QString &citiesPath)
{
    if (!chooser) {
        chooser = new LocationChooser(owner, messages, citiesPath, mainWindow);
        chooser->move(mainWindow->geometry().center() - chooser->rect().center());
        chooser->show();
        return;
    }
    chooser->setWindowState(chooser->windowState() & ~Qt::WindowMinimized);
    chooser->raise();
    chooser->activateWindow();
}
