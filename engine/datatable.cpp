#include "datatable.h"

#include "errors.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The start of the line after the n-th line end from p (end when the text
// has fewer). Each LF ends a line, and so does each CR that no LF follows:
// the same line ends as nextLine finds, one by one.
const char *skipLines(const char *p, const char *end, long long n)
{
#if defined(__SSE2__)
    // Sixteen bytes at a time; a table line is some thirty bytes, so most
    // blocks hold one line end or none. The byte after the block tells
    // whether a CR in its last byte is the first half of a CR LF.
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    while (n > 0 && end - p > 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const unsigned lfs = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lf)));
        const unsigned crs = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, cr)));
        const unsigned beforeLf = lfs >> 1 | unsigned(p[16] == '\n') << 15;
        for (unsigned ends = lfs | (crs & ~beforeLf); ends != 0; ends &= ends - 1)
            if (--n == 0)
                return p + std::countr_zero(ends) + 1;
        p += 16;
    }
#endif
    for (; n > 0 && p < end; --n)
        p = nextLine(p, end);
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
    return readIntegers(text, skipLines(begin, end, row - 1LL) - begin, k);
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
