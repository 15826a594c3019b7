#pragma once

#include <QString>

#include <optional>

namespace kirune {

// The decimal number at the start of a line: leading blanks skipped, ending at the first
// character that cannot continue it, a fraction rounded half to even, 0 when there is none.
// Values beyond the 32-bit range are clamped.
qint32 HeaderNumber(QStringView text);

// A numeric-block value: blanks around an optional sign and digits, nothing else; an empty
// value is 0. nullopt when the text is not a whole 32-bit number.
std::optional<qint32> StrictNumber(QStringView text);

// Cuts the first comma-separated field off the line. An empty field gives "0"; when no comma
// is left the whole line is the field and the line becomes empty.
QString TakeCsvField(QString& line);

// The numeric twin of TakeCsvField: the field's leading number, 0 for an empty field.
qint32 TakeCsvLong(QString& line);

}  // namespace kirune
