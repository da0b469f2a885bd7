#include "plan/problem.h"

QString problemText(const Problem &problem)
{
    if (problem.file.isEmpty())
        return problem.what;
    if (problem.line == 0)
        return QStringLiteral("%1: %2").arg(problem.file, problem.what);
    return QStringLiteral("%1, line %2: %3").arg(problem.file, QString::number(problem.line), problem.what);
}
