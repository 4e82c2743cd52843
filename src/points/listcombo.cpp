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

} // namespace points
