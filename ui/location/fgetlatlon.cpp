#include "ui/location/fgetlatlon.h"

#include "ui/common/singlelinetext.h"
#include "ui/common/twips.h"
#include "ui/common/windowlook.h"
#include "ui/grid/flexgrid.h"
#include "ui/location/locationowner.h"
#include "ui/platform/messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace {

const QSize ClientAreaTwips(6300, 3975);
const QRect CityGridTwips(0, 0, 3735, 3855);

// City, then latitude and longitude right-aligned; the trailing blanks widen the columns.
const QString CityGridLayout =
    QStringLiteral("<City                                    |>Lat        |>Lon         ");

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

fgetlatlon::fgetlatlon(LocationOwner &owner, Messages &messages, const QString &citiesPath, QWidget *parent)
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
    resize(minimumSize());
    Form_Load(citiesPath);
}

// In the order of the tab chain. Each label comes before the field below it, so that the field
// covers the part of the label's box that reaches down to it.
void fgetlatlon::createControls()
{
    gCities = new FlexGrid(this);
    gCities->setObjectName(QStringLiteral("gCities"));
    connect(gCities, &FlexGrid::DblClick, this, &fgetlatlon::gCities_DblClick);
    connect(gCities, &FlexGrid::EnterPressed, this, &fgetlatlon::takeCurrentCity);

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

    Label1[2] = addLabel(QStringLiteral("Latitude (xx.xxxx pos=N)"), QRect(3840, 240, 1815, 375));
    Lat = addField("Lat", QRect(3840, 480, 735, 285));
    Label1[1] = addLabel(QStringLiteral("Longitude (xxx.xxx, pos=E)"), QRect(3840, 960, 1935, 375));
    Lon = addField("Lon", QRect(3840, 1200, 735, 285));
    Label1[0] = addLabel(QStringLiteral("Double Click on your city or enter values by hand.  Click Update"),
                         QRect(3840, 1680, 2415, 375));
    Label1[0]->setWordWrap(true);
    for (QLabel *label : Label1)
        growLabelToText(*label);

    Command2 = addButton("Command2", QStringLiteral("Update"), QRect(3960, 2520, 855, 375));
    connect(Command2, &QPushButton::clicked, this, &fgetlatlon::Command2_Click);
    Command1 = addButton("Command1", QStringLiteral("Cancel"), QRect(3960, 3000, 855, 375));
    connect(Command1, &QPushButton::clicked, this, &fgetlatlon::Command1_Click);

    for (QWidget *control : {static_cast<QWidget *>(Label1[2]), static_cast<QWidget *>(Lat),
                             static_cast<QWidget *>(Label1[1]), static_cast<QWidget *>(Lon),
                             static_cast<QWidget *>(Label1[0]), static_cast<QWidget *>(Command2),
                             static_cast<QWidget *>(Command1)})
        m_rightPanel.append({control, control->geometry()});
}

// The table takes what the window gains; the fields and buttons keep their distance from the
// right edge.
void fgetlatlon::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const QSize designPx = twipsToPixels(ClientAreaTwips);
    const QSize grownPx = size() - designPx;
    const QRect gridPx = twipsToPixels(CityGridTwips);
    gCities->setGeometry(gridPx.adjusted(0, 0, grownPx.width(), grownPx.height()));
    for (const auto &[control, designGeometry] : std::as_const(m_rightPanel))
        control->move(designGeometry.topLeft() + QPoint(grownPx.width(), 0));
}

// The fields start with the location in use, whatever the table holds.
void fgetlatlon::Form_Load(const QString &citiesPath)
{
    Lat->setText(m_owner.latitudeCaption());
    Lon->setText(m_owner.longitudeCaption());
    loadCities(citiesPath);
}

void fgetlatlon::loadCities(const QString &citiesPath)
{
    CityRows cities = readCityRows(citiesPath);
    {
        FlexGrid::UpdateBatch batch(*gCities);
        gCities->Clear();
        gCities->setRows(1);
        gCities->setFormatString(CityGridLayout);
        gCities->appendRows(std::move(cities.rows));
    }
    if (!cities.ok())
        m_messages.showMessage(ApplicationTitle, cities.problem);
}

// Only a double click on a city's cells counts, which the grid has made the current row. On the
// headings the current row is the heading row; below the last city or right of the last column
// it is still whatever was clicked before.
void fgetlatlon::gCities_DblClick()
{
    if (gCities->MouseRow() < 1 || gCities->MouseCol() < 0)
        return;
    takeCurrentCity();
}

void fgetlatlon::takeCurrentCity()
{
    Lat->setText(gCities->TextMatrix(gCities->Row(), 1));
    Lon->setText(gCities->TextMatrix(gCities->Row(), 2));
}

// The texts go over as they are: turning them into numbers is the business of list generation.
void fgetlatlon::Command2_Click()
{
    m_owner.setLocationCaptions(Lat->text(), Lon->text());
    m_owner.bGenList_Click();
    close();
}

void fgetlatlon::Command1_Click()
{
    close();
}
