#include "platform/ui/childform.h"

#include <QMdiSubWindow>

namespace ui
{

ChildForm::ChildForm(const QPoint& position, QWidget* parent)
    : QWidget(parent), m_position(position)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void ChildForm::closeForm()
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

} // namespace ui
