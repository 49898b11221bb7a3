// The edge between the program's values and Qt's: Windows-1252 text and
// QString, COLORREF colours (0x00BBGGRR) and QColor.
#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

namespace vorelio {

QString ToQString(std::string_view cp1252);
// Characters with no Windows-1252 byte become "?".
std::string FromQString(const QString& text);
// The red, green and blue bytes of a COLORREF; the top byte is ignored.
QColor ToQColor(int32_t colorref);
// The COLORREF of a colour's red, green and blue (top byte 0).
int32_t ToColorref(const QColor& colour);

}  // namespace vorelio
