#pragma once

namespace app
{

// The whole program: single instance, data module, main window with login,
// the hidden dialogs, the message loop. Returns the exit code.
int run(int argc, char** argv);

} // namespace app
