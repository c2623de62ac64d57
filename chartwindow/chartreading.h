#pragma once

#include "chartfile.h"

#include <QObject>

#include <chrono>
#include <memory>
#include <optional>
#include <variant>

namespace brisolant {

// A rig file read and charted on a thread of its own, as ChartFile::read
// reads it, so that no window waits on it: its progress can be asked for at
// any time, finished() comes on the thread that started it, and the reading
// stops when cancelled or destroyed. Readings still running when the
// application quits are cancelled and waited for.
class ChartReading final : public QObject {
    Q_OBJECT

public:
    explicit ChartReading(const QString& path, QObject* parent = nullptr);
    ~ChartReading() override;
    ChartReading(const ChartReading&) = delete;
    ChartReading& operator=(const ChartReading&) = delete;
    ChartReading(ChartReading&&) = delete;
    ChartReading& operator=(ChartReading&&) = delete;

    // How much of the file is read, from 0 to 1; nothing while its size is
    // unknown (standard input).
    [[nodiscard]] std::optional<double> progress() const;

    // Stops the reading; finished() does not come.
    void cancel();

    // Once finished(): the charted file, or why it cannot be charted.
    // Rethrows whatever else stopped the reading (memory running out).
    [[nodiscard]] std::variant<ChartFile, QString> take();

    // Readings whose threads have not ended, cancelled ones included, in the
    // whole program.
    [[nodiscard]] static int running();

    // Cancels every reading and waits at most timeout for their threads to
    // end; false when one has not (a pipe that never ends blocks its read).
    static bool stopAll(std::chrono::milliseconds timeout);

Q_SIGNALS:
    void finished();

private:
    struct Shared;
    static void run(const std::shared_ptr<Shared>& shared, const QString& path);

    std::shared_ptr<Shared> m_shared;
};

} // namespace brisolant
