#include "points/listcombo.h"

#include "app/dm1frm.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace points
{

QStringList distinctValues(const QString& select, const QString& field)
{
    db::Query& q = app::select(TDM1::instance().ADOall, select);
    QStringList values;
    for (q.first(); !q.eof(); q.next())
        values << q.asString(field);
    return values;
}

void fillList(QComboBox* box, const QStringList& entries, bool selectFirst)
{
    const QString typed = box->currentText();
    box->clear();
    box->addItems(entries);
    if (selectFirst && !entries.isEmpty())
        box->setCurrentIndex(0);
    else if (box->isEditable())
        box->setEditText(typed);
}

RefillingComboBox::RefillingComboBox(std::function<QStringList()> entries, QWidget* parent)
    : QComboBox(parent), m_entries(std::move(entries))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void RefillingComboBox::refill(bool selectFirst)
{
    fillList(this, m_entries(), selectFirst);
}

void RefillingComboBox::showPopup()
{
    refill(false);
    QComboBox::showPopup();
}

namespace
{
class EnterAction : public QObject
{
public:
    EnterAction(QObject* parent, std::function<void()> action)
        : QObject(parent), m_action(std::move(action))
    {
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        m_action();
        return true;
    }

private:
    std::function<void()> m_action;
};
} // namespace

void onEnter(QWidget* widget, std::function<void()> action)
{
    auto* filter = new EnterAction(widget, std::move(action));
    widget->installEventFilter(filter);
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(filter);
}

} // namespace points
