// SPDX-License-Identifier: MIT
// MARC files: cutting into records and reading each record's leader, directory and fields.
#include "import/MarcFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    const MarcFileResult result = MarcFile::readBytes(content);
    for (const MarcFileRecord &record : result.records) {
        if (record.result.ok())
            (void)record.result.record.values();
    }
    return 0;
}
