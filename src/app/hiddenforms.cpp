#include "app/hiddenforms.h"

#include "members/tuanduifrm.h"
#include "operators/xiugaicaozuoyuanfrm.h"
#include "points/leixingxiugaifrm.h"

namespace app
{

void createHiddenForms()
{
    // In this order: team view, operator edit, (Excel import: not built yet), category edit.
    Ttuandui::createHidden();
    Txiugaicaozuoyuan::createHidden();
    Tleixingxiugai::createHidden();
}

} // namespace app
