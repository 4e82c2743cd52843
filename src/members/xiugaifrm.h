#pragma once

#include <QDialog>

class QPushButton;

namespace members
{
class CardCheck;
class MemberForm;
} // namespace members

// 修改会员信息: loads a member by the card check, saves the changed
// particulars with the member's own team link, deletes a member, and shows
// the referral team. Shown modally by the enrolment window.
class Txiugai : public QDialog
{
    Q_OBJECT
public:
    explicit Txiugai(QWidget* parent = nullptr);

    members::CardCheck* cardCheck() const { return m_check; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void resetForm();
    void save();
    void updateMember();
    void remove();
    void showTeam();

    members::MemberForm* m_form;
    members::CardCheck* m_check;
    QPushButton* m_bitBtn1;
    QPushButton* m_bitBtn2;
    QPushButton* m_bitBtn3;
    QPushButton* m_bitBtn4;
};
