// The delegate in item views: cells shown in the view unit, cells opened and
// closed without an edit kept bit for bit and of their type, edits written,
// Escape cancelling, view units followed, QDataWidgetMapper through the
// field's USER property.
#include <qzUnitLength.h>
#include <qzUnitValueDelegate.h>
#include <qzUnitValueEdit.h>

#include "checks.h"

#include <QDataWidgetMapper>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>

#include <cstring>

using D = qzUnitSystem;

namespace {

qzUnitValue metres(double number) { return qzUnitValue(D::Length, number, qzUnitLength::Meter); }

// The data and its type, bit for bit.
bool sameData(const QVariant& a, const QVariant& b)
{
    if (a.userType() != b.userType())
        return false;
    if (a.userType() == QMetaType::Double) {
        const double x = a.toDouble(), y = b.toDouble();
        return std::memcmp(&x, &y, sizeof x) == 0;
    }
    return identical(a.value<qzUnitValue>(), b.value<qzUnitValue>());
}

// A table of a row of two cells with the delegate, the first cell's editor open.
struct Table
{
    QStandardItemModel model{ 1, 2 };
    QTableView view;
    qzUnitValueDelegate delegate;

    explicit Table(const QVariant& data)
    {
        delegate.setStoredUnit(D::Length, qzUnitLength::Meter);
        view.setItemDelegate(&delegate);
        view.setModel(&model);
        model.setData(model.index(0, 0), data, Qt::EditRole);
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        view.setCurrentIndex(model.index(0, 0));
        view.edit(model.index(0, 0));
    }
    qzUnitValueEdit* editor() const { return view.findChild<qzUnitValueEdit*>(); }
};

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
    void viewUnitsFollowed();
    void mapper();
};

void tst_qzUnitValueDelegate::displayText_data()
{
    QTest::addColumn<QVariant>("data");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("value in metres") << QVariant::fromValue(metres(0.0125)) << QLocale::c() << QStringLiteral("12.5 mm");
    QTest::newRow("double in metres, German") << QVariant(0.0125) << QLocale(QLocale::German) << QStringLiteral("12,5 mm");
    QTest::newRow("seven digits of a third") << QVariant::fromValue(metres(1.0 / 3.0)) << QLocale::c() << QStringLiteral("333.333 mm");
    QTest::newRow("a text stays a text") << QVariant(QStringLiteral("1 m")) << QLocale::c() << QStringLiteral("1 m");
    QTest::newRow("NaN") << QVariant(qQNaN()) << QLocale::c() << QStringLiteral("nan mm");
}

void tst_qzUnitValueDelegate::displayText()
{
    QFETCH(QVariant, data);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    qzUnitValueDelegate delegate;
    delegate.setStoredUnit(D::Length, qzUnitLength::Meter);
    QCOMPARE(delegate.displayText(data, locale), text);
}

// A cell opened, then closed without, with or after a cancelled edit.
void tst_qzUnitValueDelegate::cells_data()
{
    QTest::addColumn<QVariant>("data");
    QTest::addColumn<QString>("typed"); // empty: no edit
    QTest::addColumn<int>("key");
    QTest::addColumn<QVariant>("expected");
    const QVector<QPair<const char*, QVariant>> cells{
        { "value", QVariant::fromValue(metres(1.0 / 3.0)) },
        { "-0.0 in", QVariant::fromValue(qzUnitValue(D::Length, -0.0, qzUnitLength::Inch)) },
        { "NaN value", QVariant::fromValue(metres(qQNaN())) },
        { "double", QVariant(1.0 / 3.0) },
        { "double -0.0", QVariant(-0.0) },
    };
    for (const auto& cell : cells) {
        QTest::addRow("%s, Return", cell.first) << cell.second << QString() << int(Qt::Key_Return) << cell.second;
        QTest::addRow("%s, Tab", cell.first) << cell.second << QString() << int(Qt::Key_Tab) << cell.second;
        QTest::addRow("%s, focus to the view", cell.first) << cell.second << QString() << 0 << cell.second;
        QTest::addRow("%s, edit then Escape", cell.first) << cell.second << QStringLiteral("25 mm") << int(Qt::Key_Escape) << cell.second;
        const bool isDouble = cell.second.userType() == QMetaType::Double;
        QTest::addRow("%s, edit then Return", cell.first) << cell.second << QStringLiteral("1 in") << int(Qt::Key_Return)
                                                          << (isDouble ? QVariant(converted(D::Length, qzUnitLength::Millimeter, qzUnitLength::Meter, 25.4))
                                                                       : QVariant::fromValue(qzUnitValue(D::Length, 25.4, qzUnitLength::Millimeter)));
    }
}

void tst_qzUnitValueDelegate::cells()
{
    QFETCH(QVariant, data);
    QFETCH(QString, typed);
    QFETCH(int, key); // 0: the view takes the focus
    QFETCH(QVariant, expected);
    Table table(data);
    QSignalSpy written(&table.model, &QStandardItemModel::dataChanged);
    qzUnitValueEdit* editor = table.editor();
    QVERIFY(editor);
    if (!typed.isEmpty()) {
        editor->lineEdit()->selectAll();
        QTest::keyClicks(editor->lineEdit(), typed);
    }
    if (key)
        QTest::keyClick(editor->lineEdit(), Qt::Key(key));
    else
        table.view.setFocus();
    QTRY_VERIFY(!table.editor());
    const QVariant now = table.model.data(table.model.index(0, 0), Qt::EditRole);
    QVERIFY2(sameData(now, expected), qPrintable(now.toString()));
    QCOMPARE(written.count(), sameData(data, expected) ? 0 : 1);
}

void tst_qzUnitValueDelegate::viewUnitsFollowed()
{
    qzUnitValueDelegate delegate;
    QSignalSpy layout(&delegate, &qzUnitValueDelegate::sizeHintChanged);
    const QVariant data = QVariant::fromValue(metres(0.0254));
    D::setViewUnits(D::getUnitIndices(D::USCommon));
    QCOMPARE(layout.count(), 1);
    QCOMPARE(delegate.displayText(data, QLocale::c()), QStringLiteral("1.0 in"));
    D::setViewUnits(D::getUnitIndices(D::USCommon));
    QCOMPARE(layout.count(), 1);
}

// The mapper reads and writes the field through its USER property; with the
// delegate, a record submitted without an edit is not written.
void tst_qzUnitValueDelegate::mapper()
{
    QStandardItemModel model(2, 1);
    const QVariant first = QVariant::fromValue(metres(1.0 / 3.0));
    model.setData(model.index(0, 0), first);
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
    QVERIFY(sameData(model.data(model.index(0, 0)), first));
}

QTEST_MAIN(tst_qzUnitValueDelegate)
#include "tst_qzUnitValueDelegate.moc"
