#ifndef QZUNITCOMBOBOX_H
#define QZUNITCOMBOBOX_H

#include "qzUnitWidgetsGlobal.h"

#include <qzUnitSystem.h>

#include <QComboBox>

/*!
  A combo box of the units of one dimension, in the order of their unit
  indices, each shown by its translated name and its symbol ("Millimeter
  (mm)"; a unit whose name is its symbol is shown once). The row of an item is
  its unit index, which each item also holds as its user data. The texts
  follow the application's translators; a retranslation keeps the current
  unit and emits nothing.
*/
class QZUNIT_WIDGETS_EXPORT qzUnitComboBox : public QComboBox
{
    Q_OBJECT
    //! The dimension whose units are listed.
    Q_PROPERTY(qzUnitSystem::Dimension dimension READ dimension WRITE setDimension)
    //! The unit index of the current item; the property QDataWidgetMapper reads and writes.
    Q_PROPERTY(int currentUnitIndex READ currentUnitIndex WRITE setCurrentUnitIndex NOTIFY currentUnitIndexChanged USER true)

public:
    //! An empty combo box, of the undefined dimension.
    explicit qzUnitComboBox(QWidget* parent = nullptr);
    //! The units of \a dimension, the dimension's view unit current.
    explicit qzUnitComboBox(qzUnitSystem::Dimension dimension, QWidget* parent = nullptr);

    //! The dimension whose units are listed.
    qzUnitSystem::Dimension dimension() const { return m_dimension; }
    /*!
      Lists the units of \a dimension (none for the undefined dimension and
      values that name none) and makes its view unit current. Emits
      currentUnitIndexChanged() once when the dimension is another one.
    */
    void setDimension(qzUnitSystem::Dimension dimension);

    //! The unit index of the current item; -1 when there is none.
    int currentUnitIndex() const;

public slots:
    //! Makes unit \a unitIndex current; an index outside the dimension's
    //! units leaves no item current, as QComboBox::setCurrentIndex() does.
    void setCurrentUnitIndex(int unitIndex);

signals:
    //! The current unit changed, by the user or by a call; -1 for none.
    void currentUnitIndexChanged(int unitIndex);

protected:
    //! Retranslates the items on QEvent::LanguageChange.
    void changeEvent(QEvent* event) override;

private:
    void fill();
    void retranslate();
    void forwardIndex(int row);

    qzUnitSystem::Dimension m_dimension = qzUnitSystem::Undefined;
    // Set while the items are rebuilt, when QComboBox reports passing states.
    bool m_filling = false;
};

#endif // QZUNITCOMBOBOX_H
