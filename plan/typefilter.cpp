#include "plan/typefilter.h"

namespace {

constexpr int Checked = 1;

}  // namespace

TypeFilter typeFilterFromCheckStates(int nebula, int planetary, int galaxy, int globular, int open)
{
    return TypeFilter{nebula == Checked, planetary == Checked, galaxy == Checked,
                      globular == Checked, open == Checked};
}

bool passesTypeFilter(QStringView objType, const TypeFilter &filter)
{
    const bool isPlanetary = objType.contains(u"planetary");
    return (filter.nebula && objType.contains(u"nebula") && !isPlanetary)
           || (filter.planetary && isPlanetary)
           || (filter.galaxy && objType.contains(u"galaxy"))
           || (filter.globular && objType.contains(u"globular"))
           || (filter.open && objType.contains(u"open"));
}
