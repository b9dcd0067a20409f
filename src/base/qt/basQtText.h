#pragma once
// UTF-8 <-> QString at the border between the core (std::string, UTF-8) and the views.

#include <QString>

#include <string>
#include <string_view>

namespace basQtText {
inline QString ToQ(std::string_view strUtf8)
{
    return QString::fromUtf8(strUtf8.data(), static_cast<qsizetype>(strUtf8.size()));
}

inline std::string FromQ(const QString& strText)
{
    const QByteArray bytes = strText.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
} // namespace basQtText
