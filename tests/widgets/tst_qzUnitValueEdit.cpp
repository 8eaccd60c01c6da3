// The value field as a user meets it: nothing changes unless the user edited
// it, every digit while editing, typing read as the parser reads it, texts
// that cannot be committed, bounds and steps, completion, signals, view units
// followed, bad input. Expected numbers come from the units' definitions.
#include <qzUnitLength.h>
#include <qzUnitTemperature.h>
#include <qzUnitTranslator.h>
#include <qzUnitValueEdit.h>

#include "checks.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QApplication>
#include <QCompleter>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QVBoxLayout>

#include <algorithm>
#include <cfloat>
#include <memory>

using D = qzUnitSystem;

namespace {

// A window with the field and another line edit to take the focus from it.
struct Form
{
    QWidget window;
    qzUnitValueEdit* field;
    QLineEdit* other;
    QLineEdit* line() const { return field->lineEdit(); }

    explicit Form(D::Dimension dimension, const QLocale& locale = QLocale::c())
    {
        auto* layout = new QVBoxLayout(&window);
        field = new qzUnitValueEdit(dimension);
        field->setLocale(locale);
        other = new QLineEdit;
        layout->addWidget(field);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
    }
    // Types over the whole text, as a user who selected it, then presses Return.
    void type(const QString& text, bool commit = true)
    {
        field->setFocus();
        line()->selectAll();
        QTest::keyClicks(line(), text);
        line()->completer()->popup()->hide();
        if (commit)
            QTest::keyClick(line(), Qt::Key_Return);
    }
};

qzUnitValue mm(double number) { return qzUnitValue(D::Length, number, qzUnitLength::Millimeter); }

} // namespace

class tst_qzUnitValueEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { D::setViewUnits(D::getUnitIndices(D::SImm)); }
    void nothingChangesUnlessEdited_data();
    void nothingChangesUnlessEdited();
    void exactWhileEditing_data();
    void exactWhileEditing();
    void shortOtherwise_data();
    void shortOtherwise();
    void typing_data();
    void typing();
    void rejected_data();
    void rejected();
    void boundsAndSteps_data();
    void boundsAndSteps();
    void completion_data();
    void completion();
    void signalsPerCommit_data();
    void signalsPerCommit();
    void viewUnitsFollowed();
    void badInput_data();
    void badInput();
    void randomTyping();
};

void tst_qzUnitValueEdit::initTestCase()
{
    qzUnitSystem::globalUnitSystem();
}

void tst_qzUnitValueEdit::nothingChangesUnlessEdited_data()
{
    QTest::addColumn<qzUnitValue>("value");
    QTest::addColumn<QString>("action");
    const QVector<QPair<const char*, qzUnitValue>> values{
        { "a third of a metre", qzUnitValue(D::Length, 1.0 / 3.0, qzUnitLength::Meter) },
        { "-0.0 in", qzUnitValue(D::Length, -0.0, qzUnitLength::Inch) },
        { "NaN mm", mm(qQNaN()) },
        { "DBL_MAX mil", qzUnitValue(D::Length, DBL_MAX, qzUnitLength::Mil) },
        { "-inf km", qzUnitValue(D::Length, -qInf(), qzUnitLength::Kilometer) },
        { "0.1 + 0.2 mm", mm(0.1 + 0.2) },
        { "undefined", qzUnitValue::makeUndefined() },
    };
    for (const char* action : { "focus in and out", "Return", "Enter", "hide and show", "unit and back", "view units",
                                "retranslation", "Escape", "precision", "keyboard tracking and focus" }) {
        for (const auto& value : values)
            QTest::addRow("%s, %s", action, value.first) << value.second << QString::fromLatin1(action);
    }
}

