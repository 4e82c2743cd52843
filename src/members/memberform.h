#pragma once

#include <QComboBox>
#include <QDate>
#include <QObject>
#include <QString>

class QAbstractButton;
class QDateEdit;
class QGridLayout;
class QGroupBox;
class QLineEdit;

namespace members
{

// The occupation box: each time its drop-down opens it is refilled with the
// occupations on file, and the text typed so far is cleared.
class OccupationBox : public QComboBox
{
    Q_OBJECT
public:
    explicit OccupationBox(QWidget* parent = nullptr);
    void reload();
    void showPopup() override;
};

// The particulars of a member as the enrolment and the modification window
// show them: Edit1..Edit8, ComboBox1/2 and the two date pickers, laid out in
// one grid with the referrer group.
class MemberForm : public QObject
{
    Q_OBJECT
public:
    // occupationLabel differs between the two windows ("职   业" / "职业").
    MemberForm(QWidget* window, const QString& occupationLabel);

    QGridLayout* layout() const { return m_layout; }
    QLineEdit* edit(int number) const { return m_edits[number - 1]; } // Edit1..Edit8
    QComboBox* sex() const { return m_sex; }                          // ComboBox2
    OccupationBox* occupation() const { return m_occupation; }        // ComboBox1
    QDateEdit* birthday() const { return m_birthday; }                // DateTimePicker1
    QDateEdit* started() const { return m_started; }                  // DateTimePicker2

    // Enter moves from Edit2 along the particulars up to Edit7.
    void chainEnter();
    // Edit1..Edit8 emptied, both pickers on today.
    void clearEntries();
    // ComboBox2 refilled with 男, 女 and set to 男.
    void resetSex();

    // The values as the statements write them.
    QString birthdayText() const; // short date text of DateTimePicker1
    QString monthDayText() const; // 生日: month-day text of DateTimePicker1
    QString startedText() const;  // short date text of DateTimePicker2

private:
    QGridLayout* m_layout;
    QLineEdit* m_edits[8];
    QComboBox* m_sex;
    OccupationBox* m_occupation;
    QDateEdit* m_birthday;
    QDateEdit* m_started;
};

// The date an identity-card number carries, as short date text: characters
// 7-14 of an 18-character number, 7-12 of a 15-character one with its
// two-digit year placed in the hundred years that begin fifty years before
// currentYear. Empty for any other length.
QString birthdayFromIdentity(const QString& identity, int currentYear);

} // namespace members
