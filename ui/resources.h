// LoadResources: the icons compiled into the program.
#pragma once

namespace wrennet {

// Makes the icons compiled into the program available under ":/icons". The
// window and its dialogs live in a static library, whose resources have to be
// registered by hand; doing it more than once is harmless.
void LoadResources();

}  // namespace wrennet
