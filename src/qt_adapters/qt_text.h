#pragma once

#include <QFile>
#include <QString>

#include <filesystem>
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

// File names at the Qt boundary, in the local 8-bit encoding the system
// uses for them, so that a name Qt shows is the file the core opens.
inline std::filesystem::path FileSystemPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

inline QString PathText(const std::filesystem::path& path)
{
    return QFile::decodeName(path.c_str());
}

} // namespace vantrel
