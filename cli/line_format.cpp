#include "cli/line_format.h"

#include <charconv>

namespace quelvarinox::cli {

namespace {

void append_number(std::uint64_t value, std::string& out)
{
    char digits[20];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

// The tool's own text: the name, after its category and a tab when labelled,
// and before a tab and its draws when traced.
class TextLines final : public LineFormat {
public:
    TextLines(bool labelled, bool traced) : labelled_(labelled), traced_(traced) {}

    void append(const NameLine& line, std::string& out) const override
    {
        if (labelled_) {
            out += line.category.display_text;
            out += '\t';
        }
        out += line.name;
        if (traced_) {
            out += '\t';
            out += line.trace;
        }
        out += '\n';
    }

private:
    bool labelled_;
    bool traced_;
};

// Columns category, name, seed, index and, when traced, trace, under a header
// row: tab-separated, or comma-separated with RFC 4180 quoting and line ends.
class ColumnLines final : public LineFormat {
public:
    ColumnLines(char separator, bool traced) : separator_(separator), traced_(traced) {}

    std::string header() const override
    {
        std::string row;
        for (const std::string_view column : {"categoria", "nombre", "semilla", "indice", "traza"}) {
            if (column == "traza" && !traced_)
                break;
            if (!row.empty())
                row += separator_;
            row += column;
        }
        row += end_of_row();
        return row;
    }

    void append(const NameLine& line, std::string& out) const override
    {
        field(line.category.display_text, out);
        out += separator_;
        field(line.name, out);
        out += separator_;
        append_number(line.seed, out);
        out += separator_;
        append_number(line.index, out);
        if (traced_) {
            out += separator_;
            field(line.trace, out);
        }
        out += end_of_row();
    }

private:
    std::string_view end_of_row() const { return separator_ == ',' ? "\r\n" : "\n"; }

    void field(std::string_view text, std::string& out) const
    {
        if (separator_ != ',' || text.find_first_of(",\"\r\n") == std::string_view::npos) {
            out += text;
            return;
        }
        out += '"';
        for (const char c : text) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }

    char separator_;
    bool traced_;
};

// JSON Lines: one object per name. The seed is a string, since a 64-bit seed
// does not fit the numbers of many JSON readers.
class JsonLines final : public LineFormat {
public:
    explicit JsonLines(bool traced) : traced_(traced) {}

    void append(const NameLine& line, std::string& out) const override
    {
        out += "{\"categoria\":";
        append_json_string(line.category.display_text, out);
        out += ",\"nombre\":";
        append_json_string(line.name, out);
        out += ",\"semilla\":\"";
        append_number(line.seed, out);
        out += "\",\"indice\":";
        append_number(line.index, out);
        if (traced_) {
            out += ",\"traza\":";
            append_json_string(line.trace, out);
        }
        out += "}\n";
    }

private:
    bool traced_;
};

}  // namespace

void append_json_string(std::string_view text, std::string& out)
{
    static constexpr char hex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20) {
                out += "\\u00";
                out += hex[byte >> 4];
                out += hex[byte & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

std::unique_ptr<LineFormat> make_line_format(Format format, bool labelled, bool traced)
{
    switch (format) {
    case Format::tsv: return std::make_unique<ColumnLines>('\t', traced);
    case Format::csv: return std::make_unique<ColumnLines>(',', traced);
    case Format::json: return std::make_unique<JsonLines>(traced);
    case Format::text: break;
    }
    return std::make_unique<TextLines>(labelled, traced);
}

}  // namespace quelvarinox::cli
