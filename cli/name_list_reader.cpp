#include "cli/name_list_reader.h"

#include "text/shown.h"
#include "text/utf8.h"

namespace quelvarinox::cli {

namespace {

// What keeps a line, without its end, from being one of a list of names;
// empty if nothing does.
std::string fault_of(std::string_view line)
{
    if (line.find('\0') != std::string_view::npos)
        return "tiene un byte nulo";
    if (line.size() > max_list_line_bytes)
        return "pasa de " + std::to_string(max_list_line_bytes) + " bytes, más que cualquier nombre";
    if (!detail::utf8_length(line))
        return "no es texto UTF-8 válido";
    return {};
}

}  // namespace

bool NameListReader::take(std::string_view bytes)
{
    if (!error_.empty())
        return false;
    bytes_ += bytes.size();
    if (bytes_ > max_list_bytes)
        return refuse(detail::shown(path_) + " pasa de " + std::to_string(max_list_bytes >> 20) +
                      " MiB, más de lo que lee --excluir.");
    for (std::size_t start = 0;;) {
        const std::size_t end = bytes.find('\n', start);
        line_.append(bytes.substr(start, end - start));
        if (end == std::string_view::npos)
            break;
        if (!end_line())
            return false;
        start = end + 1;
    }
    // One byte more for the '\r' of a line that ends in "\r\n".
    if (line_.size() > max_list_line_bytes + 1 || line_.find('\0') != std::string::npos)
        return refuse(not_a_list());
    return true;
}

bool NameListReader::finish() { return error_.empty() && (line_.empty() || end_line()); }

bool NameListReader::end_line()
{
    if (line_.ends_with('\r'))
        line_.pop_back();
    if (!fault_of(line_).empty())
        return refuse(not_a_list());
    if (++lines_ > max_list_lines)
        return refuse(detail::shown(path_) + " tiene más de " + std::to_string(max_list_lines) +
                      " líneas, más de las que lee --excluir.");
    if (!line_.empty())
        names_.insert(line_);
    line_.clear();
    return true;
}

bool NameListReader::refuse(std::string error)
{
    names_ = {};
    error_ = std::move(error);
    return false;
}

std::string NameListReader::not_a_list() const
{
    return detail::shown(path_) + " no es una lista de nombres: su línea " + std::to_string(lines_ + 1) + " " +
           fault_of(line_) + ".";
}

}  // namespace quelvarinox::cli
