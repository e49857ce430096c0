// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <memory>

class GridWidget;
class ListReport;
class QComboBox;
class QPushButton;
class SharedConnection;

// "分类统计": copies and their value per class of the books or of the periodicals.
// Opens on the books; "统计" counts the table the combo box names (图书 or 期刊 only).
class TSortSearchFM : public QDialog
{
    Q_OBJECT
public:
    explicit TSortSearchFM(SharedConnection &db, QWidget *parent = nullptr);

    GridWidget *grid() const { return DBGrid1; }
    void Button1Click(); // 统计
    void Button2Click(); // 导出Excel
    void Button3Click(); // 打印
    // The printed list of the rows shown.
    std::unique_ptr<ListReport> report() const;

private:
    SharedConnection &m_db;
    QComboBox *ComboBox1;
    QPushButton *Button1, *Button2, *Button3, *Button4;
    GridWidget *DBGrid1;
};
