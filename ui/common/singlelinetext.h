#pragma once

#include <QString>

class QLineEdit;

// Texts that go into one line of a file (the defaults file, a results cell) can hold neither a
// line break nor a tab: each becomes a blank, also when typed or pasted into a field.
QString withoutLineBreaksOrTabs(const QString &text);
bool holdsLineBreak(const QString &text);

// Keeps the field's text free of line breaks and tabs as the observer types or pastes.
void keepOnOneLine(QLineEdit *field);
