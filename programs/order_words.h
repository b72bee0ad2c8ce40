#pragma once

#include "engine/name_builder.h"

// The rules that Jedi and Sith-lord names share: how their words are joined,
// and the apostrophe that stands in for a vowel only once.
namespace quelvarinox::detail {

enum class Joining {
    none,               // a single word, or a word before an epithet
    spaced,             // Aaa Bbb Ccc
    hyphenated,         // Aaa-Bbb-Ccc
    hyphen_then_space,  // Aaa-Bbb Ccc
};

// What follows the word that makes `finished_words` words so far.
constexpr Piece separator_after(Joining joining, int finished_words)
{
    switch (joining) {
    case Joining::spaced: return " ";
    case Joining::hyphenated: return "-";
    case Joining::hyphen_then_space: return finished_words == 1 ? "-" : " ";
    case Joining::none: break;
    }
    return nothing;
}

// One word of an order name and its separator. A word of empty pieces takes
// no separator, so no name holds a doubled one.
template <class Count, class EachSyllable>
void order_word(NameBuilder& name, const Count& syllable_count, EachSyllable&& each_syllable, Piece separator,
                bool capitalized = true)
{
    const std::size_t before = name.name().size();
    name.word(syllable_count, each_syllable, capitalized);
    if (name.name().size() > before)
        name.append(separator);
}

// The apostrophe vowel stands in for a vowel once; after that its values give "a".
inline constexpr Piece apostrophe = "'";

constexpr Piece apostrophe_once(Piece drawn, bool& apostrophe_used)
{
    if (drawn != apostrophe)
        return drawn;
    if (apostrophe_used)
        return "a";
    apostrophe_used = true;
    return drawn;
}

}  // namespace quelvarinox::detail
