#include "qtprogramend.h"

#include <QCoreApplication>

namespace brisolant {

// exit() rather than quit(): quit() may be refused by a window that will not
// close, and the program must end at once.
void QtProgramEnd::endProgram() {
    QCoreApplication::exit(0);
}

} // namespace brisolant
