#pragma once

#include "platform/ui/childform.h"

class QLineEdit;
class QPushButton;

namespace ui
{
class DBGridEh;
}

// 会员消费类别设置: the consumption categories and their points ratios.
class Tleixing : public ui::ChildForm
{
    Q_OBJECT
public:
    explicit Tleixing(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void reopenList();
    bool nameTaken();
    void checkNameOnLeave();
    void save();
    void change();
    void remove();
    int selectedRow() const;

    QLineEdit* m_edit1;
    QLineEdit* m_edit3;
    ui::DBGridEh* m_grid;
    QPushButton* m_bitBtn2;
    QPushButton* m_bitBtn3;
    QPushButton* m_bitBtn4;
    QPushButton* m_bitBtn5;
};
