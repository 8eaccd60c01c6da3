#include "qzUnitValueEdit.h"

#include <QHBoxLayout>
#include <QLineEdit>

class qzUnitValueEdit::Private
{
public:
    QLineEdit* edit = nullptr;
    qzUnitSystem::Dimension dimension = qzUnitSystem::Undefined;
    qzUnitValue value;
    qzUnitValue minimum = qzUnitValue::makeUndefined();
    qzUnitValue maximum = qzUnitValue::makeUndefined();
    int unitIndex = -1;
    int precision = 6;
    double singleStep = 1.0;
    bool keyboardTracking = false;
};

qzUnitValueEdit::qzUnitValueEdit(QWidget* parent)
    : qzUnitValueEdit(qzUnitSystem::Undefined, parent)
{
}

qzUnitValueEdit::qzUnitValueEdit(qzUnitSystem::Dimension dimension, QWidget* parent)
    : QWidget(parent), d(new Private)
{
    d->edit = new QLineEdit(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->edit);
    setFocusProxy(d->edit);
    setDimension(dimension);
}

qzUnitValueEdit::~qzUnitValueEdit() { delete d; }

qzUnitValue qzUnitValueEdit::value() const { return d->value; }
qzUnitSystem::Dimension qzUnitValueEdit::dimension() const { return d->dimension; }

void qzUnitValueEdit::setDimension(qzUnitSystem::Dimension dimension)
{
    d->dimension = dimension;
    d->value = qzUnitValue(dimension, 0.0, 0);
    d->edit->setText(d->value.valueSymbolString('g', d->precision));
}

int qzUnitValueEdit::unitIndex() const { return d->unitIndex; }
void qzUnitValueEdit::setUnitIndex(int unitIndex) { d->unitIndex = unitIndex; }
int qzUnitValueEdit::precision() const { return d->precision; }
void qzUnitValueEdit::setPrecision(int precision) { d->precision = precision; }
qzUnitValue qzUnitValueEdit::minimum() const { return d->minimum; }
void qzUnitValueEdit::setMinimum(const qzUnitValue& minimum) { d->minimum = minimum; }
qzUnitValue qzUnitValueEdit::maximum() const { return d->maximum; }
void qzUnitValueEdit::setMaximum(const qzUnitValue& maximum) { d->maximum = maximum; }
double qzUnitValueEdit::singleStep() const { return d->singleStep; }
void qzUnitValueEdit::setSingleStep(double step) { d->singleStep = step; }
void qzUnitValueEdit::stepBy(int) {}
bool qzUnitValueEdit::keyboardTracking() const { return d->keyboardTracking; }
void qzUnitValueEdit::setKeyboardTracking(bool tracking) { d->keyboardTracking = tracking; }
bool qzUnitValueEdit::hasAcceptableInput() const { return true; }
QString qzUnitValueEdit::errorMessage() const { return QString(); }
QString qzUnitValueEdit::text() const { return d->edit->text(); }
QLineEdit* qzUnitValueEdit::lineEdit() const { return d->edit; }
QSize qzUnitValueEdit::sizeHint() const { return d->edit->sizeHint(); }
QSize qzUnitValueEdit::minimumSizeHint() const { return d->edit->minimumSizeHint(); }

void qzUnitValueEdit::setValue(const qzUnitValue& value)
{
    d->value = value;
    d->edit->setText(value.valueSymbolString('g', d->precision));
}

void qzUnitValueEdit::changeEvent(QEvent* event) { QWidget::changeEvent(event); }
void qzUnitValueEdit::keyPressEvent(QKeyEvent* event) { QWidget::keyPressEvent(event); }
void qzUnitValueEdit::wheelEvent(QWheelEvent* event) { QWidget::wheelEvent(event); }
bool qzUnitValueEdit::eventFilter(QObject* watched, QEvent* event) { return QWidget::eventFilter(watched, event); }
void qzUnitValueEdit::paintEvent(QPaintEvent* event) { QWidget::paintEvent(event); }
