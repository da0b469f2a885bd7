#include "formats/csvlistreader.h"

#include "formats/textfile.h"

#include <algorithm>
#include <array>

namespace {

// The columns that name an object, in the order they are tried.
const std::array<QStringView, 4> NameColumns{u"Identifier", u"Designation", u"Object", u"Name"};
const std::array<QChar, 3> Separators{u',', u';', u'\t'};

struct CsvRow {
    QStringList fields;
    int line = 0;  // the line the row starts on
};

// RFC 4180 rows, read one after another; a quote left open runs to the end of the text.
class CsvRows {
public:
    CsvRows(QStringView text, QChar separator) : m_text(text), m_separator(separator) {}
    bool atEnd() const { return m_at >= m_text.size(); }
    CsvRow next();

private:
    // Past a line end (CR LF, CR or LF) at m_at, counting it.
    void skipLineEnd();

    QStringView m_text;
    QChar m_separator;
    qsizetype m_at = 0;
    int m_line = 1;
};

void CsvRows::skipLineEnd()
{
    if (m_text[m_at] == u'\r' && m_at + 1 < m_text.size() && m_text[m_at + 1] == u'\n')
        ++m_at;
    ++m_at;
    ++m_line;
}

CsvRow CsvRows::next()
{
    CsvRow row{{QString()}, m_line};
    bool quoted = false;
    while (m_at < m_text.size()) {
        const QChar c = m_text[m_at];
        if (quoted && c == u'"' && m_at + 1 < m_text.size() && m_text[m_at + 1] == u'"') {
            row.fields.back() += c;
            m_at += 2;
        } else if (c == u'"') {
            quoted = !quoted;
            ++m_at;
        } else if (!quoted && c == m_separator) {
            row.fields << QString();
            ++m_at;
        } else if (c == u'\r' || c == u'\n') {
            if (quoted)
                row.fields.back() += u'\n';
            skipLineEnd();
            if (!quoted)
                break;
        } else {
            row.fields.back() += c;
            ++m_at;
        }
    }
    return row;
}

// Where each name column is in the header, in the order of NameColumns; empty when it names none.
QList<qsizetype> nameColumnsOf(const QStringList &header)
{
    QList<qsizetype> columns;
    for (const QStringView name : NameColumns) {
        for (qsizetype at = 0; at < header.size(); ++at) {
            if (header[at].trimmed().compare(name, Qt::CaseInsensitive) == 0)
                columns << at;
        }
    }
    return columns;
}

// The separator under which the first row is a header with a name column, and its columns.
std::pair<QChar, QStringList> headerOf(QStringView text)
{
    for (const QChar separator : Separators) {
        const QStringList header = CsvRows(text, separator).next().fields;
        if (!nameColumnsOf(header).isEmpty())
            return {separator, header};
    }
    return {};
}

QStringList rowNames(const QStringList &fields, const QList<qsizetype> &nameColumns)
{
    QStringList names;
    for (const qsizetype column : nameColumns) {
        const QString name = fields.value(column).trimmed();
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    }
    return names;
}

bool isBlank(const QStringList &fields)
{
    return std::ranges::all_of(fields, [](const QString &field) { return field.trimmed().isEmpty(); });
}

}  // namespace

bool hasCsvListHeader(QStringView text)
{
    return headerOf(text).second.size() > 1;
}

Result<ImportedList> readCsvList(QStringView text)
{
    const auto [separator, header] = headerOf(text);
    if (header.isEmpty())
        return Problem::onLine(1, QStringLiteral("the first line names no column Name, Identifier, Designation or Object"));
    const QList<qsizetype> nameColumns = nameColumnsOf(header);
    ImportedList list;
    CsvRows rows(text, separator);
    rows.next();
    while (!rows.atEnd()) {
        const CsvRow row = rows.next();
        if (!isBlank(row.fields))
            list.entries.append({rowNames(row.fields, nameColumns), row.line});
    }
    return list;
}
