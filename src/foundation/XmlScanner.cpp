// SPDX-License-Identifier: MIT
#include "foundation/XmlScanner.h"

#include <cstring>
#include <string_view>

namespace {
bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool endsName(char c)
{
    return isSpace(c) || c == '/' || c == '>' || c == '=';
}

QByteArrayView localName(QByteArrayView qualified)
{
    const qsizetype colon = qualified.lastIndexOf(':');
    return colon < 0 ? qualified : qualified.sliced(colon + 1);
}

void appendCodePoint(QString *out, char32_t code)
{
    out->append(QString::fromUcs4(&code, 1));
}
} // namespace

XmlScanner::XmlScanner(const QByteArray &xml) : m_xml(xml), m_data(m_xml.constData()), m_size(m_xml.size())
{
    m_attributes.reserve(8);
    // A byte order mark may open the document.
    if (m_size >= 3 && std::memcmp(m_data, "\xEF\xBB\xBF", 3) == 0)
        m_pos = 3;
}

XmlScanner::Token XmlScanner::fail(const char *reason)
{
    if (m_token != Invalid)
        m_error = QString::fromUtf8(reason) + QStringLiteral(" (字节 %1)").arg(m_pos);
    return m_token = Invalid;
}

bool XmlScanner::atText(const char *literal) const
{
    const qsizetype n = qsizetype(std::strlen(literal));
    return m_size - m_pos >= n && std::memcmp(m_data + m_pos, literal, size_t(n)) == 0;
}

qsizetype XmlScanner::find(const char *literal) const
{
    const size_t at = std::string_view(m_data, size_t(m_size)).find(literal, size_t(m_pos));
    return at == std::string_view::npos ? -1 : qsizetype(at);
}

XmlScanner::Token XmlScanner::next()
{
    if (m_token == Invalid)
        return Invalid;
    if (m_pendingEnd) {
        m_pendingEnd = false;
        m_open.removeLast();
        return m_token = EndElement;
    }
    while (m_pos < m_size) {
        if (m_data[m_pos] != '<') {
            const void *lt = std::memchr(m_data + m_pos, '<', size_t(m_size - m_pos));
            const qsizetype end = lt ? static_cast<const char *>(lt) - m_data : m_size;
            m_text = QByteArrayView(m_data + m_pos, end - m_pos);
            m_textIsCdata = false;
            m_pos = end;
            if (m_open.isEmpty()) {
                for (const char c : m_text)
                    if (!isSpace(c))
                        return fail("元素之外有文字");
                continue;
            }
            return m_token = Text;
        }
        const char second = m_pos + 1 < m_size ? m_data[m_pos + 1] : '\0';
        if (second != '?' && second != '!' && second != '/') {
            return startTag();
        } else if (atText("<?")) {
            const qsizetype end = find("?>");
            if (end < 0)
                return fail("处理指令没有结束");
            m_pos = end + 2;
        } else if (atText("<!--")) {
            const qsizetype end = find("-->");
            if (end < 0)
                return fail("注释没有结束");
            m_pos = end + 3;
        } else if (atText("<![CDATA[")) {
            const qsizetype start = m_pos + 9;
            const qsizetype end = find("]]>");
            if (end < 0 || m_open.isEmpty())
                return fail("CDATA段无效");
            m_text = QByteArrayView(m_data + start, end - start);
            m_textIsCdata = true;
            m_pos = end + 3;
            return m_token = Text;
        } else if (atText("<!")) {
            return fail("不支持文档类型声明");
        } else {
            return endTag();
        }
    }
    if (!m_open.isEmpty())
        return fail("文档意外结束");
    if (!m_sawRoot)
        return fail("文档没有内容");
    return m_token = End;
}

XmlScanner::Token XmlScanner::startTag()
{
    if (m_sawRoot && m_open.isEmpty())
        return fail("根元素之后还有元素");
    qsizetype p = m_pos + 1;
    const qsizetype nameStart = p;
    while (p < m_size && !endsName(m_data[p]))
        ++p;
    if (p == nameStart || p >= m_size)
        return fail("元素名无效");
    const QByteArrayView qualified(m_data + nameStart, p - nameStart);
    m_attributes.clear();
    bool selfClosing = false;
    for (;;) {
        while (p < m_size && isSpace(m_data[p]))
            ++p;
        if (p >= m_size)
            return fail("元素没有结束");
        if (m_data[p] == '>') {
            ++p;
            break;
        }
        if (m_data[p] == '/') {
            if (p + 1 >= m_size || m_data[p + 1] != '>')
                return fail("元素没有结束");
            p += 2;
            selfClosing = true;
            break;
        }
        const qsizetype attributeStart = p;
        while (p < m_size && !endsName(m_data[p]))
            ++p;
        const QByteArrayView attributeName(m_data + attributeStart, p - attributeStart);
        while (p < m_size && isSpace(m_data[p]))
            ++p;
        if (attributeName.isEmpty() || p >= m_size || m_data[p] != '=')
            return fail("属性无效");
        ++p;
        while (p < m_size && isSpace(m_data[p]))
            ++p;
        if (p >= m_size || (m_data[p] != '"' && m_data[p] != '\''))
            return fail("属性值没有引号");
        const char quote = m_data[p++];
        const void *close = std::memchr(m_data + p, quote, size_t(m_size - p));
        if (!close)
            return fail("属性值没有结束");
        const qsizetype valueEnd = static_cast<const char *>(close) - m_data;
        const QByteArrayView value(m_data + p, valueEnd - p);
        if (value.contains('<'))
            return fail("属性值中有<");
        m_attributes.append({localName(attributeName), value});
        p = valueEnd + 1;
    }
    m_pos = p;
    m_sawRoot = true;
    m_open.append(qualified);
    m_name = localName(qualified);
    m_pendingEnd = selfClosing;
    return m_token = StartElement;
}

