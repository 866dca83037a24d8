#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vantrel {

// The core's UTF-16 text at the Qt boundary.
inline QString ToQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

inline std::u16string FromQString(const QString& text)
{
    return text.toStdU16String();
}

} // namespace vantrel
