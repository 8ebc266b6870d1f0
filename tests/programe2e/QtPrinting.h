#pragma once

#include <QLatin1String>
#include <QString>
#include <ostream>

// Qt's strings as text in GoogleTest's failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(QLatin1String text, std::ostream* os) { *os << '"' << std::string(text.data(), size_t(text.size())) << '"'; }
