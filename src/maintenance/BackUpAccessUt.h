// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeView;
class SharedConnection;

// The backup window "备份数据": a folder chosen by drive and folder tree, the backups
// already in it, and 备份, which writes the engine's online copy of the database there.
class TBackUpAccessFm : public QDialog
{
    Q_OBJECT
public:
    explicit TBackUpAccessFm(SharedConnection &db, QWidget *parent = nullptr);

private:
    void DriveComboBox1Change();
    void showFolder(const QString &folder);
    void refreshFiles();
    void Button1Click(); // 备份

    SharedConnection &m_db;
    QComboBox *DriveComboBox1;
    QTreeView *DirectoryListBox1;
    QFileSystemModel *m_folders;
    QLineEdit *FolderEdit;
    QListWidget *FileListBox1;
    QPushButton *Button1, *Button2;
};
