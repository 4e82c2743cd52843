#pragma once

class QGroupBox;
class QLineEdit;
class QWidget;

namespace points
{

// The checks both category windows run before they write, in their order;
// each shows its refusal and places the focus.
bool categoryNameGiven(QLineEdit* name);
// An empty ratio becomes the default 1; a text that is not a number, or a
// ratio not greater than zero, is refused.
bool ratioAccepted(QLineEdit* ratio);

// The 说明 box both windows show.
QGroupBox* categoryHelp(QWidget* parent);

} // namespace points
