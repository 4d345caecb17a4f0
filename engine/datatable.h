#pragma once
// Tables of pre-computed integers in "Ida": row r is line r. A row is found by
// reading the text from its start; integers are separated by blanks and line
// ends, a short row reads on into the next line, and past the end of the file
// every integer reads as 0.
#include <QByteArray>
#include <QString>
#include <vector>

namespace vzt {

// Reads k integers starting at row r (1-based) of a table's text.
// Raises "Invalid numeric input" on a token that is not a decimal integer.
std::vector<long long> readRow(const QByteArray &text, int row, int k);

// The same read for callers that look rows up often: the offsets where the
// lines of a text start (line r at lineStarts[r-1]), and the k integers read
// from an offset (the end of the text when the row lies past it).
std::vector<qsizetype> lineStarts(const QByteArray &text);
std::vector<long long> readIntegers(const QByteArray &text, qsizetype offset, int k);

} // namespace vzt
