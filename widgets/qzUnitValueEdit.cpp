#include "qzUnitValueEdit.h"

#include "qzUnitCompleter.h"
#include "qzUnitParser.h"
#include "qzViewUnitsNotifier.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QWheelEvent>

#include <cmath>
#include <cstring>

namespace {

// Longer texts are refused before they reach the parser: no value needs
// them, and a pasted page must not stall the field.
constexpr int MaximumTextLength = 1000;

} // namespace

class qzUnitValueEdit::Private
{
public:
    qzUnitValueEdit* q = nullptr;
    QLineEdit* edit = nullptr;
    QAction* cue = nullptr;
    qzUnitCompleter* completer = nullptr;
    qzUnitSystem::Dimension dimension = qzUnitSystem::Undefined;
    qzUnitValue value = qzUnitValue::makeUndefined();
    qzUnitValue minimum = qzUnitValue::makeUndefined();
    qzUnitValue maximum = qzUnitValue::makeUndefined();
    int unitIndex = -1;
    int precision = 6;
    double singleStep = 1.0;
    bool keyboardTracking = false;
    int wheelDelta = 0;
    // The text the field wrote itself, and the value it showed; any other
    // text was edited by the user.
    QString shownText;
    qzUnitValue shownValue = qzUnitValue::makeUndefined();
    // The reading of an edited text, kept up to date while typing.
    qzUnitValue typed = qzUnitValue::makeUndefined();
    QString error;

    bool edited() const { return edit->text() != shownText; }
    int shownUnit() const;
    QString format(const qzUnitValue& value, int digits) const;
    void show();
    void read();
    void setAcceptable(const QString& message);
    bool commit(bool finished);
    void store(const qzUnitValue& value);
};

int qzUnitValueEdit::Private::shownUnit() const
{
    if (dimension == qzUnitSystem::Undefined)
        return value.unitIndex();
    const qzUnitTable& table = qzUnitCatalogue::table(dimension);
    if (unitIndex >= 0 && table.contains(unitIndex))
        return unitIndex;
    qzUnitSystem::globalUnitSystem();
    const int view = qzUnitSystem::viewUnitIndex(dimension);
    return table.contains(view) ? view : 0;
}

QString qzUnitValueEdit::Private::format(const qzUnitValue& value, int digits) const
{
    return formatted(value, value.dimension() == qzUnitSystem::Undefined ? value.unitIndex() : shownUnit(), digits, q->locale());
}

// The parser reads the locale's decimal separator and no group separators,
// so that the text reads back as the same number.
QString qzUnitValueEdit::formatted(const qzUnitValue& value, int unitIndex, int precision, const QLocale& locale)
{
    if (value.isUndefined())
        return QString();
    const qzUnitValue shown = value.unitIndex() == unitIndex ? value : value.copyTo(unitIndex);
    QString text = shown.valueString('g', precision);
    // Qt drops the sign of -0.0, which must read back as itself.
    if (shown.value() == 0.0 && std::signbit(shown.value()) && !text.startsWith(QLatin1Char('-')))
        text.prepend(QLatin1Char('-'));
    const QString point(locale.decimalPoint());
    if (point != QLatin1String("."))
        text.replace(QLatin1Char('.'), point);
    if (shown.dimension() == qzUnitSystem::Undefined)
        return text;
    // Grown once, in place: cells of large tables come here.
    const QString separator = shown.unitSystem().valueSymbolSeparator();
    const QString symbol = shown.symbol();
    text.reserve(text.size() + separator.size() + symbol.size());
    return text.append(separator).append(symbol);
}

// Shows the committed value anew; an edited text stays until it is committed
// or restored.
void qzUnitValueEdit::Private::show()
{
    shownText = format(value, edit->hasFocus() ? QLocale::FloatingPointShortest : precision);
    shownValue.exchangeValue(value);
    // An item view selects the editor's text before it gives it the focus,
    // so that a key typed to open the cell replaces the text.
    const bool selectedAll = edit->hasSelectedText() && edit->selectedText() == edit->text();
    const QSignalBlocker blocker(edit);
    edit->setText(shownText);
    if (selectedAll)
        edit->selectAll();
    else
        edit->setCursorPosition(shownText.size());
    setAcceptable(QString());
}

