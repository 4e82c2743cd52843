#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace ui
{

class DBGridEh;

// The grid's find dialog: a text, in one column or in all, found row by row
// from the current one on.
class GridFindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit GridFindDialog(DBGridEh* grid);
    // Refills the column list from the grid's visible columns.
    void refresh();
    void findNext();

private:
    DBGridEh* m_grid;
    QLineEdit* m_text;
    QComboBox* m_column;
    QCheckBox* m_wholeCell;
    QCheckBox* m_matchCase;
};

} // namespace ui
