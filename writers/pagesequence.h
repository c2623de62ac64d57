#pragma once

#include "pagesource.h"

#include <vector>

namespace brisolant {

// The pages of several sources of one size, one after the other: a chart's
// pages, then its universe maps.
class PageSequence final : public PageSource {
public:
    // The parts must outlive it; the first gives the page size.
    explicit PageSequence(std::vector<const PageSource*> parts);

    [[nodiscard]] QPageSize pageSize() const override;
    [[nodiscard]] std::size_t pageCount() const override;
    void paint(QPainter& painter, std::size_t page) const override;
    [[nodiscard]] QString describe(std::size_t page) const override;

private:
    // The part that holds page, and the page's number in it.
    [[nodiscard]] std::pair<const PageSource*, std::size_t> find(std::size_t page) const;

    std::vector<const PageSource*> m_parts;
};

} // namespace brisolant
