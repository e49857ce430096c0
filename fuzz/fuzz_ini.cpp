// SPDX-License-Identifier: MIT
// de.ini files: reading every setting, then writing one back keeps the file readable.
#include "FuzzInput.h"
#include "foundation/AppConfig.h"
#include "foundation/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzApplication();
    const QString path = fuzzInputFile(data, size, "ini");
    (void)AppConfig::read(path);
    const QString section = QStringLiteral("part1");
    const QString key = QStringLiteral("softname");
    const QString value = QStringLiteral("图书馆");
    {
        IniFile ini(path);
        if (!ini.write(section, key, value))
            return 0;
    }
    // A key just written must read back as written.
    if (IniFile(path).read(section, key, QString()) != value)
        __builtin_trap();
    return 0;
}
