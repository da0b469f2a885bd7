#include "formats/stellariumreader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The value under key whatever the case of its letters; undefined when there is none.
QJsonValue valueOf(const QJsonObject &object, QStringView key)
{
    for (auto at = object.begin(); at != object.end(); ++at) {
        if (at.key().compare(key, Qt::CaseInsensitive) == 0)
            return at.value();
    }
    return QJsonValue(QJsonValue::Undefined);
}

// The values of an array, or of an object keyed by ids.
QList<QJsonValue> itemsOf(const QJsonValue &value)
{
    QList<QJsonValue> items;
    if (value.isArray()) {
        for (const QJsonValue &item : value.toArray())
            items << item;
    } else if (value.isObject()) {
        for (const QJsonValue &item : value.toObject())
            items << item;
    }
    return items;
}

// The line numbers of places in the text, found one after another as the objects come.
class LineFinder {
public:
    explicit LineFinder(const QString &text) : m_text(text) {}

    // The line the quoted name is on from the last place found on; the last place's line for an
    // object without a name or whose name is not written as it is (JSON escapes in it).
    int lineOf(const QString &name)
    {
        const qsizetype found = name.isEmpty() ? -1 : m_text.indexOf(u'"' + name + u'"', m_at);
        if (found < 0)
            return m_line;
        for (; m_at < found; ++m_at) {
            const QChar c = m_text[m_at];
            if (c == u'\n' || (c == u'\r' && (m_at + 1 >= m_text.size() || m_text[m_at + 1] != u'\n')))
                ++m_line;
        }
        return m_line;
    }

private:
    const QString &m_text;
    qsizetype m_at = 0;
    int m_line = 1;
};

QStringList objectNames(const QJsonObject &object)
{
    QStringList names;
    for (const QStringView key : {u"designation", u"name", u"nameI18n"}) {
        const QString name = valueOf(object, key).toString().trimmed();
        if (!name.isEmpty() && !names.contains(name))
            names << name;
    }
    return names;
}

void appendObjects(ImportedList &list, const QJsonValue &objects, LineFinder &lines)
{
    for (const QJsonValue &item : itemsOf(objects)) {
        const QStringList names = objectNames(item.toObject());
        list.entries.append({names, lines.lineOf(names.value(0))});
    }
}

// The lists of the 2.x layout: the default one, else all of them.
QList<QJsonObject> listsToRead(const QJsonObject &root, const QJsonValue &lists)
{
    const QJsonObject byId = lists.toObject();
    const QString defaultId = valueOf(root, u"defaultListOlud").toString();
    if (!defaultId.isEmpty() && byId.contains(defaultId))
        return {byId.value(defaultId).toObject()};
    QList<QJsonObject> all;
    for (const QJsonValue &item : byId)
        all << item.toObject();
    return all;
}

int lineAtOffset(const QByteArray &bytes, qsizetype offset)
{
    return int(bytes.first(std::clamp<qsizetype>(offset, 0, bytes.size())).count('\n')) + 1;
}

}  // namespace

bool isJsonText(QStringView text)
{
    const QStringView start = text.trimmed();
    return start.startsWith(u'{') || start.startsWith(u'[');
}

Result<ImportedList> readStellariumList(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return Problem::onLine(lineAtOffset(bytes, error.offset),
                               QStringLiteral("the file is not JSON as Stellarium writes it (%1)").arg(error.errorString()));
    const QJsonObject root = document.object();
    const QJsonValue lists = valueOf(root, u"observingLists");
    const QJsonValue topObjects = valueOf(root, u"objects");
    if (!lists.isObject() && topObjects.isUndefined())
        return Problem::because(QStringLiteral("the file holds no Stellarium observing list (no \"observingLists\" or \"objects\")"));
    ImportedList list;
    LineFinder lines(text);
    if (!lists.isObject()) {
        appendObjects(list, topObjects, lines);
        return list;
    }
    for (const QJsonObject &observingList : listsToRead(root, lists)) {
        if (list.title.isEmpty())
            list.title = valueOf(observingList, u"name").toString();
        appendObjects(list, valueOf(observingList, u"objects"), lines);
    }
    return list;
}
