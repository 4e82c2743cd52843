#pragma once

#include "platform/ui/childform.h"

class QPushButton;

namespace members
{
class MemberForm;
}

// 新增/修改会员信息: issues a new card with the member's particulars and,
// when a referrer is named, puts the newcomer into the referrer's team.
class Txinhuiyuan : public ui::ChildForm
{
    Q_OBJECT
public:
    explicit Txinhuiyuan(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void resetForm();
    // The two checks of a new number; on a refusal the box is emptied and focused.
    bool refuseCardNumber();
    void deriveBirthday();
    void lookUpReferrer();
    void save();
    void insertMember();
    void openModification();

    members::MemberForm* m_form;
    QPushButton* m_bitBtn1;
    QPushButton* m_bitBtn3;
    QPushButton* m_bitBtn4;
    QPushButton* m_bitBtn5;
};
