// SPDX-License-Identifier: MIT
#include "foundation/SchemaSeed.h"
#include "foundation/SharedConnection.h"

namespace Schema {

void insertSeedRows(const SharedConnection &db)
{
    db.exec(QStringLiteral(
                "insert into 系统设置 (图书馆名, 地址, 电话, 负责人, 借阅证背面文字, WebNotice, 超期每日罚金, "
                "押金倍数, 赔损金额倍数, 开户费, 借阅数量限制功能, 启用超期罚金, 启用读者有效期, 启用预定功能, "
                "借出时打印清单, 启用押金功能, 启用读者租金, 启用租金功能, 显示院系, 显示班级, 借阅焦点编号, "
                "借阅焦点条形码, 归还焦点图书编号, 归还焦点条形码, 归还焦点读者编号, a1, a2, a3) values "
                "(?, '', '', '', '', '', ?, 1, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, null, null)"),
            {QStringLiteral("图书馆"), QStringLiteral("0.1"), QStringLiteral("0"), true, true, true, true,
             false, false, false, false, false, false, true, false, true, false, false,
             QStringLiteral("密级")});

    QVariantList admin{QStringLiteral("超级管理员"), QStringLiteral("8316")};
    for (int i = 0; i < 16; ++i)
        admin << true;
    db.exec(QStringLiteral("insert into 管理员 (AdminName, pwd, qxadmin, qxdel, qxbk, qxrd, qxqk, qxwp, "
                           "qxbkxg, qxrdxg, qxqkxg, qxDjXg, qxwpxg, qxborrow, qxReturn, qxSysSet, "
                           "qxAddData, qxModifyStock) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                           "?, ?, ?)"),
            admin);

    db.exec(QStringLiteral("insert into 读者类别 (类别名, 借阅天数, 借阅数量限制, 租金) values (?, 30, 5, 0)"),
            {QStringLiteral("普通")});
    db.exec(QStringLiteral("insert into 物品级别 (名称, 租金, 可借数量) values (?, 0, 0)"),
            {QStringLiteral("普通")});

    const struct {
        const char *table;
        const char *column;
        const char *value;
    } codes[] = {
        {"分类", "名称", "综合"},       {"二级分类", "名称", "综合"}, {"存放位置", "存放位置名", "书库"},
        {"证件名", "证件名", "身份证"}, {"币种", "币种", "人民币"},   {"单位名称", "单位名称", "本单位"},
        {"附件名", "附件名", "光盘"},   {"a1", "名称", "公开"},       {"a2", "名称", "无"},
        {"a3", "名称", "无"},
    };
    for (const auto &code : codes)
        db.exec(QStringLiteral("insert into %1 (%2) values (?)")
                    .arg(QString::fromUtf8(code.table), QString::fromUtf8(code.column)),
                {QString::fromUtf8(code.value)});

    const struct {
        const char *name;
        const char *prefix;
        const char *place;
    } publishers[] = {
        {"人民文学出版社", "7-02", "北京"},     {"高等教育出版社", "7-04", "北京"},
        {"人民教育出版社", "7-107", "北京"},   {"机械工业出版社", "7-111", "北京"},
        {"电子工业出版社", "7-121", "北京"},   {"化学工业出版社", "7-122", "北京"},
        {"中华书局", "7-101", "北京"},         {"商务印书馆", "7-100", "北京"},
        {"清华大学出版社", "7-302", "北京"},   {"北京大学出版社", "7-301", "北京"},
        {"人民邮电出版社", "7-115", "北京"},   {"科学出版社", "7-03", "北京"},
        {"上海译文出版社", "7-5327", "上海"}, {"生活·读书·新知三联书店", "7-108", "北京"},
    };
    for (const auto &p : publishers)
        db.exec(QStringLiteral("insert into 出版社名 (出版社名, ISBN, 出版地) values (?, ?, ?)"),
                {QString::fromUtf8(p.name), QString::fromUtf8(p.prefix), QString::fromUtf8(p.place)});
}

} // namespace Schema
