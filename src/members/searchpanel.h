#pragma once

#include <QGroupBox>
#include <QString>

class QPushButton;

namespace ui
{
class DBGridEh;
}

namespace members
{

// The member search panel (GroupBox2): the result grid DBGridEh1 over ADOQuery7
// and the button BitBtn3 "隐藏". Hidden until a search shows it. The window
// places the panel and the four search buttons in its own layout; the card
// check (cardcheck.h) drives them.
class SearchPanel : public QGroupBox
{
    Q_OBJECT
public:
    // The searched column and its input box, in the order of BitBtn5..BitBtn8.
    struct Field {
        const char* column;
        const char* box;
    };
    static constexpr int FieldCount = 4;
    static const Field
        Fields[FieldCount]; // 会员姓名/Edit3, 身份证号/Edit4, 固定电话/Edit5, 手机/Edit6

    // The four search buttons are created as children of window.
    explicit SearchPanel(QWidget* window);

    ui::DBGridEh* grid() const { return m_grid; }
    QPushButton* hideButton() const { return m_hide; }
    // BitBtn5 + index: the small glyph button beside its input, hint "模糊查找".
    QPushButton* searchButton(int index) const { return m_search[index]; }

    // Binds the grid to the search result and shows the panel.
    void showResults();
    // 会员卡号 of a result row.
    QString cardAt(int row) const;

signals:
    void cardDoubleClicked(const QString& cardNumber);

private:
    ui::DBGridEh* m_grid;
    QPushButton* m_hide;
    QPushButton* m_search[FieldCount];
};

} // namespace members
