#ifndef QZVIEWUNITSEDITOR_H
#define QZVIEWUNITSEDITOR_H

#include "qzUnitWidgetsGlobal.h"

#include <qzUnitSystem.h>

#include <QMap>
#include <QWidget>

class QComboBox;
class QGridLayout;
class QLabel;
class QScrollArea;
class qzUnitComboBox;

/*!
  An editor of the view units: every dimension, by its translated name and
  in the order of those names, with a qzUnitComboBox of its units, and a
  choice of the five presets above them. The editor starts from the view
  units in force and changes them only when apply() is called; the choice of
  presets names the preset that the units shown equal, or "Custom". The texts
  follow the application's translators.
*/
class QZUNIT_WIDGETS_EXPORT qzViewUnitsEditor : public QWidget
{
    Q_OBJECT

public:
    //! An editor showing the view units in force.
    explicit qzViewUnitsEditor(QWidget* parent = nullptr);

    /*!
      The units shown, dimension to unit index, for each of the 56
      dimensions; a dimension whose combo box shows no unit (set to an index
      outside its table) is left out, so that apply() keeps its view unit.
    */
    QMap<int, int> viewUnits() const;
    /*!
      Shows the units of \a units (dimension to unit index); dimensions it
      does not name keep what they show, keys that name no dimension are
      ignored. Emits no viewUnitsEdited().
    */
    void setViewUnits(const QMap<int, int>& units);

    //! The combo box of \a dimension's units; null for a value that names no dimension.
    qzUnitComboBox* unitComboBox(qzUnitSystem::Dimension dimension) const;

public slots:
    //! Shows the preset \a system (qzUnitSystem::getUnitIndices()); a value
    //! that names no preset changes nothing. Emits no viewUnitsEdited().
    void setPreset(qzUnitSystem::UnitSystem system);
    //! Makes the units shown the view units (qzUnitSystem::setViewUnits()).
    void apply();

signals:
    //! The user chose a unit or a preset; not emitted for calls.
    void viewUnitsEdited();

protected:
    //! Retranslates and reorders the rows on QEvent::LanguageChange.
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void arrangeRows();
    void showMatchingPreset();
    void choosePreset(int row);

    QLabel* m_presetLabel;
    QComboBox* m_presets;
    QScrollArea* m_scrollArea;
    QGridLayout* m_rows;
    QMap<int, QLabel*> m_labels;
    QMap<int, qzUnitComboBox*> m_units;
};

#endif // QZVIEWUNITSEDITOR_H
