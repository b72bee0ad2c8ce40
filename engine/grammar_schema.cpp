#include "engine/grammar_schema.h"

namespace quelvarinox::detail::grammar_schema {

std::string Part::where() const
{
    if (name.empty())
        return std::string(called);
    std::string text(1, '[');
    text += name;
    text += ']';
    return text;
}

std::vector<std::string_view> key_names(const Part& part)
{
    std::vector<std::string_view> names;
    if (part.drawn)
        for (const Key* drawn : drawn_keys)
            names.push_back(drawn->name);
    for (const Key* own : part.keys)
        names.push_back(own->name);
    for (const Part* section : part.sections)
        names.push_back(section->name.substr(section->name.rfind('.') + 1));
    return names;
}

std::vector<std::string_view> required_names(const Part& part)
{
    std::vector<std::string_view> names;
    for (const Key* own : part.keys)
        if (own->required)
            names.push_back(own->name);
    return names;
}

}  // namespace quelvarinox::detail::grammar_schema
