// SPDX-License-Identifier: MIT
#include "catalogue/PublisherLookup.h"
#include "foundation/SharedConnection.h"

PublisherMatch PublisherMatch::byBarcode(const SharedConnection &db, const QString &barcode)
{
    for (int i = 2; i <= 7; ++i) {
        const QString key = QStringLiteral("7-") + barcode.mid(4, i);
        QSqlQuery q = db.exec(QStringLiteral("select * from 出版社名 where isbn=?"), {key});
        if (q.next())
            return {true, q.value(QStringLiteral("ISBN")).toString(), q.value(QStringLiteral("出版社名")).toString()};
    }
    return {};
}
