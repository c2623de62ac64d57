#pragma once

#include "pagesource.h"

#include <QByteArray>
#include <QString>

namespace brisolant {

// Pages as a PDF, each page the pages' size, with real, searchable text.
class PdfPages final {
public:
    // Needs a QGuiApplication for its fonts; any platform does, offscreen too.
    // title is the document's, as a PDF reader shows it.
    [[nodiscard]] static QByteArray render(const PageSource& pages, const QString& title);
};

} // namespace brisolant
