// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/OpacRecord.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

// Fetches pages of a library's web catalogue (an OPAC answering GET requests) with the
// catalogue's user agent, no cache and a time limit. A request that fails or runs out
// of time yields an empty page. One request at a time.
class CatalogueLookup : public QObject
{
    Q_OBJECT
public:
    explicit CatalogueLookup(QString baseUrl, QObject *parent = nullptr);
    ~CatalogueLookup() override;

    // The configured base URL: de.ini part1/OpacUrl (empty by default).
    static QString configuredBaseUrl(const QString &iniPath);
    static QString notConfiguredMessage();

    // base + "?func=find-b&find_code=ISB&request=" + isbn + "&local_base=NLC01"; the ISBN
    // is percent-encoded so that a typed "&" or "#" cannot change the query.
    static QString searchUrl(const QString &baseUrl, const QString &isbn);

    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    int timeout() const { return m_timeoutMs; }
    const QString &baseUrl() const { return m_baseUrl; }
    void setBaseUrl(const QString &baseUrl) { m_baseUrl = baseUrl.trimmed(); }
    bool busy() const { return !m_reply.isNull(); }

    // The start page (the base URL alone); pageArrived(false, …) when it fails.
    void connectToServer();
    // The record page of an ISBN; recordArrived() with the parsed page.
    void lookUp(const QString &isbn);

    // Blocking forms for the command line: run an event loop until the answer.
    QByteArray fetchNow(const QString &url);
    OpacRecord lookUpNow(const QString &isbn);

signals:
    void startPageArrived(bool ok);
    void recordArrived(const QString &isbn, const OpacRecord &record);

private:
    QNetworkReply *get(const QString &url);
    void finish(QNetworkReply *reply, QByteArray *body);

    QString m_baseUrl;
    int m_timeoutMs = 15000;
    QNetworkAccessManager *m_network;
    QPointer<QNetworkReply> m_reply;
};
