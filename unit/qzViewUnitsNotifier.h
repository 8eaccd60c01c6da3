#ifndef QZVIEWUNITSNOTIFIER_H
#define QZVIEWUNITSNOTIFIER_H

#include "qzUnitGlobal.h"

#include <QObject>

/*!
  Tells whoever shows values in view units that the view units changed:
  qzUnitSystem::setViewUnits() and qzUnitSystem::setViewUnitIndex() (a
  preset included) emit viewUnitsChanged() once per call that changed at
  least one view unit, after the change, in the thread that made it.
  Receivers in that thread are called at once; those of other threads get
  the signal through their event loop, as Qt's automatic connections do.
*/
class QZUNIT_EXPORT qzViewUnitsNotifier : public QObject
{
    Q_OBJECT

public:
    //! The one notifier of the process, created on first use.
    static qzViewUnitsNotifier* instance();

signals:
    //! One or more view units changed.
    void viewUnitsChanged();

private:
    qzViewUnitsNotifier() = default;
};

#endif // QZVIEWUNITSNOTIFIER_H
