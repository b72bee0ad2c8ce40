#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace quelvarinox::detail {

// Drawn values from..to, both inclusive.
struct Span {
    int from;
    int to;
};

// What is wrong with one span of a table over Tirada(N): an end outside 0..N,
// or, with both inside, a first value past the last.
struct SpanFaults {
    bool first_outside = false;
    bool last_outside = false;
    bool reversed = false;

    constexpr bool any() const { return first_outside || last_outside || reversed; }
};

constexpr SpanFaults span_faults(Span span, int multiplier)
{
    SpanFaults faults;
    faults.first_outside = span.from < 0 || span.from > multiplier;
    faults.last_outside = span.to < 0 || span.to > multiplier;
    faults.reversed = !faults.first_outside && !faults.last_outside && span.to < span.from;
    return faults;
}

// Why the spans of a table do not name every value of its draw exactly once.
struct CoverageFault {
    enum class Kind : std::uint8_t {
        out_of_order,  // span `index` of its list starts before the one before it
        overlap,       // span `index` of its list names `values` of the one before it
        named_twice,   // `values` are named by a row and by a span of the default
        unnamed,       // `values` are named by nothing
    };
    Kind kind;
    // Whether span `index` is one of the default's spans rather than a row.
    bool of_default = false;
    std::size_t index = 0;
    Span values{};
};

// The check every table passes, at compile time and when a grammar file is
// read: the rows ascend without overlapping, and so do the spans that the
// table's default is written for; between them, rows and default name every
// value from 0 to N exactly once. `report(fault)` hears of each fault that
// keeps them from it: the first span out of order, if any, and otherwise every
// stretch of values named twice or by nothing, each as long as it runs, those
// of each kind in ascending order. Each span must be free of SpanFaults; Rows and Spans are
// lists of anything with `from` and `to`.
template <class Rows, class Spans, class Report>
constexpr void report_coverage_faults(int multiplier, const Rows& rows, const Spans& otherwise, Report&& report)
{
    const auto ascend = [&](const auto& list, bool of_default) {
        for (std::size_t i = 1; i < list.size(); ++i) {
            const auto& before = list[i - 1];
            const auto& now = list[i];
            if (now.from > before.to)
                continue;
            if (now.from < before.from)
                report(CoverageFault{CoverageFault::Kind::out_of_order, of_default, i, {now.from, now.to}});
            else
                report(CoverageFault{CoverageFault::Kind::overlap, of_default, i,
                                     {now.from, now.to < before.to ? now.to : before.to}});
            return false;
        }
        return true;
    };
    if (!ascend(rows, false) || !ascend(otherwise, true))
        return;
    // Both lists ascend, so at most two spans name a value; going through them
    // merged by their first values, whatever starts at or before the furthest
    // value named so far is named twice, and whatever lies past it and before
    // the next span is named by nothing.
    Span twice{};
    bool twice_open = false;
    const auto close_twice = [&] {
        if (twice_open)
            report(CoverageFault{CoverageFault::Kind::named_twice, false, 0, twice});
        twice_open = false;
    };
    int named_up_to = -1;
    std::size_t row = 0;
    std::size_t spare = 0;
    while (row < rows.size() || spare < otherwise.size()) {
        const bool take_row =
            spare == otherwise.size() || (row < rows.size() && rows[row].from <= otherwise[spare].from);
        const Span next = take_row ? Span{rows[row].from, rows[row].to} : Span{otherwise[spare].from, otherwise[spare].to};
        ++(take_row ? row : spare);
        if (next.from > named_up_to + 1) {
            report(CoverageFault{CoverageFault::Kind::unnamed, false, 0, {named_up_to + 1, next.from - 1}});
        } else if (next.from <= named_up_to) {
            const Span both{next.from, next.to < named_up_to ? next.to : named_up_to};
            if (twice_open && both.from == twice.to + 1) {
                twice.to = both.to;
            } else {
                close_twice();
                twice = both;
                twice_open = true;
            }
        }
        if (next.to > named_up_to)
            named_up_to = next.to;
    }
    close_twice();
    if (named_up_to < multiplier)
        report(CoverageFault{CoverageFault::Kind::unnamed, false, 0, {named_up_to + 1, multiplier}});
}

// The whole check as one answer, for the tables that are built at compile time.
template <class Rows, class Spans>
constexpr bool names_every_value_once(int multiplier, const Rows& rows, const Spans& otherwise)
{
    if (multiplier < 1)
        return false;
    for (const auto& row : rows)
        if (span_faults({row.from, row.to}, multiplier).any())
            return false;
    for (const auto& span : otherwise)
        if (span_faults({span.from, span.to}, multiplier).any())
            return false;
    bool sound = true;
    report_coverage_faults(multiplier, rows, otherwise, [&](const CoverageFault&) { sound = false; });
    return sound;
}

}  // namespace quelvarinox::detail
