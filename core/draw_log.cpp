#include "core/draw_log.h"

#include <charconv>

namespace quelvarinox::detail {

namespace {

void append_number(std::string& out, std::uint32_t value)
{
    char digits[10];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

}  // namespace

void DrawLog::record_reseed() { events_.push_back({DrawEvent::Kind::reseed, {}, {}}); }

void DrawLog::record_tirada(int multiplier, int value)
{
    events_.push_back(
        {DrawEvent::Kind::tirada, static_cast<std::uint32_t>(multiplier), static_cast<std::uint32_t>(value)});
}

void DrawLog::record_number_prefix(int value)
{
    events_.push_back({DrawEvent::Kind::number_prefix, {}, static_cast<std::uint32_t>(value)});
}

void DrawLog::record_rejection(int pattern)
{
    events_.push_back({DrawEvent::Kind::rejection, {}, static_cast<std::uint16_t>(pattern)});
}

void DrawLog::append_trace(std::string& out) const
{
    bool first = true;
    for (const DrawEvent& event : events_) {
        if (!first)
            out += ' ';
        first = false;
        switch (event.kind) {
        case DrawEvent::Kind::reseed:
            out += 'R';
            break;
        case DrawEvent::Kind::tirada:
            append_number(out, event.multiplier);
            out += ':';
            append_number(out, event.value);
            break;
        case DrawEvent::Kind::number_prefix:
            out += "u:";
            append_number(out, event.value);
            break;
        case DrawEvent::Kind::rejection:
            out += 'X';
            append_number(out, event.value);
            break;
        }
    }
}

std::string DrawLog::trace() const
{
    std::string out;
    append_trace(out);
    return out;
}

}  // namespace quelvarinox::detail
