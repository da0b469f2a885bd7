#include "plan/objecttype.h"

ObjectTypeSet objectTypesNamed(QStringView typeText)
{
    ObjectTypeSet types;
    for (const ObjectTypeSpec &spec : ObjectTypes)
        types.set(spec.type, typeText.contains(QStringView(spec.catalogWord)));
    if (types.contains(ObjectType::PlanetaryNebula))
        types.set(ObjectType::Nebula, false);
    return types;
}

QString objectTypeCaption(ObjectType type)
{
    return QString::fromUtf16(ObjectTypes[int(type)].caption);
}
