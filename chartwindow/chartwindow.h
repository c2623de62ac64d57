#pragma once

#include "chartfile.h"
#include "handlerboundary.h"
#include "qtmessagebox.h"

#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QPageSize;
class QLabel;
class QPlainTextEdit;

namespace brisolant {

class ChartPages;
class ChartPageView;
class ChartReading;
class PageSequence;
class UniverseMapPages;
class ProfilePanel;
class ReadingPanel;

// A rig file's switch chart as it will be printed, page by page, and a map of
// each universe it uses after it, with the file's notes above: what was left
// out and why, which fixtures share channels, what the file lacked. Prints
// through the system's print dialog, saves the chart as PDF or CSV (the same
// files as the command line's --output with --universe-map), lays it out anew
// for another paper, and opens the labels (LabelsDialog).
//
// The file is read on a thread of its own. The window shows itself with the
// chart, or, when the reading takes more than a moment, with its progress and
// a Cancel button until then; Cancel, like closing the window, stops it.
//
// Keyboard: Ctrl+P prints, Ctrl+S saves a PDF, Ctrl+Shift+S a CSV file,
// Ctrl+L opens the labels;
// Ctrl+W and Escape close; Alt+T and Alt+R choose a fixture type's
// addressing profile (ProfilePanel), which charts the fixtures read again; on
// the page, Page Up, Page Down, Home and End turn the pages; Ctrl+Plus,
// Ctrl+Minus and Ctrl+0 zoom in, out and to the page.
class ChartWindow final : public QWidget {
    Q_OBJECT

public:
    // A window for each file, as the constructor says; for each file that
    // cannot be charted, a message box over parent saying why, and no window.
    // Returns at once. ended, when given, is called from the event loop once
    // every window has closed and every message has been answered, with how
    // many of the files were charted.
    static void openFiles(const QStringList& paths, QWidget* parent = nullptr,
                          const std::function<void(int charted)>& ended = {});

    // Reads the file at path, and shows itself once it is charted or once
    // the reading has taken more than a moment; closes itself, telling
    // refused(), when the file cannot be charted.
    explicit ChartWindow(const QString& path, QWidget* parent = nullptr);
    ~ChartWindow() override;
    ChartWindow(const ChartWindow&) = delete;
    ChartWindow& operator=(const ChartWindow&) = delete;
    ChartWindow(ChartWindow&&) = delete;
    ChartWindow& operator=(ChartWindow&&) = delete;

Q_SIGNALS:
    // The file's chart is shown.
    void charted();
    // The file cannot be charted; why, in one line.
    void refused(const QString& why);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void showReading();
    void readingFinished();
    void setChart(ChartFile file);
    void showNotes();
    // The fixtures of maker's type charted with profile, which is kept in
    // the user's profile file for the next rig.
    void chooseProfile(const QString& maker, const QString& type, const QString& profile);
    // Shows the chart's pages, and the maps for them.
    void layOut(std::unique_ptr<ChartPages> pages);
    void print();
    void savePdf();
    void saveCsv();
    void openLabels();
    [[nodiscard]] QString askForFile(const QString& caption, const QString& suffix,
                                     const QString& filter);
    void save(const QString& path, const QByteArray& bytes);

    ChartFile m_file;
    std::unique_ptr<ChartPages> m_pages;
    std::unique_ptr<UniverseMapPages> m_maps;
    // The chart's pages, then the maps': what the window shows and prints.
    std::unique_ptr<PageSequence> m_book;
    QtMessageBox m_messageBox;
    HandlerBoundary m_boundary;
    ChartReading* m_reading = nullptr;
    ReadingPanel* m_readingPanel = nullptr;
    // Enabled once there is a chart.
    QList<QAction*> m_chartActions;
    ChartPageView* m_view = nullptr;
    QComboBox* m_paper = nullptr;
    QLabel* m_pageNumber = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    ProfilePanel* m_profilePanel = nullptr;
};

} // namespace brisolant
