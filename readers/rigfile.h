#pragma once

#include "readcontrol.h"
#include "rig.h"
#include "riglimits.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace brisolant {

// A rig as another program saved it, recognised by what the file holds rather
// than by its name: a zip is an MVR show file; XML is told by its root
// element (an MVR scene, a grandMA3 or grandMA2 export, a QLC+ workspace);
// anything else is read as a patch list.
class RigFile final {
public:
    // A file that cannot be read at all: not there, not a file, not allowed,
    // or failing while read. what() is one line for the user.
    class Unreadable final : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    // The rig in the file at path, "-" being standard input. A pipe is read
    // as standard input is; what is neither a regular file nor a pipe (a
    // directory, a device) is refused before it is opened, and no more than
    // largest bytes are ever read, from standard input either. Throws
    // Unreadable, or ChartRefused, naming the file as title() does, for a
    // file larger than largest and as read() does.
    // With a control, tells its progress there (see ReadControl) and throws
    // ReadCancelled once it is cancelled. XML is parsed as it is read and
    // never held whole; a zip or a patch list is read whole, then parsed.
    [[nodiscard]] static Rig readPath(const QString& path,
                                      std::int64_t largest = riglimits::kLargestFile,
                                      ReadControl* control = nullptr);

    // How messages and a chart's title name the file at path: its name
    // without the folder, or "standard input" for "-" (filename::title()).
    [[nodiscard]] static QString title(const QString& path);

    // Throws ChartRefused, naming fileName, for bytes that cannot be read as
    // any rig Brisolant knows, that pass one of the readers' limits, or for
    // what is plainly wrong in them. With a control, tells the parse as the
    // second half of the progress, the bytes being read already.
    [[nodiscard]] static Rig read(const QByteArray& bytes, const QString& fileName,
                                  ReadControl* control = nullptr);
};

} // namespace brisolant
