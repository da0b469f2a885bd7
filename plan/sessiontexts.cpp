#include "plan/sessiontexts.h"

SessionTexts::SessionTexts()
{
    for (const SessionFieldEntry &entry : SessionFields)
        (*this)[entry.field] = QString::fromUtf16(entry.firstValue);
    typeBoxes.fill(BoxState::Checked);
}
