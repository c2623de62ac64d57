#include "chartwindow.h"

#include "chartmessages.h"
#include "chartopening.h"
#include "chartpages.h"
#include "chartpageview.h"
#include "chartreading.h"
#include "chartrefused.h"
#include "csvchart.h"
#include "labelsdialog.h"
#include "pagesequence.h"
#include "pdfchart.h"
#include "pdfpages.h"
#include "profilefile.h"
#include "profilepanel.h"
#include "readingpanel.h"
#include "rigfile.h"
#include "savedfile.h"
#include "toolbutton.h"
#include "universemappages.h"

#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>
#include <QTimer>

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <utility>

namespace brisolant {

namespace {

// The papers the command line's --page-size names, in its order.
constexpr const auto& kPapers = PdfChart::kPapers;

// How long a file is read before its window shows the reading's progress: a
// quick file shows its chart at once, with no flash of a progress bar.
constexpr std::chrono::milliseconds kShowReadingAfter{300};

// The platform's keys for standard, and others where they are not among them:
// a key given twice makes the shortcut ambiguous, and it does nothing.
QList<QKeySequence> keysFor(QKeySequence::StandardKey standard, const QList<QKeySequence>& more) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence& key : more) {
        if (!keys.contains(key)) {
            keys.append(key);
        }
    }
    return keys;
}

} // namespace

void ChartWindow::openFiles(const QStringList& paths, QWidget* parent,
                            const std::function<void(int charted)>& ended) {
    auto* opening = new ChartOpening(parent, ended);
    for (const QString& path : paths) {
        opening->add(new ChartWindow(path));
    }
    opening->start();
}

