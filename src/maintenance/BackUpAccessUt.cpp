// SPDX-License-Identifier: MIT
#include "maintenance/BackUpAccessUt.h"
#include "foundation/DayClock.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "maintenance/DatabaseBackup.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

TBackUpAccessFm::TBackUpAccessFm(SharedConnection &db, QWidget *parent)
    : QDialog(parent), m_db(db), DriveComboBox1(new QComboBox(this)), DirectoryListBox1(new QTreeView(this)),
      m_folders(new QFileSystemModel(this)), FolderEdit(new QLineEdit(this)), FileListBox1(new QListWidget(this)),
      Button1(new QPushButton(QStringLiteral("备份"), this)), Button2(new QPushButton(QStringLiteral("返回"), this))
{
    setWindowTitle(QStringLiteral("备份数据"));
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    FolderEdit->setObjectName(QStringLiteral("FolderEdit"));
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));

    // Drives: the mounted volumes, the root first.
    QStringList roots{QDir::rootPath()};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    DriveComboBox1->addItems(roots);

    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QDir::rootPath());
    DirectoryListBox1->setModel(m_folders);
    for (int c = 1; c < m_folders->columnCount(); ++c)
        DirectoryListBox1->hideColumn(c);
    DirectoryListBox1->header()->hide();

    // The example folder: where the database in use lies.
    const QString databaseFolder = m_db.dialect().isEmbedded()
        ? QFileInfo(m_db.settings().databaseFile()).absolutePath()
        : QDir::currentPath();
    auto *note = new QLabel(DatabaseBackup::restoreNote(), this);
    note->setWordWrap(true);
    auto *example = new QLabel(QStringLiteral("例如  ") + QDir::toNativeSeparators(databaseFolder) + QDir::separator(), this);
    example->setObjectName(QStringLiteral("ExampleLabel"));
    example->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("请选择好要备份的位置"), this), 0, 0, 1, 2);
    grid->addWidget(DriveComboBox1, 1, 0);
    grid->addWidget(FolderEdit, 1, 1);
    grid->addWidget(DirectoryListBox1, 2, 0);
    grid->addWidget(FileListBox1, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addWidget(example);
    layout->addLayout(buttons);
    resize(640, 440);

    connect(DriveComboBox1, &QComboBox::currentTextChanged, this, &TBackUpAccessFm::DriveComboBox1Change);
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid()) {
                    FolderEdit->setText(QDir::toNativeSeparators(m_folders->filePath(current)));
                    refreshFiles();
                }
            });
    // The model reads folders in the background: show the chosen one once its parent is read.
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, [this] {
        const QModelIndex index = m_folders->index(QDir::fromNativeSeparators(FolderEdit->text().trimmed()));
        if (index.isValid() && DirectoryListBox1->currentIndex() != index) {
            QSignalBlocker quiet(DirectoryListBox1->selectionModel());
            DirectoryListBox1->setCurrentIndex(index);
        }
        if (index.isValid())
            DirectoryListBox1->scrollTo(index, QAbstractItemView::PositionAtCenter);
    });
    connect(FolderEdit, &QLineEdit::editingFinished, this, [this] { showFolder(FolderEdit->text()); });
    connect(Button1, &QPushButton::clicked, this, &TBackUpAccessFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    showFolder(QDir::currentPath());
}

void TBackUpAccessFm::DriveComboBox1Change()
{
    showFolder(DriveComboBox1->currentText());
}

void TBackUpAccessFm::showFolder(const QString &folder)
{
    const QString path = QDir::cleanPath(QDir::fromNativeSeparators(folder.trimmed()));
    const QModelIndex index = m_folders->index(path);
    if (index.isValid()) {
        QSignalBlocker quiet(DirectoryListBox1->selectionModel());
        DirectoryListBox1->setCurrentIndex(index);
        DirectoryListBox1->scrollTo(index, QAbstractItemView::PositionAtCenter);
    }
    FolderEdit->setText(QDir::toNativeSeparators(path));
    refreshFiles();
}

void TBackUpAccessFm::refreshFiles()
{
    FileListBox1->clear();
    FileListBox1->addItems(DatabaseBackup::backupsIn(QDir::fromNativeSeparators(FolderEdit->text().trimmed())));
}

void TBackUpAccessFm::Button1Click()
{
    const QString folder = QDir::fromNativeSeparators(FolderEdit->text().trimmed());
    const DatabaseBackup::Result r = DatabaseBackup::backup(m_db, folder, DayClock::now());
    refreshFiles();
    if (!r.ok) {
        Messages::warn(this, r.message);
        return;
    }
    setWindowTitle(QStringLiteral("备份数据 ") + QDir::toNativeSeparators(r.file));
    Messages::info(this, QStringLiteral("备份成功!"));
}
