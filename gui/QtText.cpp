#include "gui/QtText.h"

#include "common/Text.h"

namespace vorelio {

QString ToQString(std::string_view cp1252) {
  const std::string utf8 = Cp1252ToUtf8(cp1252);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QColor ToQColor(int32_t colorref) {
  const auto bits = static_cast<uint32_t>(colorref);
  return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF));
}

int32_t ToColorref(const QColor& colour) {
  return static_cast<int32_t>(static_cast<uint32_t>(colour.red()) |
                              (static_cast<uint32_t>(colour.green()) << 8) |
                              (static_cast<uint32_t>(colour.blue()) << 16));
}

}  // namespace vorelio
