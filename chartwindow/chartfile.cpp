#include "chartfile.h"

#include "chartmessages.h"
#include "chartrefused.h"
#include "rigfile.h"

#include <utility>

namespace brisolant {

std::variant<ChartFile, QString> ChartFile::read(const QString& path, ReadControl* control) {
    ChartFile charted;
    charted.path = path;
    charted.title = RigFile::title(path);
    try {
        const Rig rig = RigFile::readPath(path, riglimits::kLargestFile, control);
        charted.chart = SwitchChart::make(rig.fixtures, SwitchChart::Unsettable::LeaveOut);
        // Worded as the command line prints them.
        for (const std::string& note : rig.notes) {
            charted.notes.append(QString::fromStdString(note));
        }
        charted.notes.append(ChartMessages::notes(charted.chart));
    } catch (const ChartRefused& refused) {
        return tr("Cannot chart \"%1\": %2").arg(path, ChartMessages::refusal(refused));
    } catch (const RigFile::Unreadable& unreadable) {
        // The command line's line, which follows "Brisolant: ", as a sentence.
        QString line = QString::fromStdString(unreadable.what());
        return line.replace(0, 1, line.left(1).toUpper());
    }
    return charted;
}

} // namespace brisolant
