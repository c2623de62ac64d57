#include "namelayout.h"

#include "pagecanvas.h"

#include <QFontMetricsF>

#include <algorithm>
#include <array>
#include <map>

namespace brisolant {

namespace {

// How many characters of text fit width, from the start, ending at a blank
// where one allows; at least one.
qsizetype firstLineLength(const QFontMetricsF& metrics, const QString& text, qreal width) {
    qsizetype fitting = 1;
    qsizetype tooMany = text.size();
    while (tooMany - fitting > 1) {
        const qsizetype middle = (fitting + tooMany) / 2;
        if (metrics.horizontalAdvance(text.left(middle)) <= width) {
            fitting = middle;
        } else {
            tooMany = middle;
        }
    }
    const qsizetype blank = text.lastIndexOf(u' ', fitting);
    return blank > 0 ? blank : fitting;
}

// How many characters the names of the rows in group share from their start;
// nothing when they are all one name.
std::optional<qsizetype> commonStart(const std::vector<SwitchChart::Row>& rows,
                                     const std::vector<std::size_t>& group) {
    const QString first = NameLayout::nameOf(rows[group.front()]);
    qsizetype common = first.size();
    bool oneName = true;
    for (const std::size_t row : group) {
        const QString name = NameLayout::nameOf(rows[row]);
        qsizetype same = 0;
        while (same < std::min(common, name.size()) && name.at(same) == first.at(same)) {
            ++same;
        }
        common = same;
        oneName = oneName && name == first;
    }
    return oneName ? std::nullopt : std::optional(common);
}

} // namespace

NameLayout::NameLayout(const std::vector<SwitchChart::Row>& rows, qreal width, qreal points)
    : m_width(width)
    , m_points(points) {
    layOut(rows);
    keepApart(rows);
}

bool NameLayout::isNamed(const SwitchChart::Row& row) {
    return !row.name.empty() || !row.fixtureNumber.empty();
}

QString NameLayout::nameOf(const SwitchChart::Row& row) {
    return isNamed(row) ? QString::fromStdString(row.label()) : tr("Fixture %1").arg(row.number);
}

void NameLayout::layOut(const std::vector<SwitchChart::Row>& rows) {
    const QFontMetricsF metrics = PageCanvas::metrics(PageCanvas::font(m_points, true));
    m_names.reserve(rows.size());
    m_secondLineStart.reserve(rows.size());
    // Most names are short. The sum of their characters' widths, with room
    // for kerning, tells them without laying each out, which takes ten times
    // as long: thousands of fixtures would keep the chart waiting.
    std::array<qreal, 128> asciiWidths{};
    const auto roughWidth = [&metrics, &asciiWidths](const QString& text) {
        qreal sum = 0;
        for (const QChar c : text) {
            if (c.unicode() >= asciiWidths.size()) {
                sum += metrics.horizontalAdvance(c);
                continue;
            }
            qreal& known = asciiWidths.at(c.unicode());
            if (known == 0) {
                known = metrics.horizontalAdvance(c);
            }
            sum += known;
        }
        return sum * 1.05 + 1;
    };
    for (const SwitchChart::Row& row : rows) {
        const QString name = nameOf(row);
        if (roughWidth(name) <= m_width || metrics.horizontalAdvance(name) <= m_width) {
            m_names.push_back({name});
            m_secondLineStart.emplace_back();
            continue;
        }
        const qsizetype cut = firstLineLength(metrics, name, m_width);
        qsizetype start = cut;
        while (start < name.size() && name.at(start) == u' ') {
            ++start;
        }
        m_names.push_back({name.left(cut).trimmed(),
                           metrics.elidedText(name.mid(start), Qt::ElideMiddle, m_width)});
        m_secondLineStart.emplace_back(start);
    }
}

void NameLayout::keepApart(const std::vector<SwitchChart::Row>& rows) {
    // Two names that differ only in the middle lose the difference when both
    // are shortened there. The second line of each then starts a little before
    // the first place where the names of its group differ, so that it shows.
    const QFontMetricsF metrics = PageCanvas::metrics(PageCanvas::font(m_points, true));
    const QString ellipsis(QChar(0x2026));
    for (int context = 3; context >= 0; --context) {
        std::map<QString, std::vector<std::size_t>> shown;
        for (std::size_t row = 0; row < m_names.size(); ++row) {
            if (m_secondLineStart[row]) {
                shown[m_names[row].join(u'\n')].push_back(row);
            }
        }
        bool apart = true;
        for (const auto& [lines, group] : shown) {
            const std::optional<qsizetype> common = commonStart(rows, group);
            if (!common) {
                continue; // one name, shown alike as it should be
            }
            apart = false;
            for (const std::size_t row : group) {
                const QString name = nameOf(rows[row]);
                const qsizetype start = *m_secondLineStart[row];
                const qsizetype from = std::max(start, *common - context);
                const QString lead = from > start ? ellipsis : QString();
                m_names[row][1] =
                    lead + metrics.elidedText(name.mid(from), Qt::ElideMiddle,
                                              m_width - metrics.horizontalAdvance(lead));
            }
        }
        if (apart) {
            return;
        }
    }
}

} // namespace brisolant
