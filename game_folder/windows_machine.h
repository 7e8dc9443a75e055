#pragma once

#include "game_folder.h"

namespace GameFolder {

// Windows itself: the installer's registry values, Program Files and the user's VirtualStore.
Machine windowsMachine();

} // namespace GameFolder
