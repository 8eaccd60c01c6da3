// The value field as a user meets it. Expected numbers come from the units'
// definitions (1 in = 25.4 mm, 212 °F = 100 °C) or from the library's reading
// of the same text, never from the field's own code.
#include <qzUnitLength.h>
#include <qzUnitTemperature.h>
#include <qzUnitTranslator.h>
#include <qzUnitValueEdit.h>

#include "checks.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QVBoxLayout>

#include <cfloat>

using D = qzUnitSystem;

namespace {

qzUnitValue mm(double number) { return qzUnitValue(D::Length, number, qzUnitLength::Millimeter); }

// The field in a window beside another line edit, which takes the focus from it.
struct Form
{
    QWidget window;
    qzUnitValueEdit* field = new qzUnitValueEdit(D::Length);
    QLineEdit* other = new QLineEdit;
    QLineEdit* line() const { return field->lineEdit(); }

    explicit Form(const QLocale& locale = QLocale::c(), D::Dimension dimension = D::Length)
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        field->setDimension(dimension);
        field->setLocale(locale);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
    }

    // Steps separated by '|': "type:TEXT" over the whole text, "in" and "out"
    // of the focus, "wheel", "hide" and show, "unit" (feet and back), "view"
    // (the US preset), "German" and back, "precision", "tracking", "pick"
    // the first completion with Return in its popup, or a key.
    void run(const QString& script)
    {
        for (const QString& step : script.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            const bool typed = step.startsWith(QLatin1String("type:"));
            if (step == QLatin1String("out"))
                other->setFocus();
            else if (step == QLatin1String("hide"))
                window.hide(), window.show();
            else if (step == QLatin1String("unit"))
                field->setUnitIndex(qzUnitLength::Foot), field->setUnitIndex(-1);
            else if (step == QLatin1String("view"))
                D::setViewUnits(D::getUnitIndices(D::USCommon));
            else if (step == QLatin1String("German"))
                retranslate(QLocale::German), retranslate(QLocale::English);
            else if (step == QLatin1String("precision"))
                field->setPrecision(2);
            else if (step == QLatin1String("tracking"))
                field->setKeyboardTracking(true);
            else if (step == QLatin1String("pick"))
                line()->completer()->complete();
            else
                field->setFocus();
            if (typed) {
                line()->selectAll();
                QTest::keyClicks(line(), step.mid(5));
                line()->completer()->popup()->hide();
            } else if (step == QLatin1String("wheel")) {
                // One notch in the eighths a touchpad sends.
                for (int part = 0; part < 8; ++part) {
                    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 15), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                    QApplication::sendEvent(field, &wheel);
                }
            } else if (step == QLatin1String("pick")) {
                QTest::keyClick(line()->completer()->popup(), Qt::Key_Down);
                QTest::keyClick(line()->completer()->popup(), Qt::Key_Return);
            } else if (step.at(0).isUpper() && step != QLatin1String("German")) {
                QTest::keySequence(line(), QKeySequence(step));
            }
        }
    }
    static void retranslate(QLocale::Language language)
    {
        QVERIFY(qzUnitTranslator::install(QLocale(language)));
        QCoreApplication::processEvents();
    }
};

bool cueShown(const QLineEdit* line)
{
    const auto actions = line->actions();
    return std::any_of(actions.begin(), actions.end(), [](QAction* action) { return action->isVisible(); });
}

} // namespace

class tst_qzUnitValueEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { D::globalUnitSystem(); }
    void init() { D::setViewUnits(D::getUnitIndices(D::SImm)); }
    void unedited_data();
    void unedited();
    void exactWhileEditing_data();
    void exactWhileEditing();
    void shown_data();
    void shown();
    void commits_data();
    void commits();
    void completion_data();
    void completion();
    void badInput_data();
    void badInput();
    void randomTyping();
};

