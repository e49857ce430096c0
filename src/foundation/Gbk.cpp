// SPDX-License-Identifier: MIT
#include "foundation/Gbk.h"

#include <QList>
#include <cerrno>
#include <iconv.h>

namespace {
// One conversion descriptor per direction and thread, opened on first use: opening one
// costs more than converting a short field, and MARC and sheet reading convert millions.
class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts `in`; an unconvertible input sequence becomes one replacement byte
    // sequence and conversion goes on after it.
    QByteArray convert(const QByteArray &in, int unitBytes, const QByteArray &replacement)
    {
        if (!valid())
            return {};
        iconv(cd_, nullptr, nullptr, nullptr, nullptr); // back to the initial state
        QByteArray out;
        out.reserve(in.size() * 2 + 8);
        char *src = const_cast<char *>(in.constData());
        size_t srcLeft = size_t(in.size());
        char buffer[4096];
        while (srcLeft > 0) {
            char *dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, int(dst - buffer));
            if (rc == size_t(-1)) {
                if (errno == E2BIG)
                    continue;
                // EILSEQ or EINVAL: skip one unit of input and write the replacement.
                const size_t skip = std::min(srcLeft, size_t(unitBytes));
                src += skip;
                srcLeft -= skip;
                out.append(replacement);
            }
        }
        return out;
    }

private:
    iconv_t cd_;
};

bool isAscii(const char *p, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i)
        if (uchar(p[i]) >= 0x80)
            return false;
    return true;
}
} // namespace

namespace Gbk {

QByteArray encode(const QString &text)
{
    // ASCII is the same bytes in GBK.
    bool ascii = true;
    for (const QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return text.toLatin1();
    // UTF-32 input lets an unencodable character be skipped as one unit.
    const QList<uint> ucs4 = text.toUcs4();
    const QByteArray utf32(reinterpret_cast<const char *>(ucs4.constData()), int(ucs4.size() * 4));
    thread_local Converter toGbk("GBK", "UTF-32LE");
    return toGbk.convert(utf32, 4, "?");
}

QString decode(const QByteArray &bytes)
{
    if (isAscii(bytes.constData(), bytes.size()))
        return QString::fromLatin1(bytes);
    thread_local Converter fromGbk("UTF-8", "GBK");
    return QString::fromUtf8(fromGbk.convert(bytes, 1, "\xEF\xBF\xBD"));
}

bool isUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        int follow = 0;
        if (c < 0x80)
            follow = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            follow = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            follow = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            follow = 3;
        else
            return false;
        if (i + follow >= n && follow > 0)
            return false;
        for (int k = 1; k <= follow; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        i += follow + 1;
    }
    return true;
}

} // namespace Gbk
