#pragma once

#include <functional>

class QAbstractButton;
class QWidget;

namespace ui
{

// Enter (either key) in widget runs action instead of reaching the widget;
// for an editable drop-down its text box is watched too.
void onEnter(QWidget* widget, std::function<void()> action);

// Enter moves the focus to the next control along a window's entry order.
void focusOnEnter(QWidget* from, QWidget* to);

// Enter on a focused button presses it, as on the desk's keyboard.
void clickOnEnter(QAbstractButton* button);

} // namespace ui
