#include "ui/location/fgetlatlon.h"

#include "ui/grid/flexgrid.h"
#include "ui/location/locationowner.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace {

// The window is laid out in twips, 1/1440 inch; at 96 dots per inch 15 twips make a pixel.
constexpr int TwipsPerPixel = 15;

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
                 height / TwipsPerPixel);
}

constexpr QSize ClientAreaTwips(6300, 3975);

// City, then latitude and longitude right-aligned; the trailing blanks widen the columns.
const QString CityGridLayout =
    QStringLiteral("<City                                    |>Lat        |>Lon         ");

// The window was designed for MS Sans Serif; where it is missing the system's sans-serif
// face stands in.
QFont windowFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies({QStringLiteral("MS Sans Serif"), font.family()});
    font.setPointSizeF(8.25);
    return font;
}

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

fgetlatlon::fgetlatlon(LocationOwner &owner, const QString &citiesPath, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_owner(owner)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Set Location"));
    setFont(windowFont());
    // The controls sit at fixed places; a larger window would only add empty room.
    setFixedSize(ClientAreaTwips / TwipsPerPixel);
    createControls();
    Form_Load(citiesPath);
}

// In the order of the tab chain. Each label comes before the field below it, so that the field
// covers the part of the label's box that reaches down to it.
void fgetlatlon::createControls()
{
    gCities = new FlexGrid(this);
    gCities->setObjectName(QStringLiteral("gCities"));
    gCities->setGeometry(twipsRect(0, 0, 3735, 3855));
    connect(gCities, &FlexGrid::DblClick, this, &fgetlatlon::gCities_DblClick);

    Label1[2] = new QLabel(QStringLiteral("Latitude (xx.xxxx pos=N)"), this);
    Label1[2]->setGeometry(twipsRect(3840, 240, 1815, 375));

    Lat = new QLineEdit(this);
    Lat->setObjectName(QStringLiteral("Lat"));
    Lat->setGeometry(twipsRect(3840, 480, 735, 285));

    Label1[1] = new QLabel(QStringLiteral("Longitude (xxx.xxx, pos=E)"), this);
    Label1[1]->setGeometry(twipsRect(3840, 960, 1935, 375));

    Lon = new QLineEdit(this);
    Lon->setObjectName(QStringLiteral("Lon"));
    Lon->setGeometry(twipsRect(3840, 1200, 735, 285));

    Label1[0] = new QLabel(
        QStringLiteral("Double Click on your city or enter values by hand.  Click Update"), this);
    Label1[0]->setGeometry(twipsRect(3840, 1680, 2415, 375));

    Label1[0]->setWordWrap(true);
    for (QLabel *label : Label1) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        growLabelToText(*label);
    }
    growFieldToCoordinate(*Lat);
    growFieldToCoordinate(*Lon);

    Command2 = new QPushButton(QStringLiteral("Update"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twipsRect(3960, 2520, 855, 375));
    connect(Command2, &QPushButton::clicked, this, &fgetlatlon::Command2_Click);

    Command1 = new QPushButton(QStringLiteral("Cancel"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(3960, 3000, 855, 375));
    connect(Command1, &QPushButton::clicked, this, &fgetlatlon::Command1_Click);
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
    const QStringList rows = readCityRows(citiesPath);
    FlexGrid::UpdateBatch batch(*gCities);
    gCities->Clear();
    gCities->setRows(1);
    gCities->setFormatString(CityGridLayout);
    for (const QString &row : rows)
        gCities->AddItem(row);
}

// Only a double click on a city's cells counts, which the grid has made the current row. On the
// headings the current row is the heading row; below the last city or right of the last column
// it is still whatever was clicked before.
void fgetlatlon::gCities_DblClick()
{
    if (gCities->MouseRow() < 1 || gCities->MouseCol() < 0)
        return;
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