void tst_qzUnitValueEdit::unedited_data()
{
    QTest::addColumn<qzUnitValue>("value");
    QTest::addColumn<QString>("script");
    const QVector<QPair<const char*, qzUnitValue>> values{ { "a third of a metre", qzUnitValue(D::Length, 1.0 / 3.0, qzUnitLength::Meter) },
                                                           { "-0.0 in", qzUnitValue(D::Length, -0.0, qzUnitLength::Inch) },
                                                           { "NaN mm", mm(qQNaN()) },
                                                           { "DBL_MAX mil", qzUnitValue(D::Length, DBL_MAX, qzUnitLength::Mil) },
                                                           { "-inf km", qzUnitValue(D::Length, -qInf(), qzUnitLength::Kilometer) },
                                                           { "undefined", qzUnitValue::makeUndefined() } };
    for (const char* script : { "in|out", "Return|out", "Esc", "in|hide|out", "in|unit|out", "in|view|out", "in|German|out",
                                "precision", "tracking|in|Return|out" }) {
        for (const auto& value : values)
            QTest::addRow("%s, %s", script, value.first) << value.second << QString::fromLatin1(script);
    }
}

// Nothing the user did not edit changes the value or emits a signal.
void tst_qzUnitValueEdit::unedited()
{
    QFETCH(qzUnitValue, value);
    QFETCH(QString, script);
    Form form;
    form.field->setValue(value);
    QSignalSpy changed(form.field, &qzUnitValueEdit::valueChanged);
    form.run(script);
    QVERIFY(identical(form.field->value(), value));
    QCOMPARE(changed.count(), 0);
    QVERIFY(form.field->hasAcceptableInput());
}

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

// Focused, the text reads back through the library as the stored double.
void tst_qzUnitValueEdit::exactWhileEditing()
{
    QFETCH(int, dimension);
    QFETCH(int, unit);
    QFETCH(QLocale, locale);
    Form form(locale, D::Dimension(dimension));
    form.field->setUnitIndex(unit);
    form.field->setFocus();
    const double kept = D::keptFactor(D::Dimension(dimension), unit);
    const double defined = D::physicalFactor(D::Dimension(dimension), unit);
    const bool keepsOtherFactor = D::keepsFactor(D::Dimension(dimension), unit) && std::fabs(kept - defined) > 1e-6 * std::fabs(defined);
    for (double number : { 1.0 / 3.0, -2.5e-7, 123456.789, 1e21 / 7.0, 0.1 + 0.2, 45.0, -0.0, 6.02214076e23 }) {
        const qzUnitValue value(D::Dimension(dimension), number, unit);
        form.field->setValue(value);
        const QString text = form.field->text();
        // Typed text reads a unit as defined; only the field itself reads the
        // symbol of a row that keeps another factor as that row.
        if (!keepsOtherFactor) {
            QString error;
            const qzUnitValue read = qzUnitValue::fromString(text, locale, D::Dimension(dimension), &error);
            QVERIFY2(identical(read, value), qPrintable(text + QLatin1String(": ") + error));
        }
        form.field->lineEdit()->setText(text + QLatin1Char(' '));
        QVERIFY2(form.field->interpretText(), qPrintable(text));
        QVERIFY2(identical(form.field->value(), value), qPrintable(text));
    }
}

// Without focus: precision() digits, the locale's separator, the shown unit.
void tst_qzUnitValueEdit::shown_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qzUnitValue>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("text");
    const qzUnitValue inch(D::Length, 0.0254, qzUnitLength::Meter);
    QTest::newRow("a third, view unit") << QLocale::c() << qzUnitValue(D::Length, 1.0 / 3.0, 0) << -1 << QString() << QStringLiteral("333.333 mm");
    QTest::newRow("decimal comma") << QLocale(QLocale::German) << mm(12.5) << -1 << QString() << QStringLiteral("12,5 mm");
    QTest::newRow("whole number") << QLocale(QLocale::French) << mm(2.0) << -1 << QString() << QStringLiteral("2,0 mm");
    QTest::newRow("two digits") << QLocale(QLocale::Danish) << mm(1.0 / 7.0) << -1 << QStringLiteral("precision") << QStringLiteral("0,14 mm");
    QTest::newRow("no group separator") << QLocale(QStringLiteral("de_CH")) << mm(123456.0) << -1 << QString() << QStringLiteral("123456.0 mm");
    QTest::newRow("view unit followed") << QLocale::c() << inch << -1 << QStringLiteral("view") << QStringLiteral("1.0 in");
    QTest::newRow("own unit kept") << QLocale::c() << inch << int(qzUnitLength::Millimeter) << QStringLiteral("view") << QStringLiteral("25.4 mm");
}

