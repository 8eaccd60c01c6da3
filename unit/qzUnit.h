#ifndef QZUNIT_H
#define QZUNIT_H

#include "qzUnitGlobal.h"

#include <QString>
#include <QStringList>

class qzUnitTable;

/*!
  Abstract base of every dimension class. An object stands for one unit of its
  dimension; its only state is the index of that unit in the dimension's unit
  table. Indices are stored as given and range-tested where they are read.
*/
class QZUNIT_EXPORT qzUnit
{
public:
    //! SI prefixes shared by the classes whose units are prefixed multiples.
    static constexpr double PikoFactor = 1e-12; //!< 1e-12
    static constexpr double NanoFactor = 1e-9; //!< 1e-9
    static constexpr double MicroFactor = 1e-6; //!< 1e-6
    static constexpr double MilliFactor = 0.001; //!< 0.001
    static constexpr double CentiFactor = 0.01; //!< 0.01
    static constexpr double KiloFactor = 1000.0; //!< 1000.0
    static constexpr double MegaFactor = 1e6; //!< 1e6
    static constexpr double GigaFactor = 1e9; //!< 1e9
    static constexpr double TeraFactor = 1e12; //!< 1e12

    //! Stands at \a unitIndex; the index is not range-checked.
    qzUnit(int unitIndex = 0) : m_unitIndex(unitIndex) {}
    //! Copies the index.
    qzUnit(const qzUnit& other) = default;
    //! Copies the index only; the dynamic type of the target stays.
    qzUnit& operator=(const qzUnit& other) = default;
    virtual ~qzUnit();

    //! Converts \a value from the current unit to \a unitIndex and makes it current.
    virtual void changeTo(int unitIndex, double& value) = 0;
    //! Translated name of the current unit.
    virtual QString name() const = 0;
    //! Translated name of the dimension.
    virtual QString dimensionName() const = 0;
    //! English name of the dimension, untranslated.
    virtual QString dimensionNameEnglish() const = 0;
    //! Symbol of the current unit.
    virtual QString symbol() const = 0;
    //! Text between a number and its symbol; one space unless a class says otherwise.
    virtual QString valueSymbolSeparator() const;
    //! Index of the dimension's SI unit.
    virtual int getSIUnitIndex();
    //! Number of units: one more than the highest valid index.
    virtual int maxIndex() const = 0;

    //! Compares unit indices only; the dimensions are the handle's business.
    bool operator==(const qzUnit& other) const { return m_unitIndex == other.m_unitIndex; }

    //! The index of the unit the object stands in, as stored.
    int unitIndex() const { return m_unitIndex; }

    //! Names of all units in index order. Steps the object through its units,
    //! hence not const; the object ends at the index it started from.
    QStringList names();
    //! Symbols of all units in index order; see names().
    QStringList symbols();

protected:
    //! Stores the index without converting or checking anything.
    void setUnitIndex(int unitIndex) { m_unitIndex = unitIndex; }

private:
    friend class qzUnitTable;
    // Values move their own unit object in place when they convert.
    friend class qzUnitValue;
    QStringList texts(QString (qzUnit::*text)() const);

    int m_unitIndex;
};

#endif // QZUNIT_H
