// SPDX-License-Identifier: MIT
#include "catalogue/MyNetTmUt.h"
#include "catalogue/CatalogueLookup.h"
#include "foundation/AppConfig.h"
#include "foundation/Messages.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <memory>

namespace {
// Sets the text of a registration box, whatever kind of box it is.
void setBoxText(QWidget *window, const char *name, const QString &text, bool quiet = false)
{
    if (!window)
        return;
    QWidget *box = window->findChild<QWidget *>(QString::fromLatin1(name));
    if (!box)
        return;
    std::unique_ptr<QSignalBlocker> blocker;
    if (quiet)
        blocker = std::make_unique<QSignalBlocker>(box);
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        edit->setText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(box))
        combo->isEditable() ? combo->setEditText(text) : combo->setCurrentText(text);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(box))
        plain->setPlainText(text);
    else if (auto *rich = qobject_cast<QTextEdit *>(box))
        rich->setPlainText(text);
}

QString boxText(QWidget *window, const char *name)
{
    if (!window)
        return {};
    QWidget *box = window->findChild<QWidget *>(QString::fromLatin1(name));
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        return edit->text();
    if (auto *combo = qobject_cast<QComboBox *>(box))
        return combo->currentText();
    return {};
}
} // namespace

TMyNetTmFm::TMyNetTmFm(QWidget *registration, const QString &baseUrl, QWidget *parent)
    : QDialog(parent ? parent : registration), m_registration(registration),
      m_lookup(new CatalogueLookup(baseUrl.isEmpty() ? CatalogueLookup::configuredBaseUrl(AppConfig::defaultIniPath())
                                                     : baseUrl,
                                   this))
{
    setWindowTitle(QStringLiteral("联网录入 2010"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    Button1 = new QPushButton(QStringLiteral("连接服务器"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    auto *label = new QLabel(QStringLiteral("图书条形码:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    BookNum = new QLineEdit(QStringLiteral("9787506042536"), this);
    BookNum->setObjectName(QStringLiteral("BookNum"));
    BookNum->installEventFilter(this);
    Button4 = new QPushButton(QStringLiteral("获取数据"), this);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button3 = new QPushButton(QStringLiteral("退出"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
    StatusLabel->setWordWrap(true);
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setHeaderLabels({QStringLiteral("名称"), QStringLiteral("作者"), QStringLiteral("分类号"),
                                QStringLiteral("出版社"), QStringLiteral("出版年"), QStringLiteral("价格"),
                                QStringLiteral("页数"), QStringLiteral("简介")});
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto *top = new QHBoxLayout;
    top->addWidget(Button1);
    top->addWidget(label);
    top->addWidget(BookNum, 1);
    top->addWidget(Button4);
    top->addWidget(Button3);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(StatusLabel);
    layout->addWidget(ListView1, 1);
    resize(760, 320);

    if (m_lookup->baseUrl().isEmpty())
        StatusLabel->setText(CatalogueLookup::notConfiguredMessage());
    else
        StatusLabel->setText(QStringLiteral("联网目录: ") + m_lookup->baseUrl());

    connect(Button1, &QPushButton::clicked, this, &TMyNetTmFm::Button1Click);
    connect(Button4, &QPushButton::clicked, this, &TMyNetTmFm::Button4Click);
    connect(BookNum, &QLineEdit::returnPressed, this, &TMyNetTmFm::Button4Click);
    connect(Button3, &QPushButton::clicked, this, &QWidget::close);
    connect(m_lookup, &CatalogueLookup::startPageArrived, this, [this](bool ok) {
        Button1->setEnabled(true);
        if (ok) {
            Messages::info(this, QStringLiteral("连接成功,可以联网获取资料!"));
            Button4->setEnabled(true);
        } else {
            Messages::warn(this, QStringLiteral("连接失败,请检查网络或联网目录的地址: ") + m_lookup->baseUrl());
        }
    });
    connect(m_lookup, &CatalogueLookup::recordArrived, this, &TMyNetTmFm::recordArrived);
}

bool TMyNetTmFm::eventFilter(QObject *watched, QEvent *event)
{
    // A click into the ISBN box selects its whole text, ready for the next scan.
    if (watched == BookNum && event->type() == QEvent::MouseButtonRelease)
        QTimer::singleShot(0, BookNum, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

bool TMyNetTmFm::configured()
{
    if (!m_lookup->baseUrl().isEmpty())
        return true;
    Messages::warn(this, CatalogueLookup::notConfiguredMessage());
    return false;
}

void TMyNetTmFm::Button1Click()
{
    if (!configured() || m_lookup->busy())
        return;
    Button1->setEnabled(false);
    m_lookup->connectToServer();
}

void TMyNetTmFm::Button4Click()
{
    if (!configured() || m_lookup->busy())
        return;
    Button4->setEnabled(false);
    m_lookup->lookUp(BookNum->text().trimmed());
}

void TMyNetTmFm::recordArrived(const QString &isbn, const OpacRecord &record)
{
    if (!record.found) {
        Messages::info(this, OpacRecord::notFoundMessage(isbn));
    } else {
        fill(record);
        auto *row = new QTreeWidgetItem(ListView1, {record.title, record.author, record.classNumber, record.publisher,
                                                    record.year, record.price, record.pages, record.summary});
        ListView1->setCurrentItem(row);
    }
    Button4->setEnabled(true);
    BookNum->setFocus();
    BookNum->selectAll();
}

void TMyNetTmFm::fill(const OpacRecord &r)
{
    QWidget *w = m_registration;
    setBoxText(w, "Edit2", r.title); // recomputes the pinyin initials there
    setBoxText(w, "Edit5", r.classNumber);
    setBoxText(w, "Edit8", r.author);
    setBoxText(w, "ComboBox3", r.publisher);
    setBoxText(w, "Edit3", BookNum->text(), true); // without the barcode reactions
    setBoxText(w, "Memo1", r.summary);
    setBoxText(w, "Edit21", r.year);
    setBoxText(w, "Edit16", r.pages);
    setBoxText(w, "Edit7", OpacRecord::priceBoxText(r.price, boxText(w, "Edit7")));
}
