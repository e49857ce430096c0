// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// A small pull reader of UTF-8 XML for the large, machine-written parts of a workbook
// (the sheet and its shared strings), several times faster than QXmlStreamReader on
// them. It checks that elements nest and close, decodes the predefined and numeric
// character references, reads CDATA, and skips comments and processing instructions.
// Names are compared without their namespace prefix. A document type declaration is
// refused: a workbook part has none, and refusing it keeps entity expansion out.
class XmlScanner
{
public:
    enum Token { StartElement, EndElement, Text, End, Invalid };

    explicit XmlScanner(const QByteArray &xml);

    Token next();
    Token token() const { return m_token; }
    // The local name of the current start or end element.
    QByteArrayView name() const { return m_name; }
    // An attribute of the current start element by local name, as written (undecoded);
    // a null view when the element has none of that name.
    QByteArrayView rawAttribute(QByteArrayView localName) const;
    QString attribute(QByteArrayView localName) const;
    // The current text token, decoded.
    QString text() const;
    // From a start element: the text of its content up to its end element, which
    // becomes the current token; child elements are not expected (their text counts).
    QString readElementText();
    // The same for the common case of plain text (no reference, CDATA or child) right up
    // to the end element, as written and without copying; a null view, with nothing
    // read, in any other case.
    QByteArrayView plainElementText();
    // From a start element: skips to its end element.
    void skipElement();
    bool hasError() const { return m_token == Invalid; }
    QString errorString() const { return m_error; }

    // The predefined and numeric character references of raw text, decoded; false when
    // a reference is malformed.
    static bool decode(QByteArrayView raw, QString *out);

private:
    Token fail(const char *reason);
    Token startTag();
    Token endTag();
    bool atText(const char *literal) const;
    qsizetype find(const char *literal) const;

    struct Attribute {
        QByteArrayView name;
        QByteArrayView value;
    };
    QByteArray m_xml;
    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    Token m_token = End;
    QByteArrayView m_name;
    QByteArrayView m_text;
    bool m_textIsCdata = false;
    bool m_pendingEnd = false;
    bool m_sawRoot = false;
    QList<Attribute> m_attributes;
    QList<QByteArrayView> m_open; // names of the elements open, outermost first
    QString m_error;
};