void tst_qzUnitValueEdit::nothingChangesUnlessEdited()
{
    QFETCH(qzUnitValue, value);
    QFETCH(QString, action);
    Form form(D::Length);
    form.field->setValue(value);
    QSignalSpy changed(form.field, &qzUnitValueEdit::valueChanged);
    if (action.startsWith(QLatin1String("keyboard")))
        form.field->setKeyboardTracking(true);
    form.field->setFocus();
    if (action == QLatin1String("Return") || action == QLatin1String("Enter") || action == QLatin1String("Escape"))
        QTest::keyClick(form.line(), action == QLatin1String("Return") ? Qt::Key_Return : action == QLatin1String("Enter") ? Qt::Key_Enter : Qt::Key_Escape);
    if (action == QLatin1String("hide and show")) {
        form.window.hide();
        form.window.show();
    }
    if (action == QLatin1String("unit and back")) {
        form.field->setUnitIndex(qzUnitLength::Foot);
        form.field->setUnitIndex(-1);
    }
    if (action == QLatin1String("view units"))
        D::setViewUnits(D::getUnitIndices(D::USCommon));
    if (action == QLatin1String("retranslation")) {
        QVERIFY(qzUnitTranslator::install(QLocale(QLocale::German)));
        QCoreApplication::processEvents();
        QVERIFY(qzUnitTranslator::install(QLocale(QLocale::English)));
        QCoreApplication::processEvents();
    }
    if (action == QLatin1String("precision"))
        form.field->setPrecision(2);
    form.other->setFocus();
    QVERIFY(identical(form.field->value(), value));
    QCOMPARE(changed.count(), 0);
    QVERIFY(form.field->hasAcceptableInput());
}

// Focused, the text reads back through the library as the stored double.
void tst_qzUnitValueEdit::exactWhileEditing_data()
{
    QTest::addColumn<int>("dimension");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QLocale>("locale");
    for (D::Dimension dimension : { D::Length, D::Temperature, D::Stress, D::Hardness, D::Energy }) {
        for (int unit = 0; unit < D(dimension).maxIndex(); ++unit) {
            for (const char* name : { "C", "en_US", "de_DE", "fr_FR", "de_CH", "da_DK" })
                QTest::addRow("%s %d %s", qPrintable(D::dimensionKey(dimension)), unit, name) << int(dimension) << unit << QLocale(QString::fromLatin1(name));
        }
    }
}

void tst_qzUnitValueEdit::exactWhileEditing()
{
    QFETCH(int, dimension);
    QFETCH(int, unit);
    QFETCH(QLocale, locale);
    Form form(D::Dimension(dimension), locale);
    form.field->setUnitIndex(unit);
    form.field->setFocus();
    for (double number : { 1.0 / 3.0, -2.5e-7, 123456.789, 1e21 / 7.0, 0.1 + 0.2, 45.0, -0.0, 6.02214076e23 }) {
        const qzUnitValue value(D::Dimension(dimension), number, unit);
        form.field->setValue(value);
        const QString text = form.field->text();
        QString error;
        const qzUnitValue read = qzUnitValue::fromString(text, locale, D::Dimension(dimension), &error);
        QVERIFY2(identical(read, value), qPrintable(text + QLatin1String(": ") + error));
    }
}

void tst_qzUnitValueEdit::shortOtherwise_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qzUnitValue>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("text");
    QTest::newRow("a third, in the view unit") << QLocale::c() << qzUnitValue(D::Length, 1.0 / 3.0, qzUnitLength::Meter) << 6 << QStringLiteral("333.333 mm");
    QTest::newRow("decimal comma") << QLocale(QLocale::German) << mm(12.5) << 6 << QStringLiteral("12,5 mm");
    QTest::newRow("whole number") << QLocale(QLocale::French) << mm(2.0) << 6 << QStringLiteral("2,0 mm");
    QTest::newRow("three digits") << QLocale(QLocale::Danish) << mm(1.0 / 7.0) << 3 << QStringLiteral("0,143 mm");
    QTest::newRow("Swiss point, no group separator") << QLocale(QStringLiteral("de_CH")) << mm(1234567.0) << 7 << QStringLiteral("1234567.0 mm");
}

void tst_qzUnitValueEdit::shortOtherwise()
{
    QFETCH(QLocale, locale);
    QFETCH(qzUnitValue, value);
    QFETCH(int, precision);
    QFETCH(QString, text);
    Form form(D::Length, locale);
    form.field->setPrecision(precision);
    form.field->setValue(value);
    QCOMPARE(form.field->text(), text);
}

