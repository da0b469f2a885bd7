#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

// The kinds of object the observer can list or leave out, in the order the defaults file keeps
// their boxes.
enum class ObjectType { Nebula, PlanetaryNebula, Galaxy, GlobularCluster, OpenCluster };
inline constexpr int ObjectTypeCount = 5;

struct ObjectTypeEntry {
    ObjectType type;
    const char16_t *catalogWord;  // found anywhere in the catalog's lower-case type text
    const char16_t *caption;      // the filter's check box
};

inline constexpr std::array<ObjectTypeEntry, ObjectTypeCount> ObjectTypes = {{
    {ObjectType::Nebula, u"nebula", u"Nebula"},
    {ObjectType::PlanetaryNebula, u"planetary", u"Planetary Nebula"},
    {ObjectType::Galaxy, u"galaxy", u"Galaxy"},
    {ObjectType::GlobularCluster, u"globular", u"Globular Cluster"},
    {ObjectType::OpenCluster, u"open", u"Open Cluster"},
}};

// A set of object types, one bit each.
class ObjectTypeSet {
public:
    constexpr ObjectTypeSet() = default;
    static constexpr ObjectTypeSet all() { return ObjectTypeSet((1u << ObjectTypeCount) - 1); }

    constexpr bool contains(ObjectType type) const { return m_bits & bit(type); }
    constexpr void set(ObjectType type, bool on) { m_bits = on ? m_bits | bit(type) : m_bits & ~bit(type); }
    constexpr bool intersects(ObjectTypeSet other) const { return m_bits & other.m_bits; }

    friend constexpr bool operator==(ObjectTypeSet, ObjectTypeSet) = default;

private:
    constexpr explicit ObjectTypeSet(std::uint8_t bits) : m_bits(bits) {}
    static constexpr std::uint8_t bit(ObjectType type) { return std::uint8_t(1u << int(type)); }

    std::uint8_t m_bits = 0;
};

// The types a catalog type text names: each type whose word occurs in it, except that a
// planetary nebula is not also a nebula, having a box of its own.
ObjectTypeSet objectTypesNamed(QStringView typeText);

QString objectTypeCaption(ObjectType type);
