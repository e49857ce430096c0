// SPDX-License-Identifier: MIT
#include "catalogue/CatalogueLookup.h"
#include "foundation/IniFile.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

CatalogueLookup::CatalogueLookup(QString baseUrl, QObject *parent)
    : QObject(parent), m_baseUrl(baseUrl.trimmed()), m_network(new QNetworkAccessManager(this))
{
    m_network->setCache(nullptr);
}

CatalogueLookup::~CatalogueLookup()
{
    if (m_reply)
        m_reply->abort();
}

QString CatalogueLookup::configuredBaseUrl(const QString &iniPath)
{
    return IniFile(iniPath).read(QStringLiteral("part1"), QStringLiteral("OpacUrl"), QString()).trimmed();
}

QString CatalogueLookup::notConfiguredMessage()
{
    return QStringLiteral("没有设置联网查询的图书馆目录: 请在 de.ini 的 [part1] 中写入 OpacUrl=目录的地址"
                          " (以 /F 结尾).");
}

QString CatalogueLookup::searchUrl(const QString &baseUrl, const QString &isbn)
{
    const QString request = QString::fromLatin1(QUrl::toPercentEncoding(isbn));
    return (baseUrl + QStringLiteral("?func=find-b&find_code=ISB&request=") + request
            + QStringLiteral("&local_base=NLC01"))
        .trimmed();
}

QNetworkReply *CatalogueLookup::get(const QString &url)
{
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Internet Explorer 6.0"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setTransferTimeout(m_timeoutMs);
    QNetworkReply *reply = m_network->get(request);
    // The transfer timeout counts from the last byte; this one ends the whole request.
    QTimer::singleShot(m_timeoutMs, reply, [reply] {
        if (reply->isRunning())
            reply->abort();
    });
    return reply;
}

void CatalogueLookup::finish(QNetworkReply *reply, QByteArray *body)
{
    *body = reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    reply->deleteLater();
}

void CatalogueLookup::connectToServer()
{
    if (busy())
        return;
    if (m_baseUrl.isEmpty()) {
        emit startPageArrived(false);
        return;
    }
    m_reply = get(m_baseUrl);
    QNetworkReply *reply = m_reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        QByteArray body;
        finish(reply, &body);
        m_reply = nullptr;
        emit startPageArrived(!body.isEmpty());
    });
}

void CatalogueLookup::lookUp(const QString &isbn)
{
    if (busy())
        return;
    if (m_baseUrl.isEmpty()) {
        emit recordArrived(isbn, OpacRecord::parse(QByteArray()));
        return;
    }
    m_reply = get(searchUrl(m_baseUrl, isbn));
    QNetworkReply *reply = m_reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply, isbn] {
        QByteArray body;
        finish(reply, &body);
        m_reply = nullptr;
        emit recordArrived(isbn, OpacRecord::parse(OpacRecord::toGbk(body)));
    });
}

QByteArray CatalogueLookup::fetchNow(const QString &url)
{
    QNetworkReply *reply = get(url);
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    QByteArray body;
    finish(reply, &body);
    return body;
}

OpacRecord CatalogueLookup::lookUpNow(const QString &isbn)
{
    if (m_baseUrl.isEmpty())
        return OpacRecord::parse(QByteArray());
    return OpacRecord::parse(OpacRecord::toGbk(fetchNow(searchUrl(m_baseUrl, isbn))));
}
