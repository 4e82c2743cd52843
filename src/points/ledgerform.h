#pragma once

#include "platform/ui/childform.h"

#include <QHash>
#include <QStringList>
#include <initializer_list>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace members
{
class CardCheck;
class SearchPanel;
struct CardCheckProfile;
} // namespace members

namespace points
{

struct ReceiptSettings;

// What the credit and the redemption window share: the member boxes with the
// card check and search panel, the held serial number, the ledger texts and
// the receipt.
class LedgerForm : public ui::ChildForm
{
    Q_OBJECT
public:
    LedgerForm(const QPoint& position, QWidget* parent);

    // The held serial number (hidden label Label22).
    QString heldSerialNumber() const;

protected:
    struct MemberBox {
        const char* name;
        const char* label;
    };
    // Creates the named boxes in a grid of labelled rows; Edit3..Edit6 get the
    // search buttons of the panel beside them and stay editable.
    QGridLayout* buildMemberBoxes(const QVector<MemberBox>& boxes);
    // The member's particulars both windows show, before their own boxes.
    static QVector<MemberBox> memberParticulars(const QVector<MemberBox>& own);
    QLineEdit* box(const QString& name) const { return m_boxes.value(name); }
    // Wires the card check once every named control exists.
    void startCardCheck(const members::CardCheckProfile& profile);

    void refreshSerial();
    // The window's large bold title line.
    QLabel* heading(const QString& text);
    // The end of both windows' reset: the entry boxes and 确定 wait for a
    // checked card, the search panel goes away, the next serial number shows.
    void awaitCard(std::initializer_list<QWidget*> disarmed);
    void paintEvent(QPaintEvent* event) override;

    // Refuses a save unless the card box still shows the member that passed the check.
    bool cardStillChecked();
    static QString balanceText(const QString& card);
    void printReceipt(const ReceiptSettings& settings, const QString& title,
                      const QStringList& body) const;

    QLabel* m_label22;
    members::SearchPanel* m_panel;
    members::CardCheck* m_check = nullptr;

private:
    QHash<QString, QLineEdit*> m_boxes;
};

} // namespace points
