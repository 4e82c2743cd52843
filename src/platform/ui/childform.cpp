#include "platform/ui/childform.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>

namespace ui {

ChildForm::ChildForm(const QPoint& position, QWidget* parent) : QWidget(parent), m_position(position)
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

namespace {
class EnterMover : public QObject
{
public:
    EnterMover(QWidget* from, QWidget* to) : QObject(from), m_to(to) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        if (m_to && m_to->isEnabled())
            m_to->setFocus();
        return true;
    }

private:
    QWidget* m_to;
};
} // namespace

void focusOnEnter(QWidget* from, QWidget* to)
{
    from->installEventFilter(new EnterMover(from, to));
}

} // namespace ui