void tst_qzUnitValueEdit::shown()
{
    QFETCH(QLocale, locale);
    QFETCH(qzUnitValue, value);
    QFETCH(int, unit);
    QFETCH(QString, script);
    QFETCH(QString, text);
    Form form(locale);
    form.field->setUnitIndex(unit);
    form.field->setValue(value);
    form.run(script);
    QCOMPARE(form.field->text(), text);
}

// From 7 mm in a millimetre field, by typing, stepping (0.1 mm) and keys.
void tst_qzUnitValueEdit::commits_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("unit");       // the shown unit, -1 for the view unit (mm)
    QTest::addColumn<bool>("bounded");   // between 0 m and 0.5 in
    QTest::addColumn<QString>("script");
    QTest::addColumn<double>("expected"); // in the shown unit; NaN: 7 mm unchanged
    QTest::addColumn<int>("changes");
    QTest::addColumn<int>("refusals");
    QTest::addColumn<QString>("message"); // a part of the message left; empty when acceptable
    const auto row = [](const char* name, const char* locale, int unit, bool bounded, const char* script, double expected, int changes,
                        int refusals = 0, const char* message = "") {
        QTest::newRow(name) << QString::fromLatin1(locale) << unit << bounded << QString::fromUtf8(script) << expected << changes << refusals
                            << QString::fromUtf8(message);
    };
    const double unchanged = qQNaN();
    const int inch = qzUnitLength::Inch;
    row("decimal comma", "de_DE", -1, false, "type:12,5|Return", 12.5, 1);
    row("point and symbol in German", "de_DE", -1, false, "type:12.5 mm|Return", 12.5, 1);
    row("inch in millimetres", "C", -1, false, "type:1 in|out", 25.4, 1);
    row("feet and inches", "C", -1, false, "type:3 ft 4 in|Enter", 1016.0, 1);
    row("fraction", "C", -1, false, "type:1/4 in|Return", 6.35, 1);
    row("bare number in the shown inch", "C", inch, false, "type:2|Return", 2.0, 1);
    row("metres in inches", "de_DE", inch, false, "type:0,0254 m|Return", 1.0, 1);
    row("the same value typed", "C", -1, false, "type:7.0 mm|Return", 7.0, 0);
    row("tracking: each keystroke", "C", -1, false, "tracking|type:123", 123.0, 3);
    row("tracking: typed back to the text shown", "C", -1, false, "tracking|in|type:7.0 mm", 7.0, 2);
    row("completion picked with Return", "C", -1, false, "type:1 in|pick", 25.4, 1);
    row("tracking: not a rejected one", "C", -1, false, "tracking|type:1z|Return", 1.0, 1, 1, "z");
    row("unknown unit, three attempts", "C", -1, false, "type:12 zorg|Return|Enter|out", unchanged, 0, 3, "zorg");
    row("another dimension", "C", -1, false, "type:5 kg|Return", unchanged, 0, 1, "kg");
    row("no number", "C", -1, false, "type:abc|out", unchanged, 0, 1, "abc");
    row("above the maximum", "C", -1, true, "type:13|Return", unchanged, 0, 1, "at most 12.7 mm");
    row("below the minimum", "C", -1, true, "type:-1 in|Return", unchanged, 0, 1, "at least 0.0 mm");
    row("Escape restores", "C", -1, false, "type:5 kg|Return|Esc|out", unchanged, 0, 1);
    row("Up", "C", -1, true, "Up", 7.1, 1);
    row("Down", "C", -1, true, "Down", 6.9, 1);
    row("PageUp, ten steps", "C", -1, true, "PgUp", 8.0, 1);
    row("PageUp from a typed text to the maximum", "C", -1, true, "type:12.65|PgUp", 12.7, 1);
    row("PageDown to the minimum", "C", -1, true, "type:0.5|Return|PgDown", 0.0, 2);
    row("wheel", "C", -1, true, "wheel|wheel", 7.2, 2);
}

