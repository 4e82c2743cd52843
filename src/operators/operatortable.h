#pragma once

#include <QObject>

namespace operators
{

// Lets an open operator list know that another window changed the table 操作员,
// so it shows the rows as they are without waiting to be brought forward.
class OperatorTable : public QObject
{
    Q_OBJECT
public:
    static OperatorTable& instance();
    void notifyChanged() { emit changed(); }

signals:
    void changed();
};

} // namespace operators