// Reads the edited text as the field would commit it: in the field's
// dimension, a bare number in the shown unit, the result in the shown unit.
void qzUnitValueEdit::Private::read()
{
    typed.exchangeValue(qzUnitValue::makeUndefined());
    const QString text = edit->text();
    if (!edited()) {
        setAcceptable(QString());
        return;
    }
    if (text.size() > MaximumTextLength) {
        setAcceptable(qzUnitValueEdit::tr("The text is longer than %1 characters").arg(MaximumTextLength));
        return;
    }
    const QLocale locale = q->locale();
    // A number without a unit: read in the field's dimension, it has none of its own.
    const auto bareNumber = [&locale](const QString& typed, const qzUnitParser::Result& reading) {
        return reading.error == qzUnitParser::NoError && qzUnitParser::parse(typed, locale).error == qzUnitParser::NoUnit;
    };
    qzUnitParser::Result result = qzUnitParser::parse(text, locale, dimension);
    bool bare = bareNumber(text, result);
    if (dimension != qzUnitSystem::Undefined && qzUnitSystem::keepsFactor(dimension, shownUnit())) {
        // Typed text reads a unit as defined, but in this field the shown
        // unit's own symbol means the shown row with the factor it keeps:
        // confirming the text the field showed must not change the number.
        const QString symbol = qzUnitSystem(dimension, shownUnit()).symbol();
        const QString trimmed = text.trimmed();
        if (trimmed.endsWith(symbol)) {
            const QString number = trimmed.left(trimmed.size() - symbol.size());
            const qzUnitParser::Result own = qzUnitParser::parse(number, locale, dimension);
            if (bareNumber(number, own)) {
                result = own;
                bare = true;
            }
        }
    }
    if (result.error != qzUnitParser::NoError) {
        setAcceptable(result.message);
        return;
    }
    qzUnitValue read = result.value;
    if (dimension != qzUnitSystem::Undefined) {
        const int shown = shownUnit();
        // The parser takes a bare number in the view unit; the field means its own.
        if (bare && read.unitIndex() != shown)
            read.exchangeValue(qzUnitValue(dimension, read.value(), shown));
        else
            read.changeTo(shown);
        const bool below = minimum.isDefined() && !(read.value() >= minimum.value(shown));
        const bool above = maximum.isDefined() && !(read.value() <= maximum.value(shown));
        if (below || above) {
            setAcceptable(below ? qzUnitValueEdit::tr("'%1' is too small: at least %2").arg(text, format(minimum, precision))
                                : qzUnitValueEdit::tr("'%1' is too large: at most %2").arg(text, format(maximum, precision)));
            return;
        }
    }
    typed.exchangeValue(read);
    setAcceptable(QString());
}

// The cue of a text that cannot be committed: the property a style sheet
// selects (the field's acceptableInput, then its line edit), the frame and
// the icon drawn whatever the style, the message where tool tips and screen
// readers find it.
void qzUnitValueEdit::Private::setAcceptable(const QString& message)
{
    if (message == error && !message.isEmpty() == cue->isVisible())
        return;
    error = message;
    const bool acceptable = message.isEmpty();
    edit->setToolTip(message);
    edit->setAccessibleDescription(message);
    cue->setToolTip(message);
    cue->setVisible(!acceptable);
    for (QWidget* widget : { static_cast<QWidget*>(q), static_cast<QWidget*>(edit) }) {
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
        widget->update();
    }
}

// Commits an edited, acceptable text; an unedited one changes nothing.
// Whether the text was acceptable.
bool qzUnitValueEdit::Private::commit(bool finished)
{
    if (!edited())
        return true;
    read();
    if (!error.isEmpty()) {
        if (finished)
            emit q->inputRejected(error);
        return false;
    }
    store(typed);
    if (finished)
        show();
    return true;
}

void qzUnitValueEdit::Private::store(const qzUnitValue& newValue)
{
    if (identical(newValue, value))
        return;
    // Assignment would keep the dimension; the field stores what it is given.
    value.exchangeValue(newValue);
    emit q->valueChanged(value);
}

bool qzUnitValueEdit::identical(const qzUnitValue& a, const qzUnitValue& b)
{
    const double x = a.value();
    const double y = b.value();
    return a.dimension() == b.dimension() && a.unitIndex() == b.unitIndex() && a.isUndefined() == b.isUndefined()
        && std::memcmp(&x, &y, sizeof x) == 0;
}

