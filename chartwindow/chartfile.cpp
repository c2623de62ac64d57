#include "chartfile.h"

#include "chartmessages.h"
#include "chartrefused.h"
#include "profilefile.h"
#include "rigfile.h"

#include <utility>

namespace brisolant {

std::variant<ChartFile, QString> ChartFile::read(const QString& path) {
    ChartFile charted;
    charted.path = path;
    charted.title = RigFile::title(path);
    try {
        ProfileFile::read(ProfileFile::userPath(), charted.profiles, true);
        Rig rig = RigFile::readPath(path);
        charted.fixtures = std::move(rig.fixtures);
        // Worded as the command line prints them.
        for (const std::string& note : rig.notes) {
            charted.readerNotes.append(QString::fromStdString(note));
        }
        charted.chartAgain();
    } catch (const ProfileFile::Unreadable& unreadable) {
        return tr("Cannot chart \"%1\": %2").arg(path, QString::fromStdString(unreadable.what()));
    } catch (const ChartRefused& refused) {
        return tr("Cannot chart \"%1\": %2").arg(path, ChartMessages::refusal(refused));
    } catch (const RigFile::Unreadable& unreadable) {
        // The command line's line, which follows "Brisolant: ", as a sentence.
        QString line = QString::fromStdString(unreadable.what());
        return line.replace(0, 1, line.left(1).toUpper());
    }
    return charted;
}

void ChartFile::chartAgain() {
    chart = SwitchChart::make(fixtures, SwitchChart::Unsettable::LeaveOut, profiles);
    notes = readerNotes + ChartMessages::notes(chart);
}

} // namespace brisolant
