#ifndef QZUNITVALUEEDIT_H
#define QZUNITVALUEEDIT_H

#include "qzUnitWidgetsGlobal.h"

#include "qzUnitValue.h"

#include <QWidget>

class QLineEdit;

/*!
  A field for one value of a dimension: the user types a number and
  optionally a unit ("12,5", "1 in", "3 ft 4 in") into a line edit, which is
  the field's focus proxy.

  The stored value changes only when the user commits an edited text (Return,
  Enter, leaving the field, or each keystroke with keyboardTracking()), a
  step, or the host calls setValue(): focus changes, a change of the shown
  unit or of the view units, and a retranslation show the value anew and
  never touch its number. While focused the text holds every digit needed
  to read back as the same double; otherwise precision() significant digits.

  A bare number is taken in the shown unit, a number with a unit is
  converted to it. A text that cannot be committed (unknown unit, another
  dimension, out of the bounds) leaves the value as it is and stays shown,
  marked, with its message in the tool tip and the accessible description;
  each attempt to commit it emits inputRejected(), and Escape restores the
  committed text. Bounds and steps apply to what the user does, not to
  setValue().
*/
class QZUNIT_WIDGETS_EXPORT qzUnitValueEdit : public QWidget
{
    Q_OBJECT
    //! The committed value; the property item views and QDataWidgetMapper read and write.
    Q_PROPERTY(qzUnitValue value READ value WRITE setValue NOTIFY valueChanged USER true)
    //! The unit shown; -1 for the view unit.
    Q_PROPERTY(int unitIndex READ unitIndex WRITE setUnitIndex)
    //! Significant digits shown while not editing.
    Q_PROPERTY(int precision READ precision WRITE setPrecision)
    //! The step in the shown unit.
    Q_PROPERTY(double singleStep READ singleStep WRITE setSingleStep)
    //! Whether each acceptable keystroke commits.
    Q_PROPERTY(bool keyboardTracking READ keyboardTracking WRITE setKeyboardTracking)
    //! False while the text cannot be committed; style sheets select it
    //! (qzUnitValueEdit[acceptableInput="false"] QLineEdit { ... }).
    Q_PROPERTY(bool acceptableInput READ hasAcceptableInput)
    //! The text as shown.
    Q_PROPERTY(QString text READ text)

public:
    //! A field of no dimension yet; setDimension() gives it one.
    explicit qzUnitValueEdit(QWidget* parent = nullptr);
    //! A field for values of \a dimension, holding 0 in its view unit.
    explicit qzUnitValueEdit(qzUnitSystem::Dimension dimension, QWidget* parent = nullptr);
    ~qzUnitValueEdit() override;

    //! The committed value, in the unit it was set or typed in.
    qzUnitValue value() const;

    //! The dimension of the field.
    qzUnitSystem::Dimension dimension() const;
    //! Makes the field one of \a dimension; its value becomes 0 in the shown unit.
    void setDimension(qzUnitSystem::Dimension dimension);

    //! The unit shown; -1 (the default) for the dimension's view unit.
    int unitIndex() const;
    //! Shows \a unitIndex, or the view unit (followed when it changes) for -1.
    void setUnitIndex(int unitIndex);

    //! Significant digits shown while the field is not being edited (default 6).
    int precision() const;
    //! Sets the digits shown while not editing, 1 to 17.
    void setPrecision(int precision);

    //! The smallest value accepted; undefined for no bound.
    qzUnitValue minimum() const;
    //! Sets the smallest value, in any unit of the dimension.
    void setMinimum(const qzUnitValue& minimum);
    //! The largest value accepted; undefined for no bound.
    qzUnitValue maximum() const;
    //! Sets the largest value, in any unit of the dimension.
    void setMaximum(const qzUnitValue& maximum);

    //! The step of the arrow keys, PageUp/PageDown (ten steps) and the wheel, in the shown unit (default 1).
    double singleStep() const;
    //! Sets the step in the shown unit.
    void setSingleStep(double step);
    //! Adds \a steps single steps in the shown unit, clamped to the bounds.
    void stepBy(int steps);

    //! Whether each acceptable keystroke commits (default false).
    bool keyboardTracking() const;
    //! Sets whether each acceptable keystroke commits.
    void setKeyboardTracking(bool tracking);

    //! Whether the text can be committed as it stands.
    bool hasAcceptableInput() const;
    //! Why the text cannot be committed, translated; empty while it can.
    QString errorMessage() const;
    //! The text as shown.
    QString text() const;
    //! Commits an edited text as Return would, without ending the edit;
    //! whether the text was acceptable (an unedited text always is).
    bool interpretText();
    //! The line edit the user types into.
    QLineEdit* lineEdit() const;

    //! \a value converted to \a unitIndex with \a precision significant
    //! digits (QLocale::FloatingPointShortest for every digit) as the field
    //! shows it: the library's text with \a locale's decimal separator, no
    //! group separators, then the unit's symbol; empty for an undefined value.
    static QString formatted(const qzUnitValue& value, int unitIndex, int precision, const QLocale& locale);

    //! Whether \a a and \a b have the same dimension, unit and number, bit for
    //! bit (-0.0 is not 0.0, a NaN is the same NaN): what the field and its
    //! delegate compare before they call anything a change.
    static bool identical(const qzUnitValue& a, const qzUnitValue& b);

    //! The size of a line edit.
    QSize sizeHint() const override;
    //! The minimum size of a line edit.
    QSize minimumSizeHint() const override;

public slots:
    //! Stores \a value as given, bounds aside, and shows it: a field without
    //! a dimension takes the value's; a value of another dimension is taken
    //! as a number in the shown unit. Emits valueChanged() when the value
    //! differs (dimension, unit or the bits of the number).
    void setValue(const qzUnitValue& value);

signals:
    //! The committed value changed.
    void valueChanged(const qzUnitValue& value);
    //! Return, Enter or leaving the field ended an edit.
    void editingFinished();
    //! A text could not be committed, for \a message.
    void inputRejected(const QString& message);

protected:
    //! Retranslation and locale changes show the value anew.
    void changeEvent(QEvent* event) override;
    //! The wheel steps a focused field (ten steps a notch with Control).
    void wheelEvent(QWheelEvent* event) override;
    //! The line edit's focus changes and keys (Up, Down, PageUp and PageDown
    //! step, Escape restores the committed text),
    //! and the frame drawn over it while its text cannot be committed.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Private;
    Private* d;
};

#endif // QZUNITVALUEEDIT_H
