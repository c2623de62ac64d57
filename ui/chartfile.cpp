#include "chartfile.h"

#include "chartmessages.h"
#include "chartrefused.h"
#include "pdfchart.h"
#include "rigfile.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

namespace brisolant {

std::variant<ChartFile, QString> ChartFile::read(const QString& path) {
    ChartFile charted;
    charted.path = path;
    charted.title = QFileInfo(path).fileName();
    // Read whole, as the command line reads a file, until the readers read a
    // path themselves within their limits.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return tr("Cannot read \"%1\": %2.").arg(path, file.errorString());
    }
    try {
        const Rig rig = RigFile::read(file.readAll(), charted.title);
        SwitchChart::Chart chart =
            SwitchChart::make(rig.fixtures, SwitchChart::Unsettable::LeaveOut);
        // Worded as the command line prints them.
        for (const std::string& note : rig.notes) {
            charted.notes.append(QString::fromStdString(note));
        }
        charted.notes.append(ChartMessages::notes(chart));
        charted.pages = std::make_unique<ChartPages>(std::move(chart), charted.title,
                                                     PdfChart::localPageSize());
    } catch (const ChartRefused& refused) {
        return tr("Cannot chart \"%1\": %2").arg(path, ChartMessages::refusal(refused));
    }
    return charted;
}

} // namespace brisolant
