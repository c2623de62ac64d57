#include "pdfchart.h"

#include "brisolant_version.h"
#include "chartpages.h"

#include <QBuffer>
#include <QLocale>
#include <QPdfWriter>

#include <algorithm>
#include <array>

namespace brisolant {

namespace {

// The writer's dots are points, as the page drawing's units are.
constexpr int kResolution = 72;

} // namespace

std::optional<QPageSize> PdfChart::pageSizeNamed(const QString& name) {
    for (const QPageSize::PageSizeId id : kPapers) {
        if (name.compare(QPageSize::key(id), Qt::CaseInsensitive) == 0) {
            return QPageSize(id);
        }
    }
    return std::nullopt;
}

QString PdfChart::paperNames(const QString& lastSeparator) {
    QString names;
    for (std::size_t i = 0; i < kPapers.size(); ++i) {
        if (i > 0) {
            names += i + 1 == kPapers.size() ? lastSeparator : QStringLiteral(", ");
        }
        names += QPageSize::key(kPapers.at(i));
    }
    return names;
}

QPageSize PdfChart::localPageSize() {
    // The POSIX order of the variables that choose a locale's paper.
    QString name;
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        name = QString::fromLocal8Bit(qgetenv(variable));
        if (!name.isEmpty()) {
            break;
        }
    }
    // The territories whose locales print on Letter.
    const std::array letter = {
        QLocale::UnitedStates, QLocale::Canada,
        QLocale::PuertoRico,   QLocale::Mexico,
        QLocale::Philippines,  QLocale::Chile,
        QLocale::Colombia,     QLocale::CostaRica,
        QLocale::Guatemala,    QLocale::Nicaragua,
        QLocale::Panama,       QLocale::ElSalvador,
        QLocale::Venezuela,    QLocale::DominicanRepublic,
    };
    const QLocale::Territory territory = QLocale(name).territory();
    const bool isLetter = !name.isEmpty() && name != u"C" && name != u"POSIX" &&
                          std::find(letter.cbegin(), letter.cend(), territory) != letter.cend();
    return {isLetter ? QPageSize::Letter : QPageSize::A4};
}

QByteArray PdfChart::render(const SwitchChart::Chart& chart, const QString& title,
                            const QPageSize& pageSize) {
    const ChartPages pages(chart, title, pageSize);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageSize(pageSize);
    writer.setPageMargins(QMarginsF());
    writer.setTitle(ChartPages::tr("Switch chart: %1").arg(title));
    writer.setCreator(QStringLiteral("Brisolant ") + QString::fromLatin1(version::kText));
    // Into memory, which takes every page.
    if (pages.pageCount() > 0) {
        static_cast<void>(pages.print(writer, 0, pages.pageCount() - 1));
    }
    return bytes;
}

} // namespace brisolant
