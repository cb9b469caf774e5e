#include "platform/resources.h"

#include <QtCore/qglobal.h>

// Outside any namespace, as the resource initialiser is declared there.
static void registergreenfold() {
    Q_INIT_RESOURCE(greenfold);
}

namespace greenfold {

void initresources() {
    static const bool once = (registergreenfold(), true);
    (void)once;
}

} // namespace greenfold
