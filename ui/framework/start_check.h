#pragma once
// RONRILAB_QUIT_AFTER_SHOW=1 (any number but 0): the program quits as soon as
// its main window is shown, after printing one line that says so and names the
// help file "目次" would open. The fresh-system and package checks start the
// program this way, offscreen.
namespace ronri {

class Window;

// Arms the check of `mainWindow` when the variable asks for it; call after
// App::start().
void quitAfterShowIfAsked(const Window& mainWindow);

}  // namespace ronri
