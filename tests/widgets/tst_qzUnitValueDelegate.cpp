// The delegate in item views: cells shown in the view unit and following it,
// cells opened and closed without an edit kept bit for bit and of their type,
// edits written, Escape cancelling, QDataWidgetMapper through the USER property.
#include <qzUnitLength.h>
#include <qzUnitValueDelegate.h>
#include <qzUnitValueEdit.h>

#include "checks.h"

#include <QDataWidgetMapper>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>

using D = qzUnitSystem;

namespace {

qzUnitValue metres(double number) { return qzUnitValue(D::Length, number, qzUnitLength::Meter); }

// The same type and, bit for bit, the same data.
bool sameData(const QVariant& a, const QVariant& b)
{
    const auto value = [](const QVariant& data) { return data.userType() == QMetaType::Double ? metres(data.toDouble()) : data.value<qzUnitValue>(); };
    return a.userType() == b.userType() && identical(value(a), value(b));
}

} // namespace

class tst_qzUnitValueDelegate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { D::globalUnitSystem(); }
    void init() { D::setViewUnits(D::getUnitIndices(D::SImm)); }
    void displayText_data();
    void displayText();
    void cells_data();
    void cells();
    void mapper();
};

void tst_qzUnitValueDelegate::displayText_data()
{
    QTest::addColumn<QVariant>("data");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("us"); // the US preset applied after a first look
    QTest::addColumn<QString>("text");
    QTest::newRow("value in metres") << QVariant::fromValue(metres(0.0125)) << QLocale::c() << false << QStringLiteral("12.5 mm");
    QTest::newRow("double in metres, German") << QVariant(0.0125) << QLocale(QLocale::German) << false << QStringLiteral("12,5 mm");
    QTest::newRow("six digits") << QVariant::fromValue(metres(1.0 / 3.0)) << QLocale::c() << false << QStringLiteral("333.333 mm");
    QTest::newRow("a text stays a text") << QVariant(QStringLiteral("1 m")) << QLocale::c() << false << QStringLiteral("1 m");
    QTest::newRow("view units followed") << QVariant::fromValue(metres(0.0254)) << QLocale::c() << true << QStringLiteral("1.0 in");
}

void tst_qzUnitValueDelegate::displayText()
{
    QFETCH(QVariant, data);
    QFETCH(QLocale, locale);
    QFETCH(bool, us);
    QFETCH(QString, text);
    qzUnitValueDelegate delegate;
    delegate.setStoredUnit(D::Length, qzUnitLength::Meter);
    QSignalSpy layout(&delegate, &qzUnitValueDelegate::sizeHintChanged);
    delegate.displayText(data, locale);
    for (int i = 0; i < 2 && us; ++i)
        D::setViewUnits(D::getUnitIndices(D::USCommon));
    QCOMPARE(delegate.displayText(data, locale), text);
    QCOMPARE(layout.count(), us ? 1 : 0);
}

// A cell's editor opened, then closed by a key (0: the view takes the focus)
// after the text typed, if any.
void tst_qzUnitValueDelegate::cells_data()
{
    QTest::addColumn<QVariant>("data");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QVariant>("expected");
    const QVariant doubleInch(converted(D::Length, qzUnitLength::Inch, qzUnitLength::Meter));
    const QVariant valueInch = QVariant::fromValue(qzUnitValue(D::Length, 25.4, qzUnitLength::Millimeter));
    for (const QVariant& data : { QVariant::fromValue(metres(1.0 / 3.0)), QVariant::fromValue(qzUnitValue(D::Length, -0.0, qzUnitLength::Inch)),
                                  QVariant::fromValue(metres(qQNaN())), QVariant(1.0 / 3.0), QVariant(-0.0) }) {
        const QByteArray name = data.typeName() + QByteArray(" ") + data.toString().toLatin1();
        QTest::addRow("%s, Return", name.data()) << data << QString() << int(Qt::Key_Return) << data;
        QTest::addRow("%s, Tab", name.data()) << data << QString() << int(Qt::Key_Tab) << data;
        QTest::addRow("%s, focus to the view", name.data()) << data << QString() << 0 << data;
        QTest::addRow("%s, edit, Escape", name.data()) << data << QStringLiteral("25 mm") << int(Qt::Key_Escape) << data;
        QTest::addRow("%s, edit, Return", name.data()) << data << QStringLiteral("1 in") << int(Qt::Key_Return)
                                                       << (data.userType() == QMetaType::Double ? doubleInch : valueInch);
    }
}

void tst_qzUnitValueDelegate::cells()
{
    QFETCH(QVariant, data);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QVariant, expected);
    QStandardItemModel model(1, 2);
    QTableView view;
    qzUnitValueDelegate delegate;
    delegate.setStoredUnit(D::Length, qzUnitLength::Meter);
    view.setItemDelegate(&delegate);
    view.setModel(&model);
    model.setData(model.index(0, 0), data);
    view.show();
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QSignalSpy written(&model, &QStandardItemModel::dataChanged);
    // A typed text opens the cell by its first key, which replaces the text shown.
    view.setCurrentIndex(model.index(0, 0));
    if (typed.isEmpty())
        view.edit(model.index(0, 0));
    else
        QTest::keyClicks(&view, typed.left(1));
    auto* editor = view.findChild<qzUnitValueEdit*>();
    QVERIFY(editor);
    QTest::keyClicks(editor->lineEdit(), typed.mid(1));
    if (key)
        QTest::keyClick(editor->lineEdit(), Qt::Key(key));
    else
        view.setFocus();
    QTRY_VERIFY(!view.findChild<qzUnitValueEdit*>());
    QVERIFY2(sameData(model.data(model.index(0, 0)), expected), qPrintable(model.data(model.index(0, 0)).toString()));
    QCOMPARE(written.count(), sameData(data, expected) ? 0 : 1);
}

// The mapper reads and writes the field through its USER property; with the
// delegate, a record submitted without an edit is not written.
void tst_qzUnitValueDelegate::mapper()
{
    QStandardItemModel model(2, 1);
    model.setData(model.index(0, 0), QVariant::fromValue(metres(1.0 / 3.0)));
    model.setData(model.index(1, 0), QVariant::fromValue(metres(2.0)));
    qzUnitValueEdit field(D::Length);
    QDataWidgetMapper mapper;
    mapper.setModel(&model);
    mapper.setItemDelegate(new qzUnitValueDelegate(&mapper));
    mapper.addMapping(&field, 0);
    mapper.toFirst();
    QVERIFY(identical(field.value(), metres(1.0 / 3.0)));
    QSignalSpy written(&model, &QStandardItemModel::dataChanged);
    QVERIFY(mapper.submit());
    QCOMPARE(written.count(), 0);
    mapper.toNext();
    QVERIFY(identical(field.value(), metres(2.0)));
    field.lineEdit()->setText(QStringLiteral("5 mm"));
    QVERIFY(mapper.submit());
    QVERIFY(identical(model.data(model.index(1, 0)).value<qzUnitValue>(), qzUnitValue(D::Length, 5.0, qzUnitLength::Millimeter)));
    QCOMPARE(written.count(), 1);
}

QTEST_MAIN(tst_qzUnitValueDelegate)
#include "tst_qzUnitValueDelegate.moc"
