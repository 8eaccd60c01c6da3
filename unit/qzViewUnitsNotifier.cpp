#include "qzViewUnitsNotifier.h"

qzViewUnitsNotifier* qzViewUnitsNotifier::instance()
{
    // Lives until the process ends: receivers disconnect themselves when
    // they go, and the setters may run after the application object is gone.
    static qzViewUnitsNotifier* const notifier = new qzViewUnitsNotifier;
    return notifier;
}
