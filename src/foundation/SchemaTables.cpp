// SPDX-License-Identifier: MIT
// The tables and columns of the library database.
#include "foundation/Schema.h"

namespace Schema {
namespace {
using T = Type;

Column c(const char *name, Type type, const char *def = "")
{
    return Column{QString::fromUtf8(name), type, QString::fromUtf8(def)};
}

QList<Column> codeTable(const char *nameColumn)
{
    return {c(nameColumn, T::Text)};
}

QList<Table> build()
{
    QList<Table> t;
    t.append({QStringLiteral("系统设置"),
              {c("图书馆名", T::Text), c("地址", T::Text), c("电话", T::Text), c("负责人", T::Text),
               c("超期每日罚金", T::Money, "0"), c("押金倍数", T::Real, "1"), c("赔损金额倍数", T::Real, "1"),
               c("开户费", T::Money, "0"), c("借出时打印清单", T::YesNo), c("启用押金功能", T::YesNo),
               c("借阅数量限制功能", T::YesNo), c("启用超期罚金", T::YesNo), c("启用读者租金", T::YesNo),
               c("启用读者有效期", T::YesNo), c("启用租金功能", T::YesNo), c("显示院系", T::YesNo),
               c("显示班级", T::YesNo), c("启用预定功能", T::YesNo), c("借阅证背面文字", T::Memo),
               c("WebNotice", T::Memo), c("a1", T::Text), c("a2", T::Text), c("a3", T::Text),
               c("借阅焦点编号", T::YesNo), c("借阅焦点条形码", T::YesNo), c("归还焦点条形码", T::YesNo),
               c("归还焦点图书编号", T::YesNo), c("归还焦点读者编号", T::YesNo)},
              {},
              {}});
    t.append({QStringLiteral("管理员"),
              {c("AdminName", T::Text), c("pwd", T::Text), c("qxadmin", T::YesNo), c("qxdel", T::YesNo),
               c("qxbk", T::YesNo), c("qxrd", T::YesNo), c("qxqk", T::YesNo), c("qxwp", T::YesNo),
               c("qxbkxg", T::YesNo), c("qxrdxg", T::YesNo), c("qxqkxg", T::YesNo), c("qxDjXg", T::YesNo),
               c("qxwpxg", T::YesNo), c("qxborrow", T::YesNo), c("qxReturn", T::YesNo),
               c("qxSysSet", T::YesNo), c("qxAddData", T::YesNo), c("qxModifyStock", T::YesNo)},
              QStringLiteral("AdminName"),
              {}});
    t.append({QStringLiteral("管理员日志"),
              {c("id", T::Counter), c("事件", T::Text), c("日期", T::DateTime), c("管理员", T::Text),
               c("说明", T::Text)},
              {},
              {}});
    t.append({QStringLiteral("图书"),
              {c("编号", T::Text), c("条形码", T::Text), c("名称", T::Text), c("出版社", T::Text),
               c("分类号", T::Text), c("分类", T::Text), c("二级分类", T::Text), c("存放位置", T::Text),
               c("索书号", T::Text), c("作者", T::Text), c("译者", T::Text), c("数量", T::Integer, "0"),
               c("价格", T::Money, "0"), c("出版时间", T::Text), c("页数", T::Integer), c("isbn", T::Text),
               c("版次", T::Text), c("借出次数", T::Integer, "0"), c("状态", T::Text), c("简介", T::Memo),
               c("py", T::Text), c("zch", T::Integer), c("币种", T::Text), c("物品级别", T::Text),
               c("登记人", T::Text), c("入库时间", T::DateTime), c("密级", T::Text), c("a1", T::Text),
               c("a2", T::Text), c("a3", T::Text), c("附件", T::Text), c("来源", T::Text),
               c("捐赠人", T::Text), c("图片地址", T::Text), c("绝对地址", T::Text), c("预定状况", T::Text),
               c("预定到期时间", T::DateTime), c("TmpA", T::Text)},
              QStringLiteral("编号"),
              {{QStringLiteral("条形码")}, {QStringLiteral("名称")}, {QStringLiteral("py")},
               {QStringLiteral("分类号"), QStringLiteral("zch")}, {QStringLiteral("入库时间")},
               {QStringLiteral("预定到期时间")}}});
    t.append({QStringLiteral("期刊"),
              {c("编号", T::Text), c("名称", T::Text), c("条形码", T::Text), c("物品级别", T::Text),
               c("分类", T::Text), c("二级分类", T::Text), c("出版社", T::Text), c("存放位置", T::Text),
               c("数量", T::Integer, "0"), c("ISSN", T::Text), c("py", T::Text), c("国内统一刊号", T::Text),
               c("邮发代号", T::Text), c("出版时间", T::Text), c("第几期", T::Text), c("入库时间", T::DateTime),
               c("总第几期", T::Text), c("价格", T::Money, "0"), c("币种", T::Text),
               c("借出次数", T::Integer, "0"), c("状态", T::Text), c("来源", T::Text), c("捐赠人", T::Text),
               c("简介", T::Memo), c("登记人", T::Text), c("图片地址", T::Text), c("绝对地址", T::Text),
               c("预定状况", T::Text), c("预定到期时间", T::DateTime)},
              QStringLiteral("编号"),
              {{QStringLiteral("条形码")}, {QStringLiteral("名称")}, {QStringLiteral("入库时间")},
               {QStringLiteral("预定到期时间")}}});
    t.append({QStringLiteral("读者库"),
              {c("读者编号", T::Text), c("读者姓名", T::Text), c("性别", T::Text), c("类别", T::Text),
               c("单位部门", T::Text), c("住址", T::Text), c("联系电话", T::Text), c("班级", T::Text),
               c("院系", T::Text), c("有效证件", T::Text), c("证件号码", T::Text),
               c("累计借阅次数", T::Integer, "0"), c("未还数量", T::Integer, "0"), c("有效期", T::Date),
               c("状态", T::Text), c("备注", T::Memo), c("密码", T::Text), c("卡内金额", T::Money, "0"),
               c("登记人", T::Text), c("CardId", T::Text), c("登记日期", T::DateTime), c("py", T::Text),
               c("pic", T::Picture), c("TmpA", T::Text)},
              QStringLiteral("读者编号"),
              {{QStringLiteral("CardId")}, {QStringLiteral("读者姓名")}}});
    t.append({QStringLiteral("借出记录"),
              {c("id", T::Counter), c("读者编号", T::Text), c("读者姓名", T::Text), c("cardId", T::Text),
               c("条形码", T::Text), c("编号", T::Text), c("名称", T::Text), c("类别", T::Text),
               c("物品级别", T::Text), c("价格", T::Money, "0"), c("附件", T::Text), c("借阅日期", T::Date),
               c("应还日期", T::Date), c("归还日期", T::Date), c("已还", T::Text), c("租金", T::Money, "0"),
               c("押金", T::Money, "0"), c("罚金", T::Money, "0"), c("实际租期", T::Integer, "0"),
               c("实际租金", T::Money, "0"), c("借阅经手人", T::Text), c("归还经手人", T::Text),
               c("物品状况", T::Text), c("赔偿金额", T::Money, "0"), c("归还备注", T::Memo)},
              {},
              {{QStringLiteral("读者编号"), QStringLiteral("已还")},
               {QStringLiteral("编号"), QStringLiteral("已还")},
               {QStringLiteral("条形码"), QStringLiteral("已还")},
               {QStringLiteral("借阅日期")},
               {QStringLiteral("应还日期")},
               {QStringLiteral("归还日期")},
               {QStringLiteral("已还"), QStringLiteral("应还日期")}}});
    t.append({QStringLiteral("收入"),
              {c("id", T::Counter), c("项目", T::Text), c("时间", T::DateTime), c("读者编号", T::Text),
               c("读者姓名", T::Text), c("金额", T::Money, "0"), c("管理员", T::Text), c("备注", T::Memo)},
              {},
              {{QStringLiteral("时间")}}});
    t.append({QStringLiteral("读者类别"),
              {c("类别名", T::Text), c("借阅天数", T::Integer, "0"), c("借阅数量限制", T::Integer, "0"),
               c("租金", T::Money, "0")},
              QStringLiteral("类别名"),
              {}});
    t.append({QStringLiteral("物品级别"),
              {c("名称", T::Text), c("租金", T::Money, "0"), c("可借数量", T::Integer, "0")},
              QStringLiteral("名称"),
              {}});
    t.append({QStringLiteral("分类"), codeTable("名称"), QStringLiteral("名称"), {}});
    t.append({QStringLiteral("二级分类"), codeTable("名称"), QStringLiteral("名称"), {}});
    t.append({QStringLiteral("出版社名"),
              {c("出版社名", T::Text), c("ISBN", T::Text), c("出版地", T::Text)},
              QStringLiteral("出版社名"),
              {{QStringLiteral("ISBN")}}});
    t.append({QStringLiteral("单位名称"), codeTable("单位名称"), QStringLiteral("单位名称"), {}});
    t.append({QStringLiteral("存放位置"), codeTable("存放位置名"), QStringLiteral("存放位置名"), {}});
    t.append({QStringLiteral("证件名"), codeTable("证件名"), QStringLiteral("证件名"), {}});
    t.append({QStringLiteral("币种"), codeTable("币种"), QStringLiteral("币种"), {}});
    t.append({QStringLiteral("附件名"), codeTable("附件名"), QStringLiteral("附件名"), {}});
    t.append({QStringLiteral("a1"), codeTable("名称"), QStringLiteral("名称"), {}});
    t.append({QStringLiteral("a2"), codeTable("名称"), QStringLiteral("名称"), {}});
    t.append({QStringLiteral("a3"), codeTable("名称"), QStringLiteral("名称"), {}});
    t.append({QStringLiteral("院系"), codeTable("名称"), QStringLiteral("名称"), {}});
    t.append({QStringLiteral("班级"), codeTable("名称"), QStringLiteral("名称"), {}});
    t.append({QStringLiteral("b_tuiJian"),
              {c("id", T::Counter), c("编号", T::Text), c("名称", T::Text), c("作者", T::Text),
               c("分类", T::Text), c("存放位置", T::Text), c("推荐人", T::Text), c("memo", T::Text)},
              {},
              {}});
    return t;
}
} // namespace

const QList<Table> &tables()
{
    static const QList<Table> all = build();
    return all;
}

} // namespace Schema
