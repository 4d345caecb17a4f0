#include "datatable.h"

#include "errors.h"

namespace vzt {

namespace {
bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }


// The start of the line after the one p stands in (or end).
const char *nextLine(const char *p, const char *end)
{
    while (p < end && *p != '\n' && *p != '\r')
        ++p;
    if (p < end && *p == '\r')
        ++p;
    if (p < end && *p == '\n')
        ++p;
    return p;
}
} // namespace

std::vector<qsizetype> lineStarts(const QByteArray &text)
{
    std::vector<qsizetype> starts{0};
    const char *begin = text.constData();
    const char *end = begin + text.size();
    for (const char *p = nextLine(begin, end); p < end; p = nextLine(p, end))
        starts.push_back(p - begin);
    return starts;
}

std::vector<long long> readRow(const QByteArray &text, int row, int k)
{
    const char *begin = text.constData();
    const char *end = begin + text.size();
    const char *p = begin;
    for (int skip = 1; skip < row && p < end; ++skip)
        p = nextLine(p, end);
    return readIntegers(text, p - begin, k);
}

std::vector<long long> readIntegers(const QByteArray &text, qsizetype offset, int k)
{
    const char *p = text.constData() + offset;
    const char *end = text.constData() + text.size();
    std::vector<long long> out;
    out.reserve(k);
    for (int i = 0; i < k; ++i) {
        while (p < end && isBlank(*p))
            ++p;
        const char *t = p;
        while (p < end && !isBlank(*p))
            ++p;
        if (t == p) {
            out.push_back(0);
            continue;
        }
        const char *q = t;
        bool negative = false;
        if (*q == '-' || *q == '+')
            negative = (*q++ == '-');
        if (q == p || p - q > 18)
            throw Error(kInvalidNumericInput);
        long long v = 0;
        for (; q < p; ++q) {
            if (*q < '0' || *q > '9')
                throw Error(kInvalidNumericInput);
            v = v * 10 + (*q - '0');
        }
        out.push_back(negative ? -v : v);
    }
    return out;
}

} // namespace vzt
