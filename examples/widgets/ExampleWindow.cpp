#include "ExampleWindow.h"

#include <qzUnitAll.h>
#include <qzUnitValueDelegate.h>
#include <qzUnitValueEdit.h>
#include <qzViewUnitsEditor.h>

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace {

using D = qzUnitSystem::Dimension;

struct Field
{
    const char* label;
    qzUnitValue value;
};

// The specimen of a tensile test; the texts are translated when shown.
const Field Fields[] = {
    {QT_TRANSLATE_NOOP("ExampleWindow", "Gauge length"), qzUnitValue(D::Length, 50.0, qzUnitLength::Millimeter)},
    {QT_TRANSLATE_NOOP("ExampleWindow", "Diameter"), qzUnitValue(D::Length, 10.0, qzUnitLength::Millimeter)},
    {QT_TRANSLATE_NOOP("ExampleWindow", "Maximum force"), qzUnitValue(D::Force, 35.2, qzUnitForce::Kilonewton)},
    {QT_TRANSLATE_NOOP("ExampleWindow", "Yield strength"), qzUnitValue(D::Stress, 355.0, qzUnitStress::Megapascal)},
    {QT_TRANSLATE_NOOP("ExampleWindow", "Test temperature"), qzUnitValue(D::Temperature, 23.0, qzUnitTemperature::DegreeCelsius)},
    {QT_TRANSLATE_NOOP("ExampleWindow", "Hardness"), qzUnitValue(D::Hardness, 170.0, qzUnitHardness::Vickers)},
};

// The columns of the measured points: values with their units, except the
// extension, which the model keeps as plain numbers in millimetres.
const D Columns[] = {D::Time, D::Force, D::Length, D::Temperature};
constexpr int ExtensionColumn = 2;

// Languages by their own names, which are not translated.
const struct
{
    const char* code;
    const char* name;
} Languages[] = {
    {"en", "English"}, {"cs", "Čeština"}, {"de", "Deutsch"}, {"es", "Español"},
    {"fr", "Français"}, {"it", "Italiano"}, {"pl", "Polski"}, {"pt_BR", "Português (Brasil)"},
    {"ja", "日本語"}, {"ko", "한국어"}, {"zh_CN", "简体中文"},
};

} // namespace

ExampleWindow::ExampleWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_languageMenu(menuBar()->addMenu(QString()))
    , m_languages(new QActionGroup(this))
    , m_viewUnits(new QGroupBox)
    , m_viewUnitsEditor(new qzViewUnitsEditor)
{
    for (const auto& language : Languages) {
        QAction* action = m_languageMenu->addAction(QString::fromUtf8(language.name));
        action->setCheckable(true);
        action->setData(QString::fromLatin1(language.code));
        m_languages->addAction(action);
    }
    m_languages->actions().first()->setChecked(true);
    connect(m_languages, &QActionGroup::triggered, this, [this](QAction* action) { setLanguage(action->data().toString()); });

    // The units the user picks are in force at once: every field and cell
    // follows them by itself.
    connect(m_viewUnitsEditor, &qzViewUnitsEditor::viewUnitsEdited, m_viewUnitsEditor, &qzViewUnitsEditor::apply);
    auto* viewUnitsLayout = new QVBoxLayout(m_viewUnits);
    viewUnitsLayout->addWidget(m_viewUnitsEditor);

    auto* left = new QVBoxLayout;
    left->addWidget(createSpecimen());
    left->addWidget(createMeasurements(), 1);
    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->addLayout(left, 2);
    layout->addWidget(m_viewUnits, 3);
    setCentralWidget(central);
    retranslate();
}

QWidget* ExampleWindow::createSpecimen()
{
    m_specimen = new QGroupBox;
    m_specimenForm = new QFormLayout(m_specimen);
    for (const Field& field : Fields) {
        auto* edit = new qzUnitValueEdit(field.value.dimension());
        edit->setValue(field.value);
        auto* label = new QLabel;
        label->setBuddy(edit);
        m_specimenForm->addRow(label, edit);
    }
    return m_specimen;
}

QWidget* ExampleWindow::createMeasurements()
{
    // Points of a tensile curve, one every two seconds.
    const int rows = 12;
    m_model = new QStandardItemModel(rows, int(std::size(Columns)), this);
    for (int row = 0; row < rows; ++row) {
        const double time = 2.0 * row;
        const double strain = 0.004 * row * row; // mm of extension
        const double force = 35.2 * (1.0 - std::exp(-0.35 * row));
        const qzUnitValue values[] = {
            qzUnitValue(D::Time, time, qzUnitTime::Second),
            qzUnitValue(D::Force, force, qzUnitForce::Kilonewton),
            qzUnitValue(),
            qzUnitValue(D::Temperature, 23.0 + 0.15 * row, qzUnitTemperature::DegreeCelsius),
        };
        for (int column = 0; column < int(std::size(Columns)); ++column) {
            const QVariant data = column == ExtensionColumn ? QVariant(strain) : QVariant::fromValue(values[column]);
            m_model->setData(m_model->index(row, column), data);
        }
    }
    auto* table = new QTableView;
    table->setModel(m_model);
    // Four digits are what a measurement says; the cells keep every digit.
    auto* values = new qzUnitValueDelegate(table);
    values->setPrecision(4);
    table->setItemDelegate(values);
    auto* extension = new qzUnitValueDelegate(table);
    extension->setPrecision(4);
    extension->setStoredUnit(D::Length, qzUnitLength::Millimeter);
    table->setItemDelegateForColumn(ExtensionColumn, extension);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);

    m_measurements = new QGroupBox;
    auto* layout = new QVBoxLayout(m_measurements);
    layout->addWidget(table);
    return m_measurements;
}

void ExampleWindow::setLanguage(const QString& language)
{
    // The library's catalogues hold the texts of this window as well; the
    // LanguageChange they cause retranslates every widget.
    if (!qzUnitTranslator::install(QLocale(language)))
        qWarning("No catalogue for %s", qPrintable(language));
    // Numbers are read and written as the language writes them ("12,5").
    setLocale(QLocale(language));
    for (QAction* action : m_languages->actions())
        action->setChecked(action->data().toString() == language);
}

void ExampleWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void ExampleWindow::retranslate()
{
    setWindowTitle(tr("Tensile test"));
    m_languageMenu->setTitle(tr("&Language"));
    m_specimen->setTitle(tr("Specimen"));
    for (int row = 0; row < m_specimenForm->rowCount(); ++row) {
        if (QLayoutItem* label = m_specimenForm->itemAt(row, QFormLayout::LabelRole))
            static_cast<QLabel*>(label->widget())->setText(tr(Fields[row].label));
    }
    m_measurements->setTitle(tr("Measurements"));
    for (int column = 0; column < int(std::size(Columns)); ++column)
        m_model->setHeaderData(column, Qt::Horizontal, qzUnitSystem(Columns[column]).dimensionName());
    m_viewUnits->setTitle(tr("View units"));
}
