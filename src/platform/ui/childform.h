#pragma once

#include <QPoint>
#include <QWidget>

namespace ui
{

// A window that lives inside the main frame: it places itself at its fixed
// start position and is destroyed when closed.
class ChildForm : public QWidget
{
    Q_OBJECT
public:
    explicit ChildForm(const QPoint& position, QWidget* parent = nullptr);
    QPoint startPosition() const { return m_position; }

    // Closes the frame window around this form (the 退出 buttons).
    void closeForm();

private:
    QPoint m_position;
};

} // namespace ui