void tst_qzUnitValueEdit::commits()
{
    QFETCH(QString, locale);
    QFETCH(int, unit);
    QFETCH(bool, bounded);
    QFETCH(QString, script);
    QFETCH(double, expected);
    QFETCH(int, changes);
    QFETCH(int, refusals);
    QFETCH(QString, message);
    Form form{ QLocale(locale) };
    if (bounded) {
        form.field->setMinimum(qzUnitValue(D::Length, 0.0, qzUnitLength::Meter));
        form.field->setMaximum(qzUnitValue(D::Length, 0.5, qzUnitLength::Inch));
    }
    form.field->setSingleStep(0.1);
    form.field->setUnitIndex(unit);
    form.field->setValue(mm(7.0));
    form.window.setStyleSheet(QStringLiteral("qzUnitValueEdit[acceptableInput=\"false\"] QLineEdit { background: red }"));
    QSignalSpy changed(form.field, &qzUnitValueEdit::valueChanged);
    QSignalSpy refused(form.field, &qzUnitValueEdit::inputRejected);
    form.run(script);
    const qzUnitValue value = form.field->value();
    if (std::isnan(expected)) {
        QVERIFY(identical(value, mm(7.0)));
    } else {
        QCOMPARE(value.unitIndex(), unit < 0 ? int(qzUnitLength::Millimeter) : unit);
        QVERIFY2(closeTo(value.value(), expected, 1e-15), qPrintable(form.field->text()));
    }
    QCOMPARE(changed.count(), changes);
    if (changes)
        QVERIFY(identical(changed.last().first().value<qzUnitValue>(), value));
    QCOMPARE(refused.count(), refusals);
    const QString left = form.field->errorMessage();
    QCOMPARE(form.field->hasAcceptableInput(), message.isEmpty());
    QVERIFY2(message.isEmpty() ? left.isEmpty() : left.contains(message), qPrintable(left));
    if (refusals && !left.isEmpty())
        QCOMPARE(refused.last().first().toString(), left);
    QVERIFY(form.line()->toolTip() == left && form.line()->accessibleDescription() == left);
    QCOMPARE(cueShown(form.line()), !message.isEmpty());
    QCOMPARE(form.line()->palette().color(QPalette::Base) == QColor(Qt::red), !message.isEmpty());
}

void tst_qzUnitValueEdit::completion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("offered"); // empty when nothing is offered
    QTest::newRow("symbol") << QStringLiteral("12 mi") << QStringLiteral("12 mi");
    QTest::newRow("name after a sum") << QStringLiteral("3 ft 4 Inc") << QStringLiteral("3 ft 4 ") + qzUnitLength::name(qzUnitLength::Inch);
    QTest::newRow("right after the digits") << QStringLiteral("5k") << QStringLiteral("5 km");
    QTest::newRow("no unit begun") << QStringLiteral("12,5 ") << QString();
}

void tst_qzUnitValueEdit::completion()
{
    QFETCH(QString, text);
    QFETCH(QString, offered);
    Form form;
    form.run(QLatin1String("type:") + text);
    QCompleter* completer = form.line()->completer();
    QStringList completions;
    for (int row = 0; completer->setCurrentRow(row); ++row)
        completions << completer->pathFromIndex(completer->currentIndex());
    QVERIFY2(offered.isEmpty() ? completions.isEmpty() : completions.contains(offered), qPrintable(completions.join(QLatin1Char('|'))));
}

void tst_qzUnitValueEdit::badInput_data()
{
    QTest::addColumn<qzUnitValue>("value");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("NaN, digits pasted") << mm(qQNaN()) << QStringLiteral("1") + QString(199999, QLatin1Char('0'));
    QTest::newRow("undefined, letters pasted") << qzUnitValue::makeUndefined() << QString(200000, QLatin1Char('m'));
}

// Kept and shown (and stepped without a change); a pasted page refused at once.
void tst_qzUnitValueEdit::badInput()
{
    QFETCH(qzUnitValue, value);
    QFETCH(QString, pasted);
    Form form;
    form.field->setValue(value);
    form.run(QStringLiteral("Up|out|in"));
    QApplication::clipboard()->setText(pasted);
    QElapsedTimer timer;
    timer.start();
    form.line()->selectAll();
    form.line()->paste();
    form.run(QStringLiteral("Return"));
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY2(form.field->errorMessage().contains(QLatin1String("1000")), qPrintable(form.field->errorMessage()));
    QVERIFY(identical(form.field->value(), value));
}

// Whatever is typed, the value changes only to what the library reads.
void tst_qzUnitValueEdit::randomTyping()
{
    const QLocale german(QLocale::German);
    Form form(german);
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
