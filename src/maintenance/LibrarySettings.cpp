// SPDX-License-Identifier: MIT
#include "maintenance/LibrarySettings.h"
#include "foundation/IniFile.h"
#include "foundation/Money.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlValues.h"

#include <QLocale>
#include <QSqlQuery>

namespace {
using Row = LibrarySettingsRow;

QString moneyText(const QVariant &v)
{
    return v.isNull() ? QString() : Money::fromVariant(v).toString();
}

QString realText(const QVariant &v)
{
    return v.isNull() ? QString() : QString::number(v.toDouble(), 'g', 15);
}

QVariant nullable(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

// A money box: empty is Null; anything else must read as an amount.
bool moneyValue(const QString &text, QVariant *out)
{
    if (text.trimmed().isEmpty()) {
        *out = QVariant(QMetaType::fromType<QString>());
        return true;
    }
    Money m;
    if (!Money::parse(text, &m))
        return false;
    *out = m.toSql();
    return true;
}

bool realValue(const QString &text, QVariant *out)
{
    if (text.trimmed().isEmpty()) {
        *out = QVariant(QMetaType::fromType<double>());
        return true;
    }
    bool ok = false;
    const double d = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        return false;
    *out = d;
    return true;
}

QString notANumber(const QString &caption)
{
    return caption + QStringLiteral("必须是数字!");
}
} // namespace

const QStringList &LibrarySettings::switchColumns()
{
    static const QStringList columns{
        QStringLiteral("借出时打印清单"), QStringLiteral("借阅数量限制功能"), QStringLiteral("启用超期罚金"),
        QStringLiteral("启用读者租金"),   QStringLiteral("启用读者有效期"),   QStringLiteral("启用租金功能"),
        QStringLiteral("显示院系"),       QStringLiteral("显示班级"),         QStringLiteral("启用预定功能"),
        QStringLiteral("启用押金功能")};
    return columns;
}

QString LibrarySettings::feeRequiredMessage()
{
    return QStringLiteral("开户费必须填写, ") + QLatin1Char('"') + QStringLiteral(" 0 ") + QLatin1Char('"')
        + QStringLiteral(" 代表不收取.");
}

LibrarySettingsRow LibrarySettings::load(const SharedConnection &db)
{
    QSqlQuery q = db.exec(QStringLiteral("select * from 系统设置"));
    if (!q.next())
        throw DatabaseError(QStringLiteral("系统设置表中没有记录"));
    auto text = [&](const QString &column) { return q.value(column).toString(); };
    auto flag = [&](const QString &column) { return SqlValues::toBool(q.value(column)); };
    Row r;
    r.图书馆名 = text(QStringLiteral("图书馆名"));
    r.地址 = text(QStringLiteral("地址"));
    r.电话 = text(QStringLiteral("电话"));
    r.负责人 = text(QStringLiteral("负责人"));
    r.超期每日罚金 = moneyText(q.value(QStringLiteral("超期每日罚金")));
    r.押金倍数 = realText(q.value(QStringLiteral("押金倍数")));
    r.开户费 = moneyText(q.value(QStringLiteral("开户费")));
    // The last true column of each group, in this order, is the checked button.
    if (flag(QStringLiteral("归还焦点条形码")))
        r.returnFocus = Row::ReturnFocus::Barcode;
    if (flag(QStringLiteral("归还焦点图书编号")))
        r.returnFocus = Row::ReturnFocus::BookNumber;
    if (flag(QStringLiteral("归还焦点读者编号")))
        r.returnFocus = Row::ReturnFocus::ReaderNumber;
    if (flag(QStringLiteral("借阅焦点编号")))
        r.lendFocus = Row::LendFocus::Number;
    if (flag(QStringLiteral("借阅焦点条形码")))
        r.lendFocus = Row::LendFocus::Barcode;
    for (const QString &c : switchColumns())
        r.switches.insert(c, flag(c));
    r.借阅证背面文字 = text(QStringLiteral("借阅证背面文字"));
    r.WebNotice = text(QStringLiteral("WebNotice"));
    r.a1 = text(QStringLiteral("a1"));
    r.a2 = text(QStringLiteral("a2"));
    r.a3 = text(QStringLiteral("a3"));
    return r;
}

LibrarySettings::SaveResult LibrarySettings::save(const SharedConnection &db, LibrarySettingsRow row,
                                                  IniFile &ini, bool bcCc, bool remindYN)
{
    SaveResult result;
    row.a1 = row.a1.trimmed();
    if (row.a1.isEmpty())
        row.a1 = QStringLiteral("密级");
    if (row.开户费.isEmpty()) {
        result.message = feeRequiredMessage();
        result.field = QStringLiteral("开户费");
        return result;
    }
    QVariant fine, deposit, fee;
    if (!moneyValue(row.超期每日罚金, &fine)) {
        result.message = notANumber(QStringLiteral("超期日罚金"));
        result.field = QStringLiteral("超期每日罚金");
        return result;
    }
    if (!realValue(row.押金倍数, &deposit)) {
        result.message = notANumber(QStringLiteral("押金倍数"));
        result.field = QStringLiteral("押金倍数");
        return result;
    }
    if (!moneyValue(row.开户费, &fee)) {
        result.message = notANumber(QStringLiteral("开户费"));
        result.field = QStringLiteral("开户费");
        return result;
    }

    const QString p1 = QStringLiteral("part1");
    if (!ini.write(p1, QStringLiteral("BcCc"), bcCc ? QStringLiteral("1") : QStringLiteral("0"))
        || !ini.write(p1, QStringLiteral("RemindYN"), remindYN ? QStringLiteral("1") : QStringLiteral("0"))) {
        result.message = QStringLiteral("无法写入配置文件 %1: %2").arg(ini.path(), ini.errorText());
        return result;
    }

    QStringList sets;
    QVariantList values;
    auto set = [&](const QString &column, const QVariant &value) {
        sets << column + QStringLiteral("=?");
        values << value;
    };
    set(QStringLiteral("图书馆名"), nullable(row.图书馆名));
    set(QStringLiteral("地址"), nullable(row.地址));
    set(QStringLiteral("电话"), nullable(row.电话));
    set(QStringLiteral("负责人"), nullable(row.负责人));
    set(QStringLiteral("超期每日罚金"), fine);
    set(QStringLiteral("押金倍数"), deposit);
    set(QStringLiteral("开户费"), fee);
    for (const QString &c : switchColumns())
        set(c, row.switches.value(c, false));
    set(QStringLiteral("借阅证背面文字"), nullable(row.借阅证背面文字));
    set(QStringLiteral("WebNotice"), nullable(row.WebNotice));
    set(QStringLiteral("a1"), row.a1);
    set(QStringLiteral("a2"), nullable(row.a2));
    set(QStringLiteral("a3"), nullable(row.a3));
    set(QStringLiteral("归还焦点条形码"), row.returnFocus == Row::ReturnFocus::Barcode);
    set(QStringLiteral("归还焦点图书编号"), row.returnFocus == Row::ReturnFocus::BookNumber);
    set(QStringLiteral("归还焦点读者编号"), row.returnFocus == Row::ReturnFocus::ReaderNumber);
    set(QStringLiteral("借阅焦点编号"), row.lendFocus == Row::LendFocus::Number);
    set(QStringLiteral("借阅焦点条形码"), row.lendFocus == Row::LendFocus::Barcode);
    try {
        Transaction t(db);
        db.exec(QStringLiteral("update 系统设置 set ") + sets.join(QStringLiteral(", ")), values);
        t.commit();
    } catch (const DatabaseError &e) {
        result.message = e.message();
        return result;
    }
    result.ok = true;
    result.message = QStringLiteral("新的设置重启软件后生效!");
    return result;
}