qzUnitValueEdit::qzUnitValueEdit(QWidget* parent)
    : qzUnitValueEdit(qzUnitSystem::Undefined, parent)
{
}

qzUnitValueEdit::qzUnitValueEdit(qzUnitSystem::Dimension dimension, QWidget* parent)
    : QWidget(parent), d(new Private)
{
    d->q = this;
    d->edit = new QLineEdit(this);
    // A pasted page is cut to one character more than any value needs, and
    // then refused: QLineEdit alone would lay out 32767 characters.
    d->edit->setMaxLength(MaximumTextLength + 1);
    d->edit->installEventFilter(this);
    d->cue = d->edit->addAction(style()->standardIcon(QStyle::SP_MessageBoxWarning), QLineEdit::TrailingPosition);
    d->cue->setVisible(false);
    d->completer = new qzUnitCompleter(dimension, this);
    d->edit->setCompleter(d->completer);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->edit);
    setFocusProxy(d->edit);
    setFocusPolicy(d->edit->focusPolicy());
    setSizePolicy(d->edit->sizePolicy());
    connect(d->edit, &QLineEdit::textChanged, this, [this] {
        d->read();
        if (!d->keyboardTracking)
            return;
        // Typed back to the text the field showed, the value is again the
        // one it showed, not the last keystroke's.
        if (d->typed.isDefined())
            d->store(d->typed);
        else if (!d->edited())
            d->store(d->shownValue);
    });
    // Return and Enter commit before the key goes on to a dialog or an item
    // view; the line edit also says so when the key picked a completion.
    connect(d->edit, &QLineEdit::returnPressed, this, [this] {
        if (d->commit(true))
            emit editingFinished();
    });
    connect(qzViewUnitsNotifier::instance(), &qzViewUnitsNotifier::viewUnitsChanged, this, [this] {
        if (d->unitIndex < 0 && !d->edited())
            d->show();
    });
    d->dimension = dimension;
    if (dimension != qzUnitSystem::Undefined)
        d->value.exchangeValue(qzUnitValue(dimension, 0.0, d->shownUnit()));
    d->show();
}

qzUnitValueEdit::~qzUnitValueEdit()
{
    delete d;
}

qzUnitValue qzUnitValueEdit::value() const
{
    return d->value;
}

qzUnitSystem::Dimension qzUnitValueEdit::dimension() const
{
    return d->dimension;
}

void qzUnitValueEdit::setDimension(qzUnitSystem::Dimension dimension)
{
    if (dimension == d->dimension)
        return;
    d->dimension = dimension;
    d->completer->setDimension(dimension);
    d->store(dimension == qzUnitSystem::Undefined ? qzUnitValue::makeUndefined() : qzUnitValue(dimension, 0.0, d->shownUnit()));
    d->show();
}

int qzUnitValueEdit::unitIndex() const
{
    return d->unitIndex;
}

void qzUnitValueEdit::setUnitIndex(int unitIndex)
{
    d->unitIndex = unitIndex < 0 ? -1 : unitIndex;
    if (!d->edited())
        d->show();
}

int qzUnitValueEdit::precision() const
{
    return d->precision;
}

void qzUnitValueEdit::setPrecision(int precision)
{
    d->precision = qBound(1, precision, 17);
    if (!d->edited())
        d->show();
}

qzUnitValue qzUnitValueEdit::minimum() const
{
    return d->minimum;
}

void qzUnitValueEdit::setMinimum(const qzUnitValue& minimum)
{
    d->minimum.exchangeValue(minimum);
    d->read();
}

qzUnitValue qzUnitValueEdit::maximum() const
{
    return d->maximum;
}

void qzUnitValueEdit::setMaximum(const qzUnitValue& maximum)
{
    d->maximum.exchangeValue(maximum);
    d->read();
}

double qzUnitValueEdit::singleStep() const
{
    return d->singleStep;
}

void qzUnitValueEdit::setSingleStep(double step)
{
    if (std::isfinite(step) && step >= 0.0)
        d->singleStep = step;
}