void tst_qzUnitValueEdit::typing_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("dimension");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    const QLocale german(QLocale::German);
    const int view = -1;
    QTest::newRow("decimal comma") << german << int(D::Length) << view << QStringLiteral("12,5") << 12.5;
    QTest::newRow("point and symbol in German") << german << int(D::Length) << view << QStringLiteral("12.5 mm") << 12.5;
    QTest::newRow("inch in a millimetre field") << QLocale::c() << int(D::Length) << view << QStringLiteral("1 in") << 25.4;
    QTest::newRow("feet and inches") << QLocale::c() << int(D::Length) << view << QStringLiteral("3 ft 4 in") << 40 * 25.4;
    QTest::newRow("fraction") << QLocale::c() << int(D::Length) << view << QStringLiteral("1/4 in") << 6.35;
    QTest::newRow("bare number in the shown inch") << QLocale::c() << int(D::Length) << int(qzUnitLength::Inch) << QStringLiteral("2") << 2.0;
    QTest::newRow("metres in an inch field") << german << int(D::Length) << int(qzUnitLength::Inch) << QStringLiteral("0,0254 m") << 1.0;
    QTest::newRow("Fahrenheit in a Celsius field") << QLocale::c() << int(D::Temperature) << int(qzUnitTemperature::DegreeCelsius)
                                                   << QStringLiteral("212 \u00B0F") << 100.0;
}

void tst_qzUnitValueEdit::typing()
{
    QFETCH(QLocale, locale);
    QFETCH(int, dimension);
    QFETCH(int, shown);
    QFETCH(QString, text);
    QFETCH(double, expected);
    Form form(D::Dimension(dimension), locale);
    form.field->setUnitIndex(shown);
    QSignalSpy changed(form.field, &qzUnitValueEdit::valueChanged);
    form.type(text);
    const qzUnitValue value = form.field->value();
    QCOMPARE(value.unitIndex(), shown < 0 ? D::viewUnitIndex(D::Dimension(dimension)) : shown);
    QVERIFY2(closeTo(value.value(), expected, 1e-14), qPrintable(QString::number(value.value(), 'g', 17)));
    QCOMPARE(changed.count(), 1);
    QVERIFY(identical(changed.first().first().value<qzUnitValue>(), value));
}

void tst_qzUnitValueEdit::rejected_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named"); // a part of the message
    QTest::newRow("unknown unit") << QStringLiteral("12 zorg") << QStringLiteral("zorg");
    QTest::newRow("another dimension") << QStringLiteral("5 kg") << QStringLiteral("kg");
    QTest::newRow("no number") << QStringLiteral("abc") << QStringLiteral("abc");
    QTest::newRow("above the maximum in inches") << QStringLiteral("13") << QStringLiteral("at most 12.7 mm");
    QTest::newRow("below the minimum") << QStringLiteral("-1 in") << QStringLiteral("at least 0.0 mm");
}

void tst_qzUnitValueEdit::rejected()
{
    QFETCH(QString, text);
    QFETCH(QString, named);
    Form form(D::Length);
    form.field->setMaximum(qzUnitValue(D::Length, 0.5, qzUnitLength::Inch));
    form.field->setMinimum(qzUnitValue(D::Length, 0.0, qzUnitLength::Meter));
    form.field->setValue(mm(7.0));
    form.window.setStyleSheet(QStringLiteral("qzUnitValueEdit[acceptableInput=\"false\"] QLineEdit { background: red }"));
    const QString committed = form.field->text();
    QSignalSpy changed(form.field, &qzUnitValueEdit::valueChanged);
    QSignalSpy rejected(form.field, &qzUnitValueEdit::inputRejected);
    form.type(text, false);
    QVERIFY(!form.field->hasAcceptableInput());
    QTest::keyClick(form.line(), Qt::Key_Return);
    QTest::keyClick(form.line(), Qt::Key_Enter);
    form.other->setFocus();
    QCOMPARE(rejected.count(), 3);
    const QString message = form.field->errorMessage();
    QVERIFY2(message.contains(named), qPrintable(message));
    QCOMPARE(rejected.last().first().toString(), message);
    QCOMPARE(form.line()->toolTip(), message);
    QCOMPARE(form.line()->accessibleDescription(), message);
    QCOMPARE(form.field->property("acceptableInput"), QVariant(false));
    QCOMPARE(form.line()->palette().color(QPalette::Base), QColor(Qt::red));
    const auto actions = form.line()->actions();
    QVERIFY(std::any_of(actions.begin(), actions.end(), [](QAction* action) { return action->isVisible(); }));
    QCOMPARE(form.field->text(), text);
    form.field->setFocus();
    QTest::keyClick(form.line(), Qt::Key_Escape);
    QVERIFY(form.field->hasAcceptableInput());
    QVERIFY(form.field->errorMessage().isEmpty() && form.line()->toolTip().isEmpty());
    QVERIFY(std::none_of(actions.begin(), actions.end(), [](QAction* action) { return action->isVisible(); }));
    QVERIFY(form.line()->palette().color(QPalette::Base) != QColor(Qt::red));
    form.other->setFocus();
    QCOMPARE(form.field->text(), committed);
    QVERIFY(identical(form.field->value(), mm(7.0)));
    QCOMPARE(changed.count(), 0);
}

