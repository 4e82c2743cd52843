#pragma once

#include <QString>

namespace app
{

// What other windows may change or read on the main window.
void applyShopName(const QString& shopName); // caption and the shop name label
void applyBackground(const QString& path);   // a failed load leaves no picture, silently
bool reminderFlag();                         // 提醒 as read at start-up
QString backupFileName();                    // preset once at start-up

} // namespace app