// From the edited reading when there is one, else from the committed value;
// the sum rounded to 15 digits so that 0.1 + 0.2 steps to 0.3.
void qzUnitValueEdit::stepBy(int steps)
{
    if (d->dimension == qzUnitSystem::Undefined || steps == 0)
        return;
    if (d->edited() && !d->error.isEmpty())
        return;
    const int shown = d->shownUnit();
    const qzUnitValue base = d->edited() ? d->typed : d->value.copyTo(shown);
    if (base.isUndefined() || !std::isfinite(base.value()))
        return;
    const double exact = base.value() + steps * d->singleStep;
    double number = QString::number(exact, 'g', 15).toDouble();
    if (!std::isfinite(number))
        number = exact;
    if (d->minimum.isDefined())
        number = qMax(number, d->minimum.value(shown));
    if (d->maximum.isDefined())
        number = qMin(number, d->maximum.value(shown));
    d->store(qzUnitValue(d->dimension, number, shown));
    d->show();
}

bool qzUnitValueEdit::keyboardTracking() const
{
    return d->keyboardTracking;
}

void qzUnitValueEdit::setKeyboardTracking(bool tracking)
{
    d->keyboardTracking = tracking;
}

bool qzUnitValueEdit::hasAcceptableInput() const
{
    return d->error.isEmpty();
}

QString qzUnitValueEdit::errorMessage() const
{
    return d->error;
}

QString qzUnitValueEdit::text() const
{
    return d->edit->text();
}

bool qzUnitValueEdit::interpretText()
{
    return d->commit(false);
}

QLineEdit* qzUnitValueEdit::lineEdit() const
{
    return d->edit;
}

QSize qzUnitValueEdit::sizeHint() const
{
    return d->edit->sizeHint();
}

QSize qzUnitValueEdit::minimumSizeHint() const
{
    return d->edit->minimumSizeHint();
}

void qzUnitValueEdit::setValue(const qzUnitValue& value)
{
    if (d->dimension == qzUnitSystem::Undefined && value.dimension() != qzUnitSystem::Undefined) {
        d->dimension = value.dimension();
        d->completer->setDimension(d->dimension);
    }
    if (value.isUndefined() || value.dimension() == d->dimension)
        d->store(value);
    else
        d->store(qzUnitValue(d->dimension, value.value(), d->shownUnit()));
    d->show();
}

void qzUnitValueEdit::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LocaleChange) {
        // Names, symbols and messages are those of the new language.
        if (event->type() == QEvent::LanguageChange)
            d->completer->retranslate();
        if (d->edited())
            d->read();
        else
            d->show();
    }
}

// The wheel steps only a field that has the focus: scrolling a form over it
// changes nothing. With Control, ten steps a notch, as in a spin box.
void qzUnitValueEdit::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus() || d->edit->isReadOnly()) {
        event->ignore();
        return;
    }
    // A touchpad or a fine wheel sends parts of a notch; they add up to steps.
    d->wheelDelta += event->angleDelta().y();
    const int steps = d->wheelDelta / 120;
    d->wheelDelta -= steps * 120;
    if (steps != 0)
        stepBy(event->modifiers() & Qt::ControlModifier ? 10 * steps : steps);
    event->accept();
}

bool qzUnitValueEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != d->edit)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        // Every digit while editing; the line edit then selects all as usual.
        if (!d->edited())
            d->show();
        break;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason)
            break;
        if (d->commit(true)) {
            d->show();
            emit editingFinished();
        }
        // The field loses the focus with its line edit: an item view's
        // delegate, which watches the field, commits and closes it then.
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(this, &out);
        break;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        int steps = 0;
        switch (key->key()) {
        case Qt::Key_Up: steps = 1; break;
        case Qt::Key_Down: steps = -1; break;
        case Qt::Key_PageUp: steps = 10; break;
        case Qt::Key_PageDown: steps = -10; break;
        case Qt::Key_Escape:
            if (d->edited())
                d->show();
            return false;
        default: return false;
        }
        if (!d->edit->isReadOnly())
            stepBy(steps);
        return true;
    }
    case QEvent::Paint: {
        if (d->error.isEmpty())
            break;
        // The line edit paints itself first; the frame goes on top of it.
        static_cast<QObject*>(d->edit)->event(event);
        QPainter painter(d->edit);
        painter.setPen(QPen(QColor(0xd0, 0x20, 0x20), 2));
        painter.drawRect(d->edit->rect().adjusted(1, 1, -1, -1));
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
