#pragma once

#include <QStringView>

// The program's files and fields are padded with blanks (spaces) only; tabs and other white
// space stay part of the text.
inline QStringView trimBlanks(QStringView text)
{
    while (text.startsWith(u' '))
        text = text.sliced(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}
