#pragma once

#include <QWidget>

class QProgressBar;

namespace brisolant {

class ChartReading;

// What a chart window shows while its file is read, once that takes more
// than a moment: how far the reading has come, and a button that stops it.
class ReadingPanel final : public QWidget {
    Q_OBJECT

public:
    // Follows reading, which must outlive it; title names the file.
    ReadingPanel(const ChartReading& reading, const QString& title, QWidget* parent);

Q_SIGNALS:
    void cancelled();

private:
    void showProgress();

    const ChartReading& m_reading;
    QProgressBar* m_bar = nullptr;
};

} // namespace brisolant
