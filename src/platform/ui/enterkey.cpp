#include "platform/ui/enterkey.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace ui
{
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

void focusOnEnter(QWidget* from, QWidget* to)
{
    QPointer<QWidget> target = to;
    onEnter(from, [target] {
        if (target && target->isEnabled())
            target->setFocus();
    });
}

void clickOnEnter(QAbstractButton* button)
{
    onEnter(button, [button] {
        if (button->isEnabled())
            button->click();
    });
}

} // namespace ui
