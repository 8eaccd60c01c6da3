#ifndef EXAMPLEWINDOW_H
#define EXAMPLEWINDOW_H

#include <QMainWindow>

class QActionGroup;
class QFormLayout;
class QGroupBox;
class QMenu;
class QStandardItemModel;
class qzViewUnitsEditor;

// A tensile test as a host shows it: the specimen in fields, the measured
// points in a table, the user's view units beside them, and a choice of
// language. Every text follows the language chosen.
class ExampleWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit ExampleWindow(QWidget* parent = nullptr);

    // Switches to \a language ("de", "pt_BR", ...; "en" for English).
    void setLanguage(const QString& language);

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* createSpecimen();
    QWidget* createMeasurements();
    void retranslate();

    QMenu* m_languageMenu;
    QActionGroup* m_languages;
    QGroupBox* m_specimen;
    QFormLayout* m_specimenForm;
    QGroupBox* m_measurements;
    QStandardItemModel* m_model;
    QGroupBox* m_viewUnits;
    qzViewUnitsEditor* m_viewUnitsEditor;
};

#endif // EXAMPLEWINDOW_H
