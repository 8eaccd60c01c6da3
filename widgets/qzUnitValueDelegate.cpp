#include "qzUnitValueDelegate.h"

#include "qzUnitValueEdit.h"
#include "qzViewUnitsNotifier.h"

qzUnitValueDelegate::qzUnitValueDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
    // Views lay out and repaint their cells again; open editors follow by themselves.
    connect(qzViewUnitsNotifier::instance(), &qzViewUnitsNotifier::viewUnitsChanged, this,
            [this] { emit sizeHintChanged(QModelIndex()); });
}

int qzUnitValueDelegate::precision() const
{
    return m_precision;
}

void qzUnitValueDelegate::setPrecision(int precision)
{
    m_precision = qBound(1, precision, 17);
}

void qzUnitValueDelegate::setStoredUnit(qzUnitSystem::Dimension dimension, int unitIndex)
{
    m_storedDimension = dimension;
    m_storedUnitIndex = unitIndex;
}

qzUnitSystem::Dimension qzUnitValueDelegate::storedDimension() const
{
    return m_storedDimension;
}

int qzUnitValueDelegate::storedUnitIndex() const
{
    return m_storedUnitIndex;
}

bool qzUnitValueDelegate::toValue(const QVariant& data, qzUnitValue& value) const
{
    if (data.userType() == qMetaTypeId<qzUnitValue>()) {
        value.exchangeValue(data.value<qzUnitValue>());
        return true;
    }
    if (data.userType() == QMetaType::Double && m_storedDimension != qzUnitSystem::Undefined) {
        value.exchangeValue(qzUnitValue(m_storedDimension, data.toDouble(), m_storedUnitIndex));
        return true;
    }
    return false;
}

QString qzUnitValueDelegate::displayText(const QVariant& data, const QLocale& locale) const
{
    qzUnitValue value;
    if (!toValue(data, value))
        return QStyledItemDelegate::displayText(data, locale);
    if (value.dimension() == qzUnitSystem::Undefined)
        return qzUnitValueEdit::formatted(value, value.unitIndex(), m_precision, locale);
    qzUnitSystem::globalUnitSystem();
    const int view = qzUnitSystem::viewUnitIndex(value.dimension());
    return qzUnitValueEdit::formatted(value, qzUnitCatalogue::table(value.dimension()).contains(view) ? view : value.unitIndex(),
                                      m_precision, locale);
}

QWidget* qzUnitValueDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    qzUnitValue value;
    if (!toValue(index.data(Qt::EditRole), value))
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* editor = new qzUnitValueEdit(value.dimension(), parent);
    editor->setPrecision(m_precision);
    return editor;
}

void qzUnitValueDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* field = qobject_cast<qzUnitValueEdit*>(editor);
    qzUnitValue value;
    if (!field || !toValue(index.data(Qt::EditRole), value)) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    // Set again only when the model changed under the editor: the user's
    // typing is not thrown away for nothing.
    if (!qzUnitValueEdit::identical(field->value(), value))
        field->setValue(value);
}

void qzUnitValueDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* field = qobject_cast<qzUnitValueEdit*>(editor);
    const QVariant data = index.data(Qt::EditRole);
    qzUnitValue value;
    if (!field || !toValue(data, value)) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    // A text the editor cannot commit writes nothing.
    if (!field->interpretText())
        return;
    const qzUnitValue edited = field->value();
    if (qzUnitValueEdit::identical(edited, value))
        return;
    if (data.userType() == QMetaType::Double)
        model->setData(index, edited.value(m_storedUnitIndex), Qt::EditRole);
    else
        model->setData(index, QVariant::fromValue(edited), Qt::EditRole);
}
