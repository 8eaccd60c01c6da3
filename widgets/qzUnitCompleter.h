#ifndef QZUNITCOMPLETER_H
#define QZUNITCOMPLETER_H

#include "qzUnitWidgetsGlobal.h"

#include "qzUnitSystem.h"

#include <QCompleter>

class QStringListModel;

/*!
  Completes the unit after a number in a line edit: the symbols and the
  translated names of one dimension's units, offered once a unit has been
  begun after the last digit ("12 m" offers mm, m, mi, ...; "3 ft 4 i" the
  units that begin with "i"), case-insensitively. The chosen unit replaces
  what was begun; the number before it stays.
*/
class QZUNIT_WIDGETS_EXPORT qzUnitCompleter : public QCompleter
{
    Q_OBJECT

public:
    //! A completer of the units of \a dimension; none for Undefined.
    explicit qzUnitCompleter(qzUnitSystem::Dimension dimension = qzUnitSystem::Undefined, QObject* parent = nullptr);

    //! The dimension whose units are offered.
    qzUnitSystem::Dimension dimension() const;
    //! Offers the units of \a dimension.
    void setDimension(qzUnitSystem::Dimension dimension);
    //! Reads the names again, in the language now loaded.
    void retranslate();

    //! The unit begun after the last digit of \a path, as the one element.
    QStringList splitPath(const QString& path) const override;
    //! The text before the unit, then the unit at \a index.
    QString pathFromIndex(const QModelIndex& index) const override;

private:
    QStringListModel* m_units;
    qzUnitSystem::Dimension m_dimension;
    // What splitPath() found before the unit, for pathFromIndex().
    mutable QString m_number;
};

#endif // QZUNITCOMPLETER_H
