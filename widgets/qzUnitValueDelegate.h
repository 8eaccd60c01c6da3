#ifndef QZUNITVALUEDELEGATE_H
#define QZUNITVALUEDELEGATE_H

#include "qzUnitWidgetsGlobal.h"

#include "qzUnitSystem.h"

#include <QStyledItemDelegate>

class qzUnitValue;

/*!
  Shows and edits values in item views: cells holding a qzUnitValue, and,
  after setStoredUnit(), cells holding plain doubles that are numbers in a
  unit of one dimension. Both are shown in the view unit of their dimension
  and follow it when the view units change; the editor is a qzUnitValueEdit.

  A cell opened and closed without an edit keeps its data as it was, bit for
  bit and of the same type; an edited qzUnitValue cell gets a qzUnitValue, an
  edited double cell a double in the stored unit.
*/
class QZUNIT_WIDGETS_EXPORT qzUnitValueDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    //! A delegate for qzUnitValue cells.
    explicit qzUnitValueDelegate(QObject* parent = nullptr);

    //! Significant digits shown in the cells (default 6).
    int precision() const;
    //! Sets the digits shown in the cells and in an editor without focus, 1 to 17.
    void setPrecision(int precision);

    //! Makes cells holding doubles numbers in \a unitIndex of \a dimension;
    //! Undefined leaves them to the base class.
    void setStoredUnit(qzUnitSystem::Dimension dimension, int unitIndex);
    //! The dimension of cells holding doubles; Undefined when they are not shown as values.
    qzUnitSystem::Dimension storedDimension() const;
    //! The unit of cells holding doubles.
    int storedUnitIndex() const;

    //! A qzUnitValue, or a double with a stored unit, in the view unit with
    //! precision() digits and \a locale's decimal separator; other data as the base class shows it.
    QString displayText(const QVariant& value, const QLocale& locale) const override;
    //! A qzUnitValueEdit for cells this delegate shows; the base class's editor otherwise.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    //! Puts the cell's value into the editor.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    //! Writes the editor's value into the model only when it differs from the cell's.
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    // The cell's data as a value; false for data the delegate does not show.
    bool toValue(const QVariant& data, qzUnitValue& value) const;

    qzUnitSystem::Dimension m_storedDimension = qzUnitSystem::Undefined;
    int m_storedUnitIndex = 0;
    int m_precision = 6;
};

#endif // QZUNITVALUEDELEGATE_H
