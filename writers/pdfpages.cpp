#include "pdfpages.h"

#include "brisolant_version.h"

#include <QBuffer>
#include <QPdfWriter>

namespace brisolant {

namespace {

// The writer's dots are points, as the pages' units are.
constexpr int kResolution = 72;

} // namespace

QByteArray PdfPages::render(const PageSource& pages, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageSize(pages.pageSize());
    writer.setPageMargins(QMarginsF());
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Brisolant ") + QString::fromLatin1(version::kText));
    // Into memory, which takes every page.
    if (pages.pageCount() > 0) {
        static_cast<void>(pages.print(writer, 0, pages.pageCount() - 1));
    }
    return bytes;
}

} // namespace brisolant
