#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Readable GoogleTest output for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
