#include "rigfile.h"

#include "patchlist.h"

namespace brisolant {

std::vector<SwitchChart::Fixture> RigFile::read(const QByteArray& bytes, const QString& fileName) {
    return PatchList::read(bytes, fileName);
}

} // namespace brisolant
