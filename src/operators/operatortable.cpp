#include "operators/operatortable.h"

namespace operators
{

OperatorTable& OperatorTable::instance()
{
    static OperatorTable table;
    return table;
}

} // namespace operators
