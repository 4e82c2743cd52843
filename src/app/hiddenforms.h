#pragma once

namespace app
{

// The dialogs created once at start-up, hidden, and shown modally by their owners.
void createHiddenForms();

} // namespace app
