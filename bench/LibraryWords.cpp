// SPDX-License-Identifier: MIT
#include "LibraryWords.h"

#include <QList>
#include <cmath>

namespace {
QStringList words(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct Topic {
    const char *words; // subject words of the class
    const char *letter;
    const char *name;
    const char *number;
};

// Subjects by 中图法 class: the generated title is subject + form.
const Topic kTopics[] = {
    {"马克思主义哲学 毛泽东思想概论 邓小平理论", "A", "马克思主义", "A8"},
    {"中国哲学史 西方哲学 逻辑学 伦理学 心理学 美学", "B", "哲学宗教", "B2"},
    {"社会学 统计学 社会调查方法 人口学", "C", "社会科学总论", "C91"},
    {"法理学 宪法学 民法学 刑法学 国际关系 行政管理", "D", "政治法律", "D92"},
    {"军事理论 孙子兵法 军事史", "E", "军事", "E0"},
    {"微观经济学 宏观经济学 会计学 财务管理 市场营销 管理学 金融学 国际贸易", "F", "经济", "F0"},
    {"教育学 教育心理学 体育概论 图书馆学 新闻学 信息检索", "G", "文化科学教育体育", "G4"},
    {"现代汉语 古代汉语 大学英语 英语语法 日语入门 汉字源流 写作", "H", "语言文字", "H1"},
    {"中国现代文学史 中国古代文学 外国文学 诗词鉴赏 散文选 小说选 文学理论", "I", "文学", "I2"},
    {"音乐欣赏 美术史 书法 摄影 影视艺术 素描", "J", "艺术", "J2"},
    {"中国通史 世界史 中国近代史 地理学 考古学 敦煌学", "K", "历史地理", "K2"},
    {"高等数学 线性代数 概率论与数理统计 离散数学 大学物理 有机化学 无机化学 分析化学 数学分析",
     "O", "数理科学和化学", "O1"},
    {"天文学 地质学 气象学 海洋学", "P", "天文学地球科学", "P1"},
    {"生物化学 细胞生物学 遗传学 生态学 植物学", "Q", "生物科学", "Q5"},
    {"中医基础理论 药理学 内科学 解剖学 护理学 营养学", "R", "医药卫生", "R2"},
    {"作物栽培学 园艺学 土壤学", "S", "农业科学", "S3"},
    {"数据结构 操作系统 计算机网络 编译原理 数据库系统 C语言程序设计 软件工程 人工智能 "
     "电路分析 机械制图 自动控制原理 建筑设计 材料力学",
     "T", "工业技术", "TP3"},
    {"交通运输工程 汽车构造", "U", "交通运输", "U4"},
    {"航空概论 航天技术", "V", "航空航天", "V2"},
    {"环境科学概论 环境保护", "X", "环境科学", "X1"},
};

const char *kClassics = "红楼梦 三国演义 水浒传 西游记 围城 活着 平凡的世界 白鹿原 边城 呐喊 彷徨 朝花夕拾 "
                        "骆驼祥子 茶馆 家 子夜 倾城之恋 城南旧事 长恨歌 文化苦旅 尘埃落定 三体 球状闪电 "
                        "明朝那些事儿 万历十五年 史记 资治通鉴 论语译注 孟子 道德经 庄子 唐诗三百首 宋词选 "
                        "人间词话 乡土中国 美的历程 人生 许三观卖血记 芙蓉镇 繁花 额尔古纳河右岸 黄金时代 "
                        "四世同堂 雷雨 女神 荷塘月色 背影 秋天的怀念 我与地坛 草房子 青铜葵花";
const char *kForms = "教程 导论 原理 基础 概论 习题集 学习指导 实验教程 案例分析 研究 简明读本 "
                     "入门 精要 十讲 新编 史纲 词典 手册";
const char *kEditions = "（第二版） （第三版） （修订版） （上册） （下册） （第1卷） （第2卷） （插图本）";
const char *kSurnames = "王 李 张 刘 陈 杨 黄 赵 吴 周 徐 孙 马 朱 胡 郭 何 高 林 罗 郑 梁 谢 宋 唐 许 韩 冯 "
                        "邓 曹 彭 曾 肖 田 董 袁 潘 于 蒋 蔡 余 杜 叶 程 苏 魏 吕 丁 任 沈 姚 卢 姜 崔 钟 "
                        "谭 陆 汪 范 金 石 廖 贾 夏 韦 付 方 白 邹 孟 熊 秦 邱 江 尹 薛 闫 段 雷 侯 龙 "
                        "史 陶 黎 贺 顾 毛 郝 龚 邵 万 钱 严 覃 武 戴 莫 孔 向 汤 欧阳 司马 诸葛";
const char *kGiven = "伟 芳 娜 秀 英 敏 静 丽 强 磊 军 洋 勇 艳 杰 娟 涛 明 超 霞 平 刚 桂 华 玉 萍 红 玲 "
                     "志 建 国 文 辉 鑫 宇 浩 然 子 轩 梓 涵 欣 怡 佳 琪 晨 思 雨 博 文 俊 嘉 睿 泽 "
                     "海 波 宁 晓 春 燕 雪 梅 兰 东 林 峰 斌 鹏 飞 宏 亮 凯 昊 天 一 诺 若 曦";
const char *kDepartments = "计算机学院 文学院 外国语学院 数学学院 物理学院 化学学院 经济管理学院 法学院 "
                           "医学院 艺术学院 教务处 图书馆 后勤处 初一(1)班 初二(3)班 高一(2)班 高三(5)班";
const char *kShelves = "书库 一楼社科书库 二楼科技书库 三楼文学书库 期刊阅览室 工具书阅览室 密集书库";
const char *kSecond = "综合 教材 教参 工具书 文学作品 科普 考研 外文";
const char *kPeriodicals = "读者 青年文摘 意林 知音 故事会 半月谈 求是 新华文摘 中国国家地理 大众电影 "
                           "收获 当代 十月 人民文学 小说月报 计算机学报 软件学报 数学学报 物理学报 "
                           "化学学报 经济研究 管理世界 中国社会科学 历史研究 文学评论 中国图书馆学报 "
                           "科学通报 电子学报 法学研究 教育研究 世界知识 环球科学 科幻世界 看天下 三联生活周刊";
const char *kPhrases = "本书系统介绍了 本书收录了 本书以通俗的语言讲述了 本书是 本书全面阐述了";

const QStringList &topicWords(int i)
{
    static QList<QStringList> lists = [] {
        QList<QStringList> l;
        for (const Topic &t : kTopics)
            l << words(t.words);
        return l;
    }();
    return lists.at(i);
}
} // namespace

int LibraryWords::below(int n)
{
    return n <= 1 ? 0 : int(m_random() % quint64(n));
}

int LibraryWords::between(int low, int high)
{
    return low + below(high - low + 1);
}

bool LibraryWords::chance(double p)
{
    return std::uniform_real_distribution<double>(0, 1)(m_random) < p;
}

int LibraryWords::popular(int n)
{
    const double u = std::uniform_real_distribution<double>(0, 1)(m_random);
    return std::min(n - 1, int(n * u * u * u));
}

LibraryWords::Title LibraryWords::bookTitle()
{
    static const QStringList classics = words(kClassics);
    static const QStringList forms = words(kForms);
    static const QStringList editions = words(kEditions);
    const int topicCount = int(sizeof kTopics / sizeof kTopics[0]);
    Title t;
    if (chance(0.15)) {
        // A literary work: class I, sometimes an edition.
        const Topic &lit = kTopics[8];
        t.cls = {QString::fromUtf8(lit.letter), QString::fromUtf8(lit.name),
                 QStringLiteral("I24%1.%2").arg(below(8)).arg(between(1, 9))};
        t.名称 = pick(classics) + (chance(0.3) ? pick(editions) : QString());
        t.二级分类 = QStringLiteral("文学作品");
        return t;
    }
    const int i = below(topicCount);
    const Topic &topic = kTopics[i];
    t.cls = {QString::fromUtf8(topic.letter), QString::fromUtf8(topic.name),
             QStringLiteral("%1%2").arg(QString::fromUtf8(topic.number)).arg(between(1, 99))};
    t.名称 = pick(topicWords(i)) + pick(forms) + (chance(0.25) ? pick(editions) : QString());
    t.二级分类 = pick(words(kSecond));
    return t;
}

QString LibraryWords::personName()
{
    static const QStringList surnames = words(kSurnames);
    static const QStringList given = words(kGiven);
    QString name = pick(surnames) + pick(given);
    if (chance(0.7))
        name += pick(given);
    return name;
}

QString LibraryWords::author()
{
    QString a = personName();
    if (chance(0.2))
        a += QStringLiteral(", ") + personName();
    if (chance(0.3))
        a += chance(0.5) ? QStringLiteral(" 编著") : QStringLiteral(" 主编");
    return a;
}

QString LibraryWords::translator()
{
    return chance(0.1) ? personName() + QStringLiteral(" 译") : QString();
}

QString LibraryWords::department()
{
    return pick(departments());
}

QString LibraryWords::periodicalName(int index)
{
    static const QStringList names = words(kPeriodicals);
    return names.at(index % names.size());
}

QString LibraryWords::summary(const QString &title)
{
    static const QStringList phrases = words(kPhrases);
    return pick(phrases) + QStringLiteral("《%1》的主要内容，适合高等院校师生及广大读者阅读参考。").arg(title);
}

QString LibraryWords::shelf()
{
    return pick(shelves());
}

const QStringList &LibraryWords::classNames()
{
    static const QStringList names = [] {
        QStringList l;
        for (const Topic &t : kTopics)
            l << QString::fromUtf8(t.name);
        return l;
    }();
    return names;
}

const QStringList &LibraryWords::secondClassNames()
{
    static const QStringList names = words(kSecond);
    return names;
}

const QStringList &LibraryWords::departments()
{
    static const QStringList names = words(kDepartments);
    return names;
}

const QStringList &LibraryWords::shelves()
{
    static const QStringList names = words(kShelves);
    return names;
}
