#include "pagesequence.h"

#include <utility>

namespace brisolant {

PageSequence::PageSequence(std::vector<const PageSource*> parts)
    : m_parts(std::move(parts)) {}

QPageSize PageSequence::pageSize() const {
    return m_parts.empty() ? QPageSize() : m_parts.front()->pageSize();
}

std::size_t PageSequence::pageCount() const {
    std::size_t count = 0;
    for (const PageSource* part : m_parts) {
        count += part->pageCount();
    }
    return count;
}

std::pair<const PageSource*, std::size_t> PageSequence::find(std::size_t page) const {
    for (const PageSource* part : m_parts) {
        if (page < part->pageCount()) {
            return {part, page};
        }
        page -= part->pageCount();
    }
    return {nullptr, 0};
}

void PageSequence::paint(QPainter& painter, std::size_t page) const {
    if (const auto [part, inPart] = find(page); part != nullptr) {
        part->paint(painter, inPart);
    }
}

QString PageSequence::describe(std::size_t page) const {
    const auto [part, inPart] = find(page);
    return part != nullptr ? part->describe(inPart) : QString();
}

} // namespace brisolant
