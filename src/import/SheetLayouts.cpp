// SPDX-License-Identifier: MIT
// The column layouts of the four spreadsheet imports: books, readers, periodicals, loans.
#include "import/SheetLayout.h"

QStringList SheetLayout::captions() const
{
    QStringList list;
    for (const SheetColumn &c : columns)
        list << c.caption;
    return list;
}

int SheetLayout::columnOf(const QString &field) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).field == field)
            return i;
    return -1;
}

namespace {

// Column builders: a caption that is also the field name unless given.
SheetColumn text(const char *caption, const char *field = nullptr)
{
    SheetColumn c;
    c.caption = QString::fromUtf8(caption);
    c.field = field ? QString::fromUtf8(field) : c.caption;
    return c;
}

SheetColumn orText(SheetColumn c, const char *emptyText)
{
    c.emptyText = QString::fromUtf8(emptyText);
    return c;
}

SheetColumn integer(const char *caption, int fallback, const char *field = nullptr)
{
    SheetColumn c = text(caption, field);
    c.rule = CellRule::Integer;
    c.integerDefault = fallback;
    return c;
}

SheetColumn money(const char *caption)
{
    SheetColumn c = text(caption);
    c.rule = CellRule::Money;
    return c;
}

SheetColumn date(const char *caption, CellRule rule, QDate fallback = {})
{
    SheetColumn c = text(caption);
    c.rule = rule;
    c.dateDefault = fallback;
    return c;
}

SheetColumn trimmed(SheetColumn c)
{
    c.trimmed = true;
    return c;
}

QStringList fields(const char *list)
{
    return QString::fromUtf8(list).split(QLatin1Char(','));
}

SheetLayout::Constant constant(const char *field, const QVariant &value, ShownAs form)
{
    return {QString::fromUtf8(field), value, form};
}

SheetLayout makeBooks()
{
    SheetLayout l;
    l.name = QStringLiteral("books");
    l.table = QStringLiteral("图书");
    l.columns = {text("编号"),
                 trimmed(orText(text("条形码"), "n")),
                 trimmed(orText(text("名称"), "n")),
                 text("分类"),
                 text("出版社"),
                 text("作者"),
                 money("价格"),
                 text("ISBN", "isbn"),
                 integer("数量", 1),
                 text("存放位置"),
                 text("分类号"),
                 text("简介"),
                 text("二级分类"),
                 text("出版时间"),
                 orText(text("页数"), "0"),
                 text("译者"),
                 text("版次"),
                 text("索书号"),
                 text("py"),
                 integer("种次号", 0, "zch"),
                 text("币种"),
                 text("物品级别"),
                 integer("借出次数", 0),
                 text("登记人"),
                 date("入库时间", CellRule::DateTime),
                 text("密级"),
                 text("附件"),
                 text("来源"),
                 text("捐赠人"),
                 text("图片地址"),
                 text("绝对地址")};
    l.statementFields = fields("编号,条形码,名称,出版社,分类号,分类,二级分类,存放位置,索书号,作者,译者,数量,价格,"
                               "出版时间,页数,isbn,版次,借出次数,状态,简介,py,zch,币种,物品级别,登记人,入库时间,"
                               "密级,附件,来源,捐赠人,图片地址,绝对地址");
    l.constants = {constant("状态", QStringLiteral("正常"), ShownAs::Text)};
    l.memoFields = fields("条形码,名称");
    l.numbered = true;
    l.skipsBlankRows = true;
    return l;
}

SheetLayout makeReaders()
{
    SheetLayout l;
    l.name = QStringLiteral("readers");
    l.table = QStringLiteral("读者库");
    SheetColumn registrar = trimmed(text("登记人"));
    registrar.operatorWhenEmpty = true;
    l.columns = {text("读者编号"),
                 trimmed(text("读者姓名")),
                 trimmed(text("性别")),
                 trimmed(orText(text("类别"), "普通")),
                 trimmed(text("单位部门")),
                 trimmed(text("住址")),
                 trimmed(text("联系电话")),
                 trimmed(text("班级")),
                 trimmed(text("院系")),
                 trimmed(text("有效证件")),
                 trimmed(text("证件号码")),
                 trimmed(text("备注")),
                 trimmed(text("读者卡号", "CardId")),
                 integer("累计借阅次数", 0),
                 date("登记日期", CellRule::DateTime),
                 date("有效期", CellRule::Date, QDate(2049, 12, 10)),
                 money("卡内金额"),
                 registrar,
                 trimmed(text("拼音", "py"))};
    l.statementFields = fields("读者编号,读者姓名,性别,类别,单位部门,住址,联系电话,班级,院系,有效证件,证件号码,"
                               "累计借阅次数,未还数量,有效期,状态,备注,密码,卡内金额,登记人,CardId,登记日期,py");
    l.constants = {constant("未还数量", 0, ShownAs::Bare), constant("状态", QStringLiteral("正常"), ShownAs::Text),
                   constant("密码", QStringLiteral("8316"), ShownAs::Text)};
    l.missingKey = MissingKey::EndsImport;
    l.keyFields = fields("读者编号,读者姓名");
    l.memoFields = l.keyFields;
    l.numbered = true;
    return l;
}

SheetLayout makePeriodicals()
{
    SheetLayout l;
    l.name = QStringLiteral("periodicals");
    l.table = QStringLiteral("期刊");
    l.columns = {text("编号"),
                 trimmed(orText(text("名称"), "n")),
                 trimmed(orText(text("条形码"), "n")),
                 text("物品级别"),
                 text("分类"),
                 text("二级分类"),
                 text("出版社"),
                 text("存放位置"),
                 integer("数量", 1),
                 text("ISSN"),
                 text("拼音", "py"),
                 text("国内统一刊号"),
                 text("邮发代号"),
                 text("出版时间"),
                 text("第几期"),
                 date("入库时间", CellRule::DateTime),
                 text("总第几期"),
                 money("价格"),
                 text("币种"),
                 integer("借出次数", 0),
                 orText(text("状态"), "正常"),
                 text("来源"),
                 text("捐赠人"),
                 text("简介"),
                 text("图片地址"),
                 text("绝对地址"),
                 text("登记人")};
    // Four entries "n" after 登记人 stand for no column.
    for (int i = 0; i < 4; ++i)
        l.columns << text("n", "");
    l.statementFields = fields("编号,名称,条形码,物品级别,分类,二级分类,出版社,存放位置,数量,ISSN,py,国内统一刊号,"
                               "邮发代号,出版时间,第几期,入库时间,总第几期,价格,币种,借出次数,状态,来源,捐赠人,简介,"
                               "登记人,图片地址,绝对地址");
    l.memoFields = fields("条形码,名称");
    l.numbered = true;
    l.skipsBlankRows = true;
    return l;
}

SheetLayout makeLoans()
{
    SheetLayout l;
    l.name = QStringLiteral("loans");
    l.table = QStringLiteral("借出记录");
    SheetColumn returned = text("已还");
    returned.rule = CellRule::Returned;
    l.columns = {text("读者编号"),
                 orText(text("读者卡号CardId", "cardId"), "n"),
                 text("读者姓名"),
                 text("条形码"),
                 text("编号"),
                 text("名称"),
                 orText(text("类别"), "图书"),
                 orText(text("物品级别"), "普通"),
                 money("价格"),
                 orText(text("附件"), "n"),
                 date("借阅日期", CellRule::Date, QDate(1999, 1, 1)),
                 date("归还日期", CellRule::Date, QDate(2000, 1, 1)),
                 date("应还日期", CellRule::Date, QDate(2000, 2, 1)),
                 returned,
                 money("租金"),
                 money("押金"),
                 money("罚金"),
                 integer("实际租期", 0),
                 money("实际租金"),
                 text("借阅经手人"),
                 text("归还经手人"),
                 text("物品状况"),
                 money("赔偿金额"),
                 text("归还备注")};
    for (SheetColumn &c : l.columns)
        c.trimmed = true;
    l.statementFields = fields("读者编号,cardId,读者姓名,条形码,编号,名称,类别,物品级别,价格,附件,借阅日期,归还日期,"
                               "应还日期,已还,租金,押金,罚金,实际租期,实际租金,借阅经手人,归还经手人,物品状况,"
                               "赔偿金额,归还备注");
    l.missingKey = MissingKey::SkipsRow;
    l.keyFields = fields("编号,名称");
    l.memoFields = fields("读者编号,名称");
    return l;
}

} // namespace

namespace SheetLayouts {

const SheetLayout &books()
{
    static const SheetLayout layout = makeBooks();
    return layout;
}

const SheetLayout &readers()
{
    static const SheetLayout layout = makeReaders();
    return layout;
}

const SheetLayout &periodicals()
{
    static const SheetLayout layout = makePeriodicals();
    return layout;
}

const SheetLayout &loans()
{
    static const SheetLayout layout = makeLoans();
    return layout;
}

const SheetLayout *byName(const QString &name)
{
    for (const SheetLayout *l : {&books(), &readers(), &periodicals(), &loans()})
        if (l->name == name)
            return l;
    return nullptr;
}

} // namespace SheetLayouts