ChartWindow::ChartWindow(const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_messageBox(this)
    , m_boundary(m_messageBox) {
    // Read while the window is built: reading a show file and starting the
    // fonts take about as long. The pages are laid out here, with the fonts
    // they are drawn with: Qt keeps a cache of fonts for each thread.
    m_reading = new ChartReading(path, this);
    connect(m_reading, &ChartReading::finished, this, &ChartWindow::readingFinished);
    m_file.path = path;
    m_file.title = RigFile::title(path);
    setObjectName(QStringLiteral("ChartWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("%1 \u2013 switch chart").arg(m_file.title));
    createControls();
    if (const QScreen* display = screen()) {
        const QSize room = display->availableGeometry().size() * 0.9;
        resize(std::min(room.width(), 760), std::min(room.height(), 1000));
    }
    QTimer::singleShot(kShowReadingAfter, this, &ChartWindow::showReading);
}

void ChartWindow::closeEvent(QCloseEvent* event) {
    // At once, not when the window is deleted: its chart must not come first.
    if (m_reading != nullptr) {
        m_reading->cancel();
    }
    QWidget::closeEvent(event);
}

void ChartWindow::showReading() {
    if (m_reading == nullptr) {
        return;
    }
    m_readingPanel = new ReadingPanel(*m_reading, m_file.title, this);
    qobject_cast<QBoxLayout*>(layout())->addWidget(m_readingPanel, 1);
    connect(m_readingPanel, &ReadingPanel::cancelled, this, &QWidget::close);
    show();
    m_readingPanel->setFocus(Qt::OtherFocusReason);
}

void ChartWindow::readingFinished() {
    ChartReading* reading = std::exchange(m_reading, nullptr);
    reading->deleteLater();
    delete std::exchange(m_readingPanel, nullptr);
    std::optional<QString> why;
    try {
        auto read = reading->take();
        if (auto* file = std::get_if<ChartFile>(&read)) {
            setChart(std::move(*file));
        } else {
            why = std::get<QString>(std::move(read));
        }
    } catch (...) {
        // Nothing may leave for Qt's event loop: memory running out is told
        // as a file that cannot be charted is.
        why = QtMessageBox::displayText(HandlerBoundary::describeCurrentException());
    }
    if (why) {
        Q_EMIT refused(*why);
        close();
    } else {
        for (QAction* action : std::as_const(m_chartActions)) {
            action->setEnabled(true);
        }
        m_paper->setEnabled(true);
        m_profilePanel->show();
        m_view->show();
        m_view->setFocus(Qt::OtherFocusReason);
        show();
        Q_EMIT charted();
    }
}

void ChartWindow::setChart(ChartFile file) {
    m_file = std::move(file);
    m_profilePanel->setRig(m_file.fixtures, m_file.profiles);
    showNotes();
    layOut(std::make_unique<ChartPages>(std::move(m_file.chart), m_file.title,
                                        PdfChart::localPageSize()));
}

void ChartWindow::showNotes() {
    m_notes->setPlainText(m_file.notes.join(u'\n'));
    m_notes->setVisible(!m_file.notes.isEmpty());
    // As high as its notes, up to five lines; more scroll.
    const auto lines = static_cast<int>(std::min<qsizetype>(m_file.notes.size(), 5));
    m_notes->setFixedHeight(m_notes->fontMetrics().lineSpacing() * lines +
                            2 * (m_notes->frameWidth() + 6));
}

void ChartWindow::chooseProfile(const QString& maker, const QString& type, const QString& profile) {
    const ProfileBook before = m_file.profiles;
    m_file.profiles.choose(maker.toStdString(), type.toStdString(), profile.toStdString());
    try {
        m_file.chartAgain();
    } catch (const ChartRefused& refused) {
        // Nothing left to chart with that profile: the chart stays as it was.
        m_file.profiles = before;
        m_profilePanel->setRig(m_file.fixtures, m_file.profiles);
        m_messageBox.show(ChartMessages::refusal(refused).toStdString());
        return;
    }
    showNotes();
    layOut(
        std::make_unique<ChartPages>(std::move(m_file.chart), m_file.title, m_pages->pageSize()));
    // A labels window open beside the chart prints what the chart now shows.
    for (LabelsDialog* labels : findChildren<LabelsDialog*>(Qt::FindDirectChildrenOnly)) {
        labels->setChart(m_pages->chart());
    }
    try {
        ProfileFile::choose(ProfileFile::userPath(), maker.toStdString(), type.toStdString(),
                            profile.toStdString());
    } catch (const std::runtime_error& error) {
        m_messageBox.show(tr("The chart shows the choice, but it is not kept for the next "
                             "rig: %1")
                              .arg(QString::fromStdString(error.what()))
                              .toStdString());
    }
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::createControls() {
    auto* layout = new QVBoxLayout(this);
    auto* tools = new QHBoxLayout;
    layout->addLayout(tools);
    const auto button = [this, tools](const char* name, const QString& text,
                                      const QList<QKeySequence>& keys, const QString& description,
                                      std::function<void()> handler) {
        QAction* action = addToolButton(*this, *tools, m_boundary, name, text, keys, description,
                                        std::move(handler));
        action->setEnabled(false); // until there is a chart
        m_chartActions.append(action);
    };
    button("print", tr("&Print\u2026"), keysFor(QKeySequence::Print, {}),
           tr("Prints the chart through the system's print dialog."), [this] { print(); });
    button("savePdf", tr("Save as P&DF\u2026"), keysFor(QKeySequence::Save, {}),
           tr("Saves the chart as a PDF file, as it is shown."), [this] { savePdf(); });
    button("saveCsv", tr("Save as &CSV\u2026"),
           keysFor(QKeySequence::SaveAs, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
           tr("Saves the chart as CSV for spreadsheets and scripts."), [this] { saveCsv(); });
    button("labels", tr("&Labels\u2026"),
           keysFor(QKeySequence::UnknownKey, {QKeySequence(Qt::CTRL | Qt::Key_L)}),
           tr("Shows a label for each fixture, to print on a label sheet or tape."),
           [this] { openLabels(); });

    auto* paperLabel = new QLabel(tr("P&aper:"), this);
    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("paper"));
    for (const QPageSize::PageSizeId id : kPapers) {
        m_paper->addItem(QPageSize::name(id), QVariant::fromValue(id));
    }
    m_paper->setEnabled(false);
    paperLabel->setBuddy(m_paper);
    m_paper->setAccessibleName(tr("Paper"));
    m_paper->setAccessibleDescription(tr("The paper the chart is laid out for."));
    tools->addSpacing(12);
    tools->addWidget(paperLabel);
    tools->addWidget(m_paper);
    tools->addSpacing(12);

    m_view = new ChartPageView(this);
    m_view->setObjectName(QStringLiteral("page"));
    m_view->hide();
    button("zoomOut", tr("Zoom &out"), keysFor(QKeySequence::ZoomOut, {}),
           tr("Shows the page smaller."), [this] { m_view->zoomOut(); });
    button("fitPage", tr("&Fit page"),
           keysFor(QKeySequence::UnknownKey, {QKeySequence(Qt::CTRL | Qt::Key_0)}),
           tr("Shows the whole page in the window."), [this] { m_view->fitPage(); });
    button("zoomIn", tr("Zoom &in"),
           keysFor(QKeySequence::ZoomIn, {QKeySequence(Qt::CTRL | Qt::Key_Equal)}),
           tr("Shows the page larger."), [this] { m_view->zoomIn(); });
    tools->addStretch();
    m_pageNumber = new QLabel(this);
    m_pageNumber->setObjectName(QStringLiteral("pageNumber"));
    tools->addWidget(m_pageNumber);

    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("notes"));
    m_notes->setReadOnly(true);
    m_notes->setAccessibleName(tr("Notes on the file"));
    m_notes->setAccessibleDescription(
        tr("Fixtures left off the chart and why, fixtures that share channels, and what the "
           "file lacked."));
    m_notes->hide();
    layout->addWidget(m_notes);
    m_profilePanel = new ProfilePanel(this);
    m_profilePanel->hide(); // until there are fixtures to list
    layout->addWidget(m_profilePanel);
    connect(m_profilePanel, &ProfilePanel::profileChosen, this,
            [this](const QString& maker, const QString& type, const QString& profile) {
                m_boundary.run([&] { chooseProfile(maker, type, profile); });
            });
    layout->addWidget(m_view, 1);

    connect(m_view, &ChartPageView::pageShown, m_pageNumber, [this](int page, int count) {
        m_pageNumber->setText(tr("Page %1 of %2").arg(page + 1).arg(count));
    });
    connect(m_paper, &QComboBox::activated, this, [this](int index) {
        m_boundary.run([this, index] {
            const QPageSize paper(m_paper->itemData(index).value<QPageSize::PageSizeId>());
            layOut(std::make_unique<ChartPages>(m_pages->chart(), m_file.title, paper));
        });
    });
    auto* close = new QAction(tr("Close"), this);
    close->setShortcuts(keysFor(
        QKeySequence::Close, {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)}));
    addAction(close);
    connect(close, &QAction::triggered, this, &QWidget::close);
}

void ChartWindow::layOut(std::unique_ptr<ChartPages> pages) {
    // The maps are drawn from the chart the new pages hold.
    auto maps = std::make_unique<UniverseMapPages>(pages->chart(), m_file.title, pages->pageSize());
    m_book =
        std::make_unique<PageSequence>(std::vector<const PageSource*>{pages.get(), maps.get()});
    m_view->setPages(m_book.get());
    m_maps = std::move(maps);
    m_pages = std::move(pages);
    const auto id = static_cast<QPageSize::PageSizeId>(m_pages->pageSize().id());
    m_paper->setCurrentIndex(m_paper->findData(QVariant::fromValue(id)));
}

void ChartWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(m_pages->pageSize());
    printer.setFullPage(true);
    printer.setDocName(ChartPages::tr("Switch chart: %1").arg(m_file.title));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print the switch chart"));
    dialog.setMinMax(1, static_cast<int>(m_book->pageCount()));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // Paper chosen in the dialog gets the chart and maps laid out for it.
    std::optional<ChartPages> chart;
    std::optional<UniverseMapPages> maps;
    std::optional<PageSequence> other;
    const QPageSize paper = printer.pageLayout().pageSize();
    if (!paper.isEquivalentTo(m_pages->pageSize())) {
        chart.emplace(m_pages->chart(), m_file.title, paper);
        maps.emplace(chart->chart(), m_file.title, paper);
        other.emplace(std::vector<const PageSource*>{&*chart, &*maps});
    }
    const PageSequence& pages = other ? *other : *m_book;
    std::size_t first = 0;
    std::size_t last = pages.pageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange) {
        first = std::min(last, static_cast<std::size_t>(std::max(1, printer.fromPage()) - 1));
        last = std::clamp(static_cast<std::size_t>(std::max(1, printer.toPage()) - 1), first, last);
    }
    if (!pages.print(printer, first, last)) {
        m_messageBox.show(tr("The chart could not be printed on \"%1\".")
                              .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                                      : printer.outputFileName())
                              .toStdString());
    }
}

