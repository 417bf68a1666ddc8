#pragma once

#include "store/Cp1252.h"

#include <QString>

#include <string>
#include <string_view>

namespace windows {

// Store text (Windows-1252 bytes) to what a widget shows, and back.
inline QString toQString(std::string_view cp1252)
{
    return QString::fromStdU16String(store::cp1252ToUtf16(cp1252));
}

inline std::string fromQString(const QString& text)
{
    return store::utf16ToCp1252(text.toStdU16String());
}

// A note text holds its line breaks as CR LF; a text box shows them as LF.
inline QString boxText(QString noteText)
{
    noteText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return noteText;
}

} // namespace windows
