// The table reader: row reading from the text's start (how the program reads
// "Ida\*.txt" and the key files) and the line index the bank check uses must
// agree on every text, row and count, or both raise "Invalid numeric input".
#include "datatable.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const int row = 1 + data[0] % 64; // rows past the end read as 0 too
    const int k = 1 + data[1] % 12;
    const QByteArray text(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));

    std::vector<long long> fromStart, indexed;
    QString startError, indexError;
    try {
        fromStart = vzt::readRow(text, row, k);
    } catch (const vzt::Error &e) {
        startError = e.text();
    }
    try {
        const auto starts = vzt::lineStarts(text);
        const qsizetype offset = row - 1 < qsizetype(starts.size()) ? starts[row - 1] : text.size();
        indexed = vzt::readIntegers(text, offset, k);
    } catch (const vzt::Error &e) {
        indexError = e.text();
    }
    for (const QString &e : {startError, indexError})
        if (!e.isEmpty() && e != vzt::kInvalidNumericInput)
            fuzz::fail("unexpected error", e);
    if (startError != indexError)
        fuzz::fail("the two readers disagree on an error", startError + " / " + indexError);
    if (startError.isEmpty() && (fromStart != indexed || int(fromStart.size()) != k))
        fuzz::fail("the two readers read different integers");
    return 0;
}
