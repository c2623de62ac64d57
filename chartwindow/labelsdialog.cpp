#include "labelsdialog.h"

#include "chartpageview.h"
#include "labelpages.h"
#include "labelsheet.h"
#include "pdfchart.h"
#include "pdfpages.h"
#include "savedfile.h"
#include "toolbutton.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSpinBox>

#include <utility>

namespace brisolant {

LabelsDialog::LabelsDialog(SwitchChart::Chart chart, QString title, QString path, QWidget* parent)
    : QDialog(parent)
    , m_chart(std::move(chart))
    , m_title(std::move(title))
    , m_path(std::move(path))
    , m_messageBox(this)
    , m_boundary(m_messageBox) {
    setObjectName(QStringLiteral("LabelsDialog"));
    setWindowTitle(tr("%1 \u2013 labels").arg(m_title));
    auto* layout = new QVBoxLayout(this);
    auto* tools = new QHBoxLayout;
    layout->addLayout(tools);

    auto* sheetLabel = new QLabel(tr("&Sheet:"), this);
    m_sheet = new QComboBox(this);
    m_sheet->setObjectName(QStringLiteral("sheet"));
    for (const LabelSheet& sheet : LabelSheet::all()) {
        m_sheet->addItem(sheet.describe(), QString::fromLatin1(sheet.name));
    }
    // The sheets sold where the paper is Letter are Letter sheets.
    const bool letter = PdfChart::localPageSize().id() == QPageSize::Letter;
    m_sheet->setCurrentIndex(
        m_sheet->findData(letter ? QStringLiteral("letter-67x25") : QStringLiteral("a4-63x38")));
    sheetLabel->setBuddy(m_sheet);
    m_sheet->setAccessibleName(tr("Sheet"));
    m_sheet->setAccessibleDescription(tr("The label sheet or tape the labels are printed on."));
    auto* startLabel = new QLabel(tr("S&tart at label:"), this);
    m_start = new QSpinBox(this);
    m_start->setObjectName(QStringLiteral("start"));
    startLabel->setBuddy(m_start);
    m_start->setAccessibleName(tr("Start at label"));
    m_start->setAccessibleDescription(
        tr("The first label to print on, counted across and then down, for a sheet partly "
           "used."));
    tools->addWidget(sheetLabel);
    tools->addWidget(m_sheet, 1);
    tools->addWidget(startLabel);
    tools->addWidget(m_start);

    auto* buttons = new QHBoxLayout;
    addToolButton(*this, *buttons, m_boundary, "printLabels", tr("&Print labels\u2026"),
                  QKeySequence::keyBindings(QKeySequence::Print),
                  tr("Prints the labels through the system's print dialog."), [this] { print(); });
    addToolButton(*this, *buttons, m_boundary, "saveLabels", tr("Save labels as P&DF\u2026"),
                  QKeySequence::keyBindings(QKeySequence::Save),
                  tr("Saves the labels as a PDF file, as they are shown."), [this] { savePdf(); });
    buttons->addStretch();
    m_pageNumber = new QLabel(this);
    m_pageNumber->setObjectName(QStringLiteral("pageNumber"));
    buttons->addWidget(m_pageNumber);
    layout->addLayout(buttons);

    m_view = new ChartPageView(this);
    m_view->setObjectName(QStringLiteral("labels"));
    m_view->setAccessibleName(tr("Labels page"));
    layout->addWidget(m_view, 1);
    connect(m_view, &ChartPageView::pageShown, m_pageNumber, [this](int page, int count) {
        m_pageNumber->setText(tr("Page %1 of %2").arg(page + 1).arg(count));
    });
    const auto relayOut = [this] {
        m_boundary.run([this] { layOut(); });
    };
    connect(m_sheet, &QComboBox::currentIndexChanged, this, relayOut);
    connect(m_start, &QSpinBox::valueChanged, this, relayOut);
    resize(640, 720);
    layOut();
    m_view->setFocus(Qt::OtherFocusReason);
}

LabelsDialog::~LabelsDialog() = default;

void LabelsDialog::setChart(SwitchChart::Chart chart) {
    m_chart = std::move(chart);
    layOut();
}

void LabelsDialog::layOut() {
    const LabelSheet* sheet = LabelSheet::named(m_sheet->currentData().toString());
    if (sheet == nullptr) {
        return;
    }
    // A tape has no label to start at.
    m_start->setEnabled(!sheet->tape);
    m_start->setRange(1, sheet->labelsPerPage());
    m_labels = std::make_unique<LabelPages>(m_chart, m_title, *sheet, m_start->value());
    m_view->setPages(m_labels.get());
}

void LabelsDialog::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(m_labels->pageSize());
    printer.setFullPage(true);
    printer.setDocName(LabelPages::tr("Labels: %1").arg(m_title));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print the labels"));
    dialog.setMinMax(1, static_cast<int>(m_labels->pageCount()));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // The sheet decides the paper, whatever the dialog offered.
    printer.setPageSize(m_labels->pageSize());
    std::size_t first = 0;
    std::size_t last = m_labels->pageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange) {
        first = std::min(last, static_cast<std::size_t>(std::max(1, printer.fromPage()) - 1));
        last = std::clamp(static_cast<std::size_t>(std::max(1, printer.toPage()) - 1), first, last);
    }
    if (!m_labels->print(printer, first, last)) {
        m_messageBox.show(tr("The labels could not be printed on \"%1\".")
                              .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                                      : printer.outputFileName())
                              .toStdString());
    }
}

void LabelsDialog::savePdf() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save the labels as PDF"),
        savedfile::proposal(m_path, QStringLiteral("-labels.pdf")), tr("PDF files (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (savedfile::isRig(path, m_path)) {
        m_messageBox.show(
            tr("Not saved: \"%1\" is the file the chart was read from.").arg(path).toStdString());
        return;
    }
    const QByteArray bytes = PdfPages::render(*m_labels, LabelPages::tr("Labels: %1").arg(m_title));
    // An existing file is replaced only by a complete new one.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        m_messageBox.show(
            tr("Cannot write \"%1\": %2.").arg(path, out.errorString()).toStdString());
    }
}

} // namespace brisolant

#include "moc_labelsdialog.cpp"
