#include "readingpanel.h"

#include "chartreading.h"

#include <QBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace brisolant {

namespace {

constexpr int kSteps = 1000;
// Often enough for a bar to move smoothly, seldom enough to cost nothing.
constexpr std::chrono::milliseconds kTick{100};

} // namespace

ReadingPanel::ReadingPanel(const ChartReading& reading, const QString& title, QWidget* parent)
    : QWidget(parent)
    , m_reading(reading) {
    setObjectName(QStringLiteral("reading"));
    auto* label = new QLabel(tr("Reading \"%1\"\u2026").arg(title), this);
    label->setTextFormat(Qt::PlainText);
    m_bar = new QProgressBar(this);
    m_bar->setAccessibleName(tr("Reading the file"));
    m_bar->setAccessibleDescription(tr("How much of the file has been read."));
    label->setBuddy(m_bar);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAccessibleDescription(tr("Stops reading the file and closes the window."));
    cancel->setAutoDefault(true); // Enter presses it, as Space does
    connect(cancel, &QPushButton::clicked, this, &ReadingPanel::cancelled);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(label);
    layout->addWidget(m_bar);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    layout->addStretch();
    setFocusProxy(cancel);

    auto* tick = new QTimer(this);
    connect(tick, &QTimer::timeout, this, &ReadingPanel::showProgress);
    tick->start(kTick);
    showProgress();
}

void ReadingPanel::showProgress() {
    // A bar with no range shows that the reading goes on, not how far.
    const std::optional<double> share = m_reading.progress();
    m_bar->setRange(0, share ? kSteps : 0);
    m_bar->setValue(share ? static_cast<int>(*share * kSteps) : 0);
}

} // namespace brisolant

#include "moc_readingpanel.cpp"
