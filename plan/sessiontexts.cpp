#include "plan/sessiontexts.h"

SessionTexts::SessionTexts()
{
    for (const SessionFieldSpec &spec : SessionFields)
        (*this)[spec.field] = QString::fromUtf16(spec.firstValue);
    typeBoxes.fill(BoxState::Checked);
}