// Millimetres shown, 0.1 mm a step, between 0 m and 0.5 in.
void tst_qzUnitValueEdit::boundsAndSteps_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<QString>("action");
    QTest::addColumn<double>("expected");
    QTest::newRow("Up") << 1.0 << "Up" << 1.1;
    QTest::newRow("Down") << 1.0 << "Down" << 0.9;
    QTest::newRow("PageUp, ten steps") << 1.0 << "PageUp" << 2.0;
    QTest::newRow("PageDown clamped to the minimum") << 0.5 << "PageDown" << 0.0;
    QTest::newRow("Up clamped to the maximum in inches") << 12.65 << "Up" << 12.7;
    QTest::newRow("three steps, rounded") << 0.0 << "stepBy(3)" << 0.3;
    QTest::newRow("wheel") << 1.0 << "wheel" << 1.1;
    QTest::newRow("from a typed text") << 1.0 << "type 5, Up" << 5.1;
}

void tst_qzUnitValueEdit::boundsAndSteps()
{
    QFETCH(double, start);
    QFETCH(QString, action);
    QFETCH(double, expected);
    Form form(D::Length);
    form.field->setMinimum(qzUnitValue(D::Length, 0.0, qzUnitLength::Meter));
    form.field->setMaximum(qzUnitValue(D::Length, 0.5, qzUnitLength::Inch));
    form.field->setSingleStep(0.1);
    form.field->setValue(qzUnitValue(D::Length, start / 1000.0, qzUnitLength::Meter));
    QSignalSpy changed(form.field, &qzUnitValueEdit::valueChanged);
    form.field->setFocus();
    if (action == QLatin1String("stepBy(3)")) {
        form.field->stepBy(3);
    } else if (action == QLatin1String("wheel")) {
        QWheelEvent wheel(QPointF(5, 5), form.field->mapToGlobal(QPoint(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(form.field, &wheel);
    } else {
        if (action.startsWith(QLatin1String("type"))) {
            form.type(QStringLiteral("5"), false);
            action = QStringLiteral("Up");
        }
        const QMap<QString, Qt::Key> keys{ { QStringLiteral("Up"), Qt::Key_Up }, { QStringLiteral("Down"), Qt::Key_Down },
                                           { QStringLiteral("PageUp"), Qt::Key_PageUp }, { QStringLiteral("PageDown"), Qt::Key_PageDown } };
        QTest::keyClick(form.line(), keys.value(action));
    }
    QCOMPARE(changed.count(), 1);
    QCOMPARE(form.field->value().unitIndex(), int(qzUnitLength::Millimeter));
    QVERIFY2(closeTo(form.field->value().value(), expected, 1e-15), qPrintable(form.field->text()));
}

void tst_qzUnitValueEdit::completion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("offered"); // the completed text, empty when nothing is offered
    QTest::newRow("symbol") << QStringLiteral("12 mi") << QStringLiteral("12 mi");
    QTest::newRow("translated name after a sum") << QStringLiteral("3 ft 4 Inc") << QStringLiteral("3 ft 4 ") + qzUnitLength::name(qzUnitLength::Inch);
    QTest::newRow("symbol right after the digits") << QStringLiteral("5k") << QStringLiteral("5 km");
    QTest::newRow("nothing before a unit is begun") << QStringLiteral("12,5 ") << QString();
}

void tst_qzUnitValueEdit::completion()
{
    QFETCH(QString, text);
    QFETCH(QString, offered);
    Form form(D::Length);
    form.type(text, false);
    QCompleter* completer = form.line()->completer();
    QStringList completions;
    for (int row = 0; completer->setCurrentRow(row); ++row)
        completions << completer->pathFromIndex(completer->currentIndex());
    QVERIFY2(offered.isEmpty() ? completions.isEmpty() : completions.contains(offered), qPrintable(completions.join(QLatin1Char('|'))));
}

void tst_qzUnitValueEdit::signalsPerCommit_data()
{
    QTest::addColumn<bool>("tracking");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("one per commit") << false << QStringLiteral("123") << 1;
    QTest::newRow("tracking: one per keystroke") << true << QStringLiteral("123") << 3;
    QTest::newRow("tracking: none for an unacceptable text") << true << QStringLiteral("1z") << 1;
    QTest::newRow("tracking: none for the same value") << true << QStringLiteral("7") << 0;
    QTest::newRow("the same value typed") << false << QStringLiteral("7.0 mm") << 0;
}

void tst_qzUnitValueEdit::signalsPerCommit()
{
    QFETCH(bool, tracking);
    QFETCH(QString, text);
    QFETCH(int, count);
    Form form(D::Length);
    form.field->setValue(mm(7.0));
    form.field->setKeyboardTracking(tracking);
    QSignalSpy changed(form.field, &qzUnitValueEdit::valueChanged);
    QSignalSpy finished(form.field, &qzUnitValueEdit::editingFinished);
    form.type(text);
    QCOMPARE(changed.count(), count);
    QCOMPARE(finished.count(), text.contains(QLatin1Char('z')) ? 0 : 1);
}

// A field in the view unit follows it at once; one in a unit of its own does
// not; neither changes its value.
void tst_qzUnitValueEdit::viewUnitsFollowed()
{
    Form form(D::Length);
    qzUnitValueEdit fixed(D::Length);
    fixed.setUnitIndex(qzUnitLength::Millimeter);
    const qzUnitValue value = qzUnitValue(D::Length, 0.0254, qzUnitLength::Meter);
    form.field->setValue(value);
    fixed.setValue(value);
    QSignalSpy changed(form.field, &qzUnitValueEdit::valueChanged);
    D::setViewUnits(D::getUnitIndices(D::USCommon));
    QCOMPARE(form.field->text(), QStringLiteral("1.0 in"));
    QCOMPARE(fixed.text(), QStringLiteral("25.4 mm"));
    D::setViewUnitIndex(D::Length, qzUnitLength::Centimeter);
    QCOMPARE(form.field->text(), QStringLiteral("2.54 cm"));
    QVERIFY(identical(form.field->value(), value) && identical(fixed.value(), value));
    QCOMPARE(changed.count(), 0);
}

void tst_qzUnitValueEdit::badInput_data()
{
    QTest::addColumn<qzUnitValue>("value");
    QTest::addColumn<QString>("pasted");
    const QString digits = QStringLiteral("1") + QString(199999, QLatin1Char('0'));
    const QString letters(200000, QLatin1Char('m'));
    QTest::newRow("NaN, digits pasted") << mm(qQNaN()) << digits;
    QTest::newRow("inf, letters pasted") << mm(qInf()) << letters;
    QTest::newRow("DBL_MAX, digits pasted") << mm(DBL_MAX) << digits;
    QTest::newRow("undefined, letters pasted") << qzUnitValue::makeUndefined() << letters;
}

void tst_qzUnitValueEdit::badInput()
{
    QFETCH(qzUnitValue, value);
    QFETCH(QString, pasted);
    Form form(D::Length);
    form.field->setValue(value);
    form.field->setFocus();
    form.field->stepBy(1);
    QApplication::clipboard()->setText(pasted);
    QElapsedTimer timer;
    timer.start();
    form.line()->selectAll();
    form.line()->paste();
    QTest::keyClick(form.line(), Qt::Key_Return);
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!form.field->hasAcceptableInput());
    QVERIFY2(form.field->errorMessage().contains(QLatin1String("1000")), qPrintable(form.field->errorMessage()));
    QVERIFY(identical(form.field->value(), value));
}

// Whatever is typed, the value changes only to what the library reads.
void tst_qzUnitValueEdit::randomTyping()
{
    const QLocale german(QLocale::German);
    Form form(D::Length, german);
    const QString alphabet = QStringLiteral("0123456789.,-+/ eEmincftkg\u00B0");
    QRandomGenerator random(23);
    for (int round = 0; round < 400; ++round) {
        QString text;
        for (int i = random.bounded(1, 9); i > 0; --i)
            text += alphabet.at(random.bounded(alphabet.size()));
        form.field->setValue(mm(7.0));
        form.line()->setText(text);
        form.field->interpretText();
        qzUnitValue expected = form.field->hasAcceptableInput() ? qzUnitValue::fromString(text, german, D::Length) : mm(7.0);
        expected.changeTo(qzUnitLength::Millimeter);
        QVERIFY2(identical(form.field->value(), expected), qPrintable(text));
    }
}

QTEST_MAIN(tst_qzUnitValueEdit)
#include "tst_qzUnitValueEdit.moc"
