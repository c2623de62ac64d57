#pragma once

#include "handlerboundary.h"
#include "qtmessagebox.h"
#include "switchchart.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QSpinBox;

namespace brisolant {

class ChartPageView;
class LabelPages;

// A chart's labels as they will be printed, a page at a time, on the sheet or
// tape chosen and from the label chosen on: prints them through the system's
// print dialog and saves them as PDF, the files --labels writes.
//
// Keyboard: Alt+S the sheet, Alt+T the label to start at; Ctrl+P prints,
// Ctrl+S saves; on the page, Page Up, Page Down, Home and End turn the pages;
// Escape closes.
class LabelsDialog final : public QDialog {
    Q_OBJECT

public:
    // path is the rig file's, whose folder and name a save offers.
    LabelsDialog(SwitchChart::Chart chart, QString title, QString path, QWidget* parent);
    ~LabelsDialog() override;
    LabelsDialog(const LabelsDialog&) = delete;
    LabelsDialog& operator=(const LabelsDialog&) = delete;
    LabelsDialog(LabelsDialog&&) = delete;
    LabelsDialog& operator=(LabelsDialog&&) = delete;

    // The labels of a chart drawn anew, as when a fixture type's profile
    // changes in the chart's window; the sheet and the start chosen stay.
    void setChart(SwitchChart::Chart chart);

private:
    // The labels laid out anew for the sheet and start chosen.
    void layOut();
    void print();
    void savePdf();

    SwitchChart::Chart m_chart;
    QString m_title;
    QString m_path;
    std::unique_ptr<LabelPages> m_labels;
    QtMessageBox m_messageBox;
    HandlerBoundary m_boundary;
    QComboBox* m_sheet = nullptr;
    QSpinBox* m_start = nullptr;
    ChartPageView* m_view = nullptr;
    QLabel* m_pageNumber = nullptr;
};

} // namespace brisolant
