#pragma once

#include <QString>
#include <ostream>

// Qt's strings in test failures, as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
