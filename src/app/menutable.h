#pragma once

#include <QString>
#include <QVector>

namespace app
{

// One item of the main menu. Items with a class name open that child window
// under the caption; the others run an action of the main window.
struct MenuEntry {
    QString menu;
    QString item;
    QString className; // empty for actions
    QString caption;
    int flag; // permission flag enabling the item; 0 for always enabled
};

const QVector<MenuEntry>& menuTable();

// The toolbar, left to right: the caption and the menu item each button runs
// (empty item: the button has an action of its own).
struct ToolEntry {
    QString objectName;
    QString caption;
    QString item;
};

const QVector<ToolEntry>& toolTable();

} // namespace app
