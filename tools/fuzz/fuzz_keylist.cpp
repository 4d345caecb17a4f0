// The key list "stt10.txt": Test 10's questions each put their key into it at
// start-up, whatever the file held before. It always becomes twenty lines of
// at most one character, with the new key in its place and the other lines'
// first characters kept.
#include "env.h"
#include "files.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::enterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int question = 1 + data[0] % 20;
    const int key = 1 + data[0] / 20 % 5;
    fuzz::writeBytes(vzt::kKeyList, data + 1, size - 1);
    vzt::updateKeyList(question, key);
    const QByteArray out = vzt::readFile(vzt::kKeyList);
    const QList<QByteArray> lines = out.split('\n');
    if (lines.size() != 21 || !lines.last().isEmpty())
        fuzz::fail("the key list is not twenty lines");
    for (int i = 0; i < 20; ++i) {
        const QByteArray &l = lines[i];
        if (!l.endsWith('\r') || l.size() > 2)
            fuzz::fail("a key list line is longer than one character", QString::number(i + 1));
    }
    if (lines[question - 1] != QByteArray::number(key) + '\r')
        fuzz::fail("the new key is not in its line");
    return 0;
}
