#include "app/hiddenforms.h"

namespace app {

void createHiddenForms()
{
    // In this order: team view, operator edit, Excel import, category edit.
}

} // namespace app
