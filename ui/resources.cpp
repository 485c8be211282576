#include "ui/resources.h"

#include <QtGlobal>

// Qt's resource registration has to be named from the global namespace.
static void RegisterWrennetResources() { Q_INIT_RESOURCE(wrennet); }

namespace wrennet {

void LoadResources() {
    static const bool registered = (RegisterWrennetResources(), true);
    (void)registered;
}

}  // namespace wrennet
