#include "plan/objectnameindex.h"

#include <QStringList>

namespace {

// Charles Messier's catalog as observers use it: 110 objects.
constexpr int LastMessierNumber = 110;

// The first of two objects with one name keeps it, as the catalog lists them.
template <typename Key>
void insertFirst(QHash<Key, int> &index, const Key &key, int at)
{
    if (!index.contains(key))
        index.insert(key, at);
}

}  // namespace

int catalogMessierNumber(QStringView field)
{
    const QStringView name = field.trimmed();
    return name.isEmpty() ? 0 : messierNumber(name.front().isDigit() ? u'M' + name.toString() : name.toString());
}

QString messierDesignation(const CatalogObject &object)
{
    const int number = catalogMessierNumber(object.messier);
    return number == 0 ? QString() : QStringLiteral("M %1").arg(number);
}

QString identifierKey(QStringView name)
{
    QString key;
    key.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c.isSpace())
            continue;
        const QChar previous = key.isEmpty() ? QChar() : key.back();
        const bool startsNumber = !previous.isDigit();
        if (c == u'-' && previous.isLetter() && i + 1 < name.size() && name[i + 1].isDigit())
            continue;  // "NGC-224"
        if (c == u'0' && startsNumber && i + 1 < name.size() && name[i + 1].isDigit())
            continue;  // a leading zero: the next digit starts the number
        key += c.toUpper();
    }
    return key;
}

int messierNumber(QStringView name)
{
    const QString key = identifierKey(name);
    QStringView digits = key;
    if (digits.startsWith(u"MESSIER"))
        digits = digits.sliced(7);
    else if (digits.startsWith(u'M'))
        digits = digits.sliced(1);
    else
        return 0;
    bool isNumber = false;
    const int number = digits.toInt(&isNumber);
    return isNumber && !digits.startsWith(u'+') && number >= 1 && number <= LastMessierNumber ? number : 0;
}

QString commonNameKey(QStringView name)
{
    QString key;
    key.reserve(name.size());
    for (const QChar c : name) {
        if (c.isLetterOrNumber())
            key += c.toCaseFolded();
    }
    return key;
}

ObjectNameIndex::ObjectNameIndex(Catalog catalog) : m_catalog(std::move(catalog))
{
    const auto objects = m_catalog.objects();
    m_byIdentifier.reserve(qsizetype(objects.size()));
    for (int at = 0; at < int(objects.size()); ++at) {
        const CatalogObject &object = objects[at];
        insertFirst(m_byIdentifier, identifierKey(object.identifier), at);
        if (const int number = catalogMessierNumber(object.messier); number != 0)
            insertFirst(m_byMessier, number, at);
        for (const QString &name : commonNames(object))
            insertFirst(m_byCommonName, commonNameKey(name), at);
    }
}

const CatalogObject *ObjectNameIndex::objectAt(const QHash<QString, int> &index, const QString &key) const
{
    const auto found = index.constFind(key);
    return found == index.constEnd() ? nullptr : &m_catalog.objects()[*found];
}

ObjectNameIndex::Found ObjectNameIndex::find(QStringView name) const
{
    if (name.trimmed().isEmpty())
        return {nullptr, QStringLiteral("the entry names no object")};
    if (const CatalogObject *object = objectAt(m_byIdentifier, identifierKey(name)))
        return {object, {}};
    if (const int number = messierNumber(name); number != 0) {
        const auto found = m_byMessier.constFind(number);
        if (found == m_byMessier.constEnd())
            return {nullptr, QStringLiteral("the catalog has no Messier %1").arg(number)};
        return {&m_catalog.objects()[*found], {}};
    }
    if (const CatalogObject *object = objectAt(m_byCommonName, commonNameKey(name)))
        return {object, {}};
    return {nullptr, QStringLiteral("no object of the catalog has this name")};
}
