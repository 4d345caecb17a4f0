// A key file "stat_T_Q.txt" as the answer sheet reads it when grading: the
// first integer of the file, or "Invalid numeric input".
#include "datatable.h"
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
    const QString name = vzt::keyFileName(4, 6);
    fuzz::writeBytes(name, data, size);
    fuzz::readsOrReports([&] {
        const auto key = vzt::readRow(vzt::readFile(name), 1, 1);
        if (key.size() != 1)
            fuzz::fail("a key file read as other than one integer");
    }, {vzt::kInvalidNumericInput});
    return 0;
}