XmlScanner::Token XmlScanner::endTag()
{
    qsizetype p = m_pos + 2;
    const qsizetype nameStart = p;
    while (p < m_size && !endsName(m_data[p]))
        ++p;
    const QByteArrayView qualified(m_data + nameStart, p - nameStart);
    while (p < m_size && isSpace(m_data[p]))
        ++p;
    if (p >= m_size || m_data[p] != '>')
        return fail("结束标记无效");
    if (m_open.isEmpty() || m_open.last() != qualified)
        return fail("结束标记与元素不符");
    m_pos = p + 1;
    m_open.removeLast();
    m_name = localName(qualified);
    return m_token = EndElement;
}

QByteArrayView XmlScanner::rawAttribute(QByteArrayView name) const
{
    for (const Attribute &a : m_attributes)
        if (a.name == name)
            return a.value;
    return {};
}

QString XmlScanner::attribute(QByteArrayView name) const
{
    const QByteArrayView raw = rawAttribute(name);
    QString out;
    if (raw.contains('&') ? decode(raw, &out) : (out = QString::fromUtf8(raw), true))
        return out;
    return {};
}

QString XmlScanner::text() const
{
    if (m_textIsCdata || !m_text.contains('&'))
        return QString::fromUtf8(m_text);
    QString out;
    decode(m_text, &out);
    return out;
}

QByteArrayView XmlScanner::plainElementText()
{
    if (m_token != StartElement)
        return {};
    if (m_pendingEnd) {
        next();
        return QByteArrayView("", 0);
    }
    const void *lt = std::memchr(m_data + m_pos, '<', size_t(m_size - m_pos));
    if (!lt)
        return {};
    const qsizetype textEnd = static_cast<const char *>(lt) - m_data;
    const QByteArrayView text(m_data + m_pos, textEnd - m_pos);
    const QByteArrayView qualified = m_open.last();
    const qsizetype close = textEnd + 2 + qualified.size();
    if (text.contains('&') || close >= m_size || m_data[textEnd + 1] != '/' || m_data[close] != '>'
        || QByteArrayView(m_data + textEnd + 2, qualified.size()) != qualified)
        return {};
    m_pos = close + 1;
    m_open.removeLast();
    m_token = EndElement;
    return text;
}

QString XmlScanner::readElementText()
{
    const qsizetype depth = m_open.size();
    QString result;
    while (next() != End && m_token != Invalid) {
        if (m_token == Text) {
            if (!m_textIsCdata && m_text.contains('&')) {
                QString piece;
                if (!decode(m_text, &piece)) {
                    fail("字符引用无效");
                    break;
                }
                result += piece;
            } else {
                result += QString::fromUtf8(m_text);
            }
        } else if (m_token == EndElement && m_open.size() < depth) {
            break;
        }
    }
    return result;
}

void XmlScanner::skipElement()
{
    const qsizetype depth = m_open.size();
    while (next() != End && m_token != Invalid)
        if (m_token == EndElement && m_open.size() < depth)
            return;
}

bool XmlScanner::decode(QByteArrayView raw, QString *out)
{
    out->clear();
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw.at(i) != '&')
            continue;
        out->append(QString::fromUtf8(raw.sliced(runStart, i - runStart)));
        const qsizetype semicolon = raw.indexOf(';', i);
        if (semicolon < 0)
            return false;
        const QByteArrayView ref = raw.sliced(i + 1, semicolon - i - 1);
        if (ref == "lt")
            out->append(QLatin1Char('<'));
        else if (ref == "gt")
            out->append(QLatin1Char('>'));
        else if (ref == "amp")
            out->append(QLatin1Char('&'));
        else if (ref == "quot")
            out->append(QLatin1Char('"'));
        else if (ref == "apos")
            out->append(QLatin1Char('\''));
        else if (ref.size() >= 2 && ref.at(0) == '#') {
            const bool hex = ref.at(1) == 'x';
            const QByteArrayView digits = ref.sliced(hex ? 2 : 1);
            if (digits.isEmpty() || digits.size() > 8)
                return false;
            bool ok = false;
            const uint code = QByteArray(digits.data(), digits.size()).toUInt(&ok, hex ? 16 : 10);
            if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                return false;
            appendCodePoint(out, char32_t(code));
        } else {
            return false;
        }
        i = semicolon;
        runStart = semicolon + 1;
    }
    out->append(QString::fromUtf8(raw.sliced(runStart)));
    return true;
}
