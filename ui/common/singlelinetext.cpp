#include "ui/common/singlelinetext.h"

#include <QLineEdit>

#include <algorithm>

namespace {

bool isBreakOrTab(QChar c)
{
    return c == u'\r' || c == u'\n' || c == u'\t';
}

}  // namespace

QString withoutLineBreaksOrTabs(const QString &text)
{
    if (!std::any_of(text.begin(), text.end(), isBreakOrTab))
        return text;
    QString cleaned = text;
    for (QChar &c : cleaned) {
        if (isBreakOrTab(c))
            c = u' ';
    }
    return cleaned;
}

bool holdsLineBreak(const QString &text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

void keepOnOneLine(QLineEdit *field)
{
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString &text) {
        const QString cleaned = withoutLineBreaksOrTabs(text);
        if (cleaned == text)
            return;
        const int cursor = field->cursorPosition();
        field->setText(cleaned);
        field->setCursorPosition(cursor);
    });
}