QString ChartWindow::askForFile(const QString& caption, const QString& suffix,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(this, caption, savedfile::proposal(m_file.path, suffix),
                                        filter);
}

void ChartWindow::savePdf() {
    const QString path =
        askForFile(tr("Save the chart as PDF"), QStringLiteral(".pdf"), tr("PDF files (*.pdf)"));
    if (!path.isEmpty()) {
        save(path, PdfPages::render(*m_book, ChartPages::tr("Switch chart: %1").arg(m_file.title)));
    }
}

void ChartWindow::saveCsv() {
    const QString path =
        askForFile(tr("Save the chart as CSV"), QStringLiteral(".csv"), tr("CSV files (*.csv)"));
    if (!path.isEmpty()) {
        save(path, CsvChart::render(m_pages->chart()));
    }
}

void ChartWindow::openLabels() {
    // A window of its own, so that the chart stays in reach beside it.
    auto* labels = new LabelsDialog(m_pages->chart(), m_file.title, m_file.path, this);
    labels->setAttribute(Qt::WA_DeleteOnClose);
    labels->show();
}

void ChartWindow::save(const QString& path, const QByteArray& bytes) {
    if (savedfile::isRig(path, m_file.path)) {
        m_messageBox.show(
            tr("Not saved: \"%1\" is the file the chart was read from.").arg(path).toStdString());
        return;
    }
    // An existing file is replaced only by a complete new one.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        m_messageBox.show(
            tr("Cannot write \"%1\": %2.").arg(path, out.errorString()).toStdString());
    }
}

} // namespace brisolant

#include "moc_chartwindow.cpp"
