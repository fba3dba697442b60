// Registers the shell's windows and pickers with the window registry.
#pragma once

namespace shell {
void registerWindows();
}
