#include "platform/ui/fonts.h"

#include <QStringList>

namespace ui
{

QFont cjkFont(const QString& family, int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({family, QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace ui
