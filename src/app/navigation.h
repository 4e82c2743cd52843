#pragma once

#include <QString>

class QWidget;

namespace app
{

// The open-or-activate rule: bring forward the child window whose caption is
// exactly caption, else create a window of the named class and give it the
// caption. Returns the window, or nullptr when the class is not known.
QWidget* openOrActivate(const QString& caption, const QString& className);

// Creates a child window by class name ("Tzengjiajifen"); nullptr when unknown.
// Every window class that opens by caption is listed in childwindows.cpp.
QWidget* createChildWindow(const QString& className);

} // namespace app
