#include "pdfchart.h"

#include "chartpages.h"
#include "pdfpages.h"

#include <QLocale>

#include <algorithm>
#include <array>

namespace brisolant {

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
    return PdfPages::render(ChartPages(chart, title, pageSize),
                            ChartPages::tr("Switch chart: %1").arg(title));
}

} // namespace brisolant
