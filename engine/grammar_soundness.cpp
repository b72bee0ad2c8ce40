#include "engine/grammar_soundness.h"

#include <algorithm>
#include <string_view>

#include "text/utf8.h"

namespace quelvarinox::detail {

namespace {

bool shows(std::string_view text) { return text.find_first_not_of(' ') != std::string_view::npos; }

template <class Each>
bool any_form(const Grammar& grammar, Each&& each)
{
    const bool drawn = grammar.forms && std::any_of(grammar.forms->rows().begin(), grammar.forms->rows().end(), each);
    return drawn || (!grammar.forms && each(grammar.fixed_form)) || (grammar.alternative && each(*grammar.alternative));
}

bool any_piece_shows(const DrawnPieceTable& table)
{
    return std::any_of(table.rows().begin(), table.rows().end(), [](const PieceSlot& slot) { return shows(slot.piece()); });
}

bool can_be_empty(const DrawnPieceTable& table)
{
    for (int value = 0; value <= table.multiplier; ++value)
        if (table[value].empty())
            return true;
    return false;
}

}  // namespace

bool names_can_hold_text(const Grammar& grammar)
{
    const auto form_shows = [](const Form& form) {
        return form.compound || shows(form.before) ||
               std::any_of(form.after.begin(), form.after.begin() + form.words, [](const std::string& after) {
                   return shows(after);
               });
    };
    const auto optional_shows = [](const std::optional<DrawnPieceTable>& table) {
        return table && any_piece_shows(*table);
    };
    const bool breaks_show = grammar.syllable_break &&
                             std::any_of(grammar.syllable_break->rows().begin(), grammar.syllable_break->rows().end(),
                                         [](const SyllableBreak& drawn) { return shows(drawn.text.piece()); });
    const bool prefixes_show =
        grammar.prefix && std::find(grammar.prefix->rows().begin(), grammar.prefix->rows().end(), Prefix::apostrophe) !=
                              grammar.prefix->rows().end();
    return any_piece_shows(grammar.onset) || any_piece_shows(grammar.vowel) || any_piece_shows(grammar.coda) ||
           optional_shows(grammar.first_onset) || optional_shows(grammar.first_vowel) ||
           optional_shows(grammar.first_coda) || optional_shows(grammar.last_onset) ||
           optional_shows(grammar.last_vowel) || optional_shows(grammar.last_coda) || optional_shows(grammar.particle) || optional_shows(grammar.joiner) ||
           optional_shows(grammar.coda_apostrophe) || breaks_show || prefixes_show ||
           (grammar.accent_word > 0 && shows(grammar.unaccented.piece())) ||
           shows(grammar.empty_initial.piece()) || any_form(grammar, form_shows);
}

bool initials_can_be_empty(const Grammar& grammar)
{
    const DrawnPieceTable& onset = grammar.first_onset  ? *grammar.first_onset
                                   : grammar.last_onset ? *grammar.last_onset
                                                        : grammar.onset;
    return grammar.empty_initial.size == 0 && any_form(grammar, [](const Form& form) { return form.initial != 0; }) &&
           can_be_empty(onset);
}

std::vector<std::string> texts_names_are_written_with(const Grammar& grammar)
{
    std::vector<std::string> texts;
    const auto add_table = [&](const DrawnPieceTable& table) {
        for (const PieceSlot& slot : table.rows())
            texts.emplace_back(Piece(slot.piece()));
    };
    const auto add_optional = [&](const std::optional<DrawnPieceTable>& table) {
        if (table)
            add_table(*table);
    };
    for (const DrawnPieceTable* table : {&grammar.onset, &grammar.vowel, &grammar.coda})
        add_table(*table);
    for (const auto* table : {&grammar.first_onset, &grammar.first_vowel, &grammar.first_coda, &grammar.last_onset,
                              &grammar.last_vowel, &grammar.last_coda, &grammar.particle, &grammar.joiner,
                              &grammar.coda_apostrophe})
        add_optional(*table);
    // The initial of a word is the first letter of an onset.
    for (const auto* table : {&grammar.first_onset, &grammar.last_onset})
        if (*table)
            for (const PieceSlot& slot : (*table)->rows())
                texts.emplace_back(Piece(slot.piece()).substr(0, first_utf8_character(slot.piece()).value_or(Utf8Character{0, 1}).bytes));
    for (const PieceSlot& slot : grammar.onset.rows())
        texts.emplace_back(Piece(slot.piece()).substr(0, first_utf8_character(slot.piece()).value_or(Utf8Character{0, 1}).bytes));
    if (grammar.syllable_break)
        for (const SyllableBreak& drawn : grammar.syllable_break->rows())
            texts.emplace_back(Piece(drawn.text.piece()));
    if (grammar.prefix)
        texts.emplace_back("'");
    texts.emplace_back(Piece(grammar.unaccented.piece()));
    texts.emplace_back(Piece(grammar.empty_initial.piece()));
    bool compound = false;
    any_form(grammar, [&](const Form& form) {
        texts.push_back(form.before);
        texts.insert(texts.end(), form.after.begin(), form.after.begin() + form.words);
        compound = compound || form.compound;
        return false;
    });
    if (compound)
        for (const char letter : std::string_view("abcdefghijklmnopqrstuvwxyz "))
            texts.emplace_back(1, letter);
    return texts;
}

}  // namespace quelvarinox::detail
