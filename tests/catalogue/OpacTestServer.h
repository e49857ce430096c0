// SPDX-License-Identifier: MIT
#pragma once
// A local HTTP server standing in for a library's web catalogue: it answers the start
// page and the ISBN search with saved pages from fixtures/opac, keeps the requests it
// got, and for the ISBN "9999999999999" accepts the connection and never answers.
#include <QFile>
#include <QHostAddress>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>

class OpacTestServer : public QObject
{
public:
    struct Request {
        QByteArray target;    // path and query as sent
        QByteArray userAgent;
        QByteArray cacheControl;
        QByteArray pragma;
    };

    OpacTestServer()
    {
        m_pages = {{"9787302023685", "found.html"},         {"9787505389386", "no-monograph.html"},
                   {"9787020002207", "price-no-point.html"}, {"9780201000238", "latin.html"}};
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, s, [this, s] { serve(s); });
        });
    }

    QString baseUrl() const { return QStringLiteral("http://127.0.0.1:%1/F").arg(m_server.serverPort()); }
    QList<Request> requests;

    static QByteArray fixture(const QString &name)
    {
        QFile f(QStringLiteral(FIXTURE_DIR "/opac/") + name);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

private:
    void serve(QTcpSocket *s)
    {
        QByteArray &buffer = m_buffers[s];
        buffer += s->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        Request r;
        const QList<QByteArray> lines = buffer.left(buffer.indexOf("\r\n\r\n")).split('\n');
        r.target = lines.value(0).split(' ').value(1);
        for (const QByteArray &l : lines) {
            const QByteArray lower = l.toLower();
            const QByteArray value = l.mid(l.indexOf(':') + 1).trimmed();
            if (lower.startsWith("user-agent:"))
                r.userAgent = value;
            else if (lower.startsWith("cache-control:"))
                r.cacheControl = value;
            else if (lower.startsWith("pragma:"))
                r.pragma = value;
        }
        requests << r;
        m_buffers.remove(s);
        const QUrlQuery query(QString::fromLatin1(r.target.mid(r.target.indexOf('?') + 1)));
        const QString isbn = query.queryItemValue(QStringLiteral("request"), QUrl::FullyDecoded);
        if (isbn == QLatin1String("9999999999999"))
            return; // never answers
        QByteArray body;
        if (!r.target.contains('?'))
            body = "<html><body>OPAC</body></html>";
        else
            body = fixture(m_pages.value(isbn, QStringLiteral("notfound.html")));
        s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=UTF-8\r\nConnection: close\r\nContent-Length: "
                 + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        s->disconnectFromHost();
    }

    QTcpServer m_server;
    QMap<QString, QString> m_pages;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};
