#pragma once

#include <QString>
#include <QStringList>

// What each permission flag switches on in the main window: menu items and
// toolbar buttons. Flag 15 (deleting ledger entries) is checked where it is used.
struct PermissionTarget {
    int flag;
    QString menuItem;
    QString toolButton; // empty when the flag has no button
};

const QList<PermissionTarget>& permissionMap();

// After a successful login: the status pane, then every permission-bound item
// and button off, then on again by the operator's flags.
void applyPermissions(const QString& operatorCode);
