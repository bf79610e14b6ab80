#pragma once

#include <QString>

// A text counts as set when it sorts above a single blank: empty text, a
// blank and text starting with a control character do not. File names,
// program paths, captions and settings values are all tested this way.
inline bool IsSet(const QString& text)
{
    return QString::compare(text, QStringLiteral(" "), Qt::CaseSensitive) > 0;
}
