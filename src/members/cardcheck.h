#pragma once

#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

class QWidget;

namespace members
{

class SearchPanel;

// The look-ups every window that takes a card number needs.
// True when a formal loss report retired the number (it stands as 旧卡号).
bool isRetiredNumber(const QString& cardNumber);
// True when a member row carries the number.
bool memberExists(const QString& cardNumber);

// What one window does differently in the card check and the member search.
// Controls are named by their objectName and looked up in the window.
struct CardCheckProfile {
    // Step 1, a retired number. With lossRecordsOffer the text is a question
    // (OK opens the formal loss records of the number); without it the text is
    // a plain refusal.
    QString retiredText;
    QString retiredTextOnDoubleClick; // used when the double-click runs step 1
    bool lossRecordsOffer = true;
    bool retiredCheckOnDoubleClick = false;

    // Step 2, a number not on file: "此卡号不存在！" under this title.
    QString missingTitle = QStringLiteral("提示");

    // Step 3, 口头挂失标志.
    enum class Verbal {
        RefuseWithOffer, // question; OK opens the verbal loss records of the card
        Refuse,          // plain refusal
        Show,            // no refusal: the flag fills its control like any field
        Ignore,          // not read
    };
    Verbal verbal = Verbal::RefuseWithOffer;

    // Column of 会员卡信息 -> control, filled in this order. Line edits get the
    // text, combo boxes their edit text, date edits the date read as short
    // date text (an unreadable date raises and stops the filling there),
    // check boxes the boolean.
    QVector<QPair<QString, QString>> fields;
    // Edit1 is rewritten with 会员卡号 on Enter too (not only on double-click).
    bool rewriteCardBoxOnEnter = false;

    // The window keeps the number of the member loaded last (currentCard()).
    bool keepsCurrentCard = false;

    // Arming after a load: these controls are enabled.
    QStringList armed;
    // These are disabled again by a refused or missing number and by a search,
    // so an operation never runs on a card that did not pass the check.
    QStringList guarded;
    // Edit1 becomes read-only while a member is loaded.
    bool cardBoxReadOnlyWhileLoaded = false;
    QString focusAfterLoad;                // empty: focus unchanged
    bool focusAfterDoubleClickLoad = true; // false: only the Enter variant moves the focus

    // The member search: boxes emptied besides the three other search inputs.
    // A combo box loses its text and its list.
    QStringList clearedOnSearch;

    // Presets, one per window.
    static CardCheckProfile zengjiajifen(); // adding points
    static CardCheckProfile duihuan();      // redemption
    static CardCheckProfile jifenchaxun();  // member query
    static CardCheckProfile koutou();       // verbal loss
    static CardCheckProfile guashi();       // formal loss
    static CardCheckProfile xiugai();       // modify or delete a member (no search panel)
};

// The card check of a window, with its member search panel where it has one.
// Construct it after the window's controls exist: it connects Enter in Edit1,
// and with a panel the four search buttons, Enter in Edit3..Edit6 and the
// double-click on the result grid.
class CardCheck : public QObject
{
    Q_OBJECT
public:
    enum class Outcome { Loaded, Retired, Missing, Blocked };

    CardCheck(QWidget* window, CardCheckProfile profile, SearchPanel* panel = nullptr);

    // The two variants; also reachable by Enter in Edit1 and the double-click.
    Outcome checkEntered(const QString& cardNumber);
    Outcome checkDoubleClicked(const QString& cardNumber);

    // The number of the member that passed the check and is still armed;
    // empty when nothing is loaded or the window was disarmed since.
    const QString& checkedCard() const { return m_checked; }
    bool isLoaded() const { return m_loaded; }
    // A save runs only when this holds: a member is armed and the card box
    // still shows the number that passed the check.
    bool stillLoaded(const QString& cardBoxText) const;
    // The current card number of the windows that keep one: the last number
    // loaded successfully; not cleared by a refusal, a search or disarm().
    const QString& currentCard() const { return m_current; }

    // Disables the guarded controls, makes Edit1 editable again and forgets
    // the checked card. Windows call it when their operation finished.
    void disarm();
    void forgetCurrentCard() { m_current.clear(); }

    const CardCheckProfile& profile() const { return m_profile; }

signals:
    // After the member fields are filled and the window armed: windows add
    // what depends on their own state here.
    void loaded(const QString& cardNumber, bool viaDoubleClick);
    void refused(Outcome outcome);

private:
    Outcome run(const QString& cardNumber, bool viaDoubleClick);
    bool refuseRetired(const QString& cardNumber, bool viaDoubleClick);
    void fill(bool viaDoubleClick);
    void arm(const QString& cardNumber, bool viaDoubleClick);
    void search(const QString& column, const QString& boxName);
    QWidget* control(const QString& name) const;

    QWidget* m_window;
    CardCheckProfile m_profile;
    SearchPanel* m_panel;
    bool m_loaded = false;
    QString m_checked;
    QString m_current;
};

} // namespace members
