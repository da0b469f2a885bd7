#include "plan/objecttype.h"

ObjectTypeSet objectTypesNamed(QStringView typeText)
{
    ObjectTypeSet types;
    for (const ObjectTypeEntry &entry : ObjectTypes)
        types.set(entry.type, typeText.contains(QStringView(entry.catalogWord)));
    if (types.contains(ObjectType::PlanetaryNebula))
        types.set(ObjectType::Nebula, false);
    return types;
}

QString objectTypeCaption(ObjectType type)
{
    return QString::fromUtf16(ObjectTypes[int(type)].caption);
}
