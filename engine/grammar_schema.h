#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/grammar.h"
#include "engine/rejection.h"

// The keys of a grammar file, in one place: which keys each part of a file
// takes, what their values are, and their limits. The loader's checks, its
// list of known keys and its guesses at a misspelt key all come from here;
// grammars/README.md and the manual page tell the same in prose.
namespace quelvarinox::detail::grammar_schema {

// What a key's value is.
enum class Kind : std::uint8_t {
    text,       // a quoted text of at most `most` bytes, on one line
    paragraph,  // a quoted text of at most `most` bytes, which may hold line breaks
    piece,      // a quoted text of at most TablePiece::room bytes
    integer,    // a whole number from `least` to `most`
    flag,       // true or false
    choice,     // one of `options`, which name the values of an enum in order
    positions,  // word positions, each once, from 1 to `most` or the form's word count
    texts,      // one text of at most `most` bytes for each word of the form
    pieces,     // a list of pieces
    rows,       // rows [desde, hasta, resultado] over the table's draw
    outcome,    // one outcome of the table
    spans,      // spans [desde, hasta] over the table's draw
    weights,    // a table of weights by outcome, or rows [peso, resultado]
    form,       // a form record
    text_list,  // a list of texts of at most `most` bytes each, and at most `least` of them
};

struct Key {
    std::string_view name;
    Kind kind;
    bool required = false;
    std::int64_t least = 0;
    std::int64_t most = 0;
    std::span<const std::string_view> options = {};
    // Where the positions of a form record go.
    WordSet Form::*word_set = nullptr;
};

// Every drawn table's own keys: the draw and its rows, or weights.
inline constexpr Key multiplier{"tirada", Kind::integer, false, 1, grammar_limits::multiplier};
inline constexpr Key rows{"filas", Kind::rows};
inline constexpr Key otherwise{"resto", Kind::outcome};
inline constexpr Key otherwise_at{"resto_en", Kind::spans};
inline constexpr Key weights{"pesos", Kind::weights};
inline constexpr const Key* drawn_keys[] = {&multiplier, &rows, &otherwise, &otherwise_at, &weights};

// The file's own keys, before its tables.
inline constexpr Key display_text{"nombre", Kind::text, true, 1, grammar_limits::identity_bytes};
inline constexpr Key category_key{"clave", Kind::text, true, 1, 32};
inline constexpr Key description{"descripcion", Kind::paragraph, false, 0, grammar_limits::identity_bytes};
inline constexpr Key empty_initial{"inicial_vacia", Kind::piece};
inline constexpr Key inherits{"hereda", Kind::text, false, 1, grammar_limits::identity_bytes};

// The settings of the tables that have them.
inline constexpr Key fixed_form{"fija", Kind::form};
inline constexpr Key alternative{"alternativa", Kind::form};
inline constexpr std::string_view particle_kept_options[] = {"siempre", "ultima", "ultima_sin_compuesto"};
inline constexpr Key particle_kept{"queda", Kind::choice, true, 0, 0, particle_kept_options};
inline constexpr std::string_view break_drawn_options[] = {"entre_silabas", "antes_de_cada_silaba"};
inline constexpr Key break_drawn{"se_tira", Kind::choice, true, 0, 0, break_drawn_options};
inline constexpr std::string_view prefix_drawn_options[] = {"antes_del_recuento", "tras_el_recuento"};
inline constexpr Key prefix_drawn{"se_tira", Kind::choice, true, 0, 0, prefix_drawn_options};
inline constexpr Key prefix_words{"en_palabras", Kind::positions, false, 1, grammar_limits::words};
inline constexpr Key accented_vowels{"vocales", Kind::pieces, true};
inline constexpr Key accent_word{"palabra", Kind::integer, true, 1, grammar_limits::words};
inline constexpr Key unaccented{"en_otro_sitio", Kind::piece, true};

// A form: its word count and how each word is made.
inline constexpr Key words{"palabras", Kind::integer, true, 1, grammar_limits::words};
inline constexpr Key after{"tras", Kind::texts, false, 0, grammar_limits::text_bytes};
inline constexpr Key before{"delante", Kind::text, false, 0, grammar_limits::text_bytes};
inline constexpr Key compound{"compuesto", Kind::flag};
inline constexpr Key lower_case{"minusculas", Kind::positions, false, 1, 0, {}, &Form::lower_case};
inline constexpr Key one_syllable{"monosilabas", Kind::positions, false, 1, 0, {}, &Form::one_syllable};
inline constexpr Key bare_vowel{"solo_vocal", Kind::positions, false, 1, 0, {}, &Form::bare_vowel};
inline constexpr Key initial{"iniciales", Kind::positions, false, 1, 0, {}, &Form::initial};

// The patterns of [rechazo]: at most `least` of them, each of at most `most` bytes.
inline constexpr Key patterns{"patrones", Kind::text_list, true, rejection_limits::patterns, grammar_limits::text_bytes};

// A syllable break written as a record.
inline constexpr Key break_text{"texto", Kind::piece, true};
inline constexpr Key break_capital{"mayuscula", Kind::flag};

// A part of a file that holds keys: the file itself, one of its sections, or a
// record inside a table.
struct Part {
    // A section's name, as its header writes it; empty for the file and the records.
    std::string_view name;
    // How a message names the file or a record.
    std::string_view called;
    std::span<const Key* const> keys;
    // A section that every file has.
    bool required = false;
    // A table of draws, which also takes drawn_keys.
    bool drawn = false;
    // The sections the part holds, which are keys of it too: the file's, and
    // a slot's tables of the first and the last syllable.
    std::span<const Part* const> sections = {};

    // "[ataque]", "el fichero", "una forma".
    std::string where() const;
};

namespace part_keys {
inline constexpr const Key* file[] = {&display_text, &category_key, &description, &empty_initial, &inherits};
inline constexpr const Key* form_section[] = {&fixed_form, &alternative};
inline constexpr const Key* particle_section[] = {&particle_kept};
inline constexpr const Key* break_section[] = {&break_drawn};
inline constexpr const Key* prefix_section[] = {&prefix_drawn, &prefix_words};
inline constexpr const Key* accent_section[] = {&accented_vowels, &accent_word, &unaccented};
inline constexpr const Key* form_record[] = {&words,      &after,        &before,     &compound,
                                             &lower_case, &one_syllable, &bare_vowel, &initial};
inline constexpr const Key* break_record[] = {&break_text, &break_capital};
inline constexpr const Key* rejection_section[] = {&patterns};
}  // namespace part_keys

// The tables of the first and the last syllable of a word, sections of their
// slot's section.
inline constexpr Part first_onset_section{"ataque.inicial", {}, {}, false, true};
inline constexpr Part last_onset_section{"ataque.final", {}, {}, false, true};
inline constexpr Part first_vowel_section{"vocal.inicial", {}, {}, false, true};
inline constexpr Part last_vowel_section{"vocal.final", {}, {}, false, true};
inline constexpr Part first_coda_section{"coda.inicial", {}, {}, false, true};
inline constexpr Part last_coda_section{"coda.final", {}, {}, false, true};
namespace part_sections {
inline constexpr const Part* onset[] = {&first_onset_section, &last_onset_section};
inline constexpr const Part* vowel[] = {&first_vowel_section, &last_vowel_section};
inline constexpr const Part* coda[] = {&first_coda_section, &last_coda_section};
}  // namespace part_sections

inline constexpr Part form_section{"forma", {}, part_keys::form_section, true, true};
inline constexpr Part syllables_section{"silabas", {}, {}, true, true};
inline constexpr Part onset_section{"ataque", {}, {}, true, true, part_sections::onset};
inline constexpr Part vowel_section{"vocal", {}, {}, true, true, part_sections::vowel};
inline constexpr Part coda_section{"coda", {}, {}, true, true, part_sections::coda};
inline constexpr Part particle_section{"particula", {}, part_keys::particle_section, false, true};
inline constexpr Part joiner_section{"union", {}, {}, false, true};
inline constexpr Part break_section{"corte", {}, part_keys::break_section, false, true};
inline constexpr Part prefix_section{"prefijo", {}, part_keys::prefix_section, false, true};
inline constexpr Part apostrophe_section{"apostrofo", {}, {}, false, true};
inline constexpr Part accent_section{"acento", {}, part_keys::accent_section};
// Its keys are the names of its classes.
inline constexpr Part classes_section{"clases", {}, {}};
inline constexpr Part rejection_section{"rechazo", {}, part_keys::rejection_section};

// The sections, in the order the file's keys are listed.
inline constexpr const Part* sections[] = {&form_section,       &syllables_section, &onset_section,  &vowel_section,
                                           &coda_section,       &particle_section,  &joiner_section, &break_section,
                                           &prefix_section,     &apostrophe_section, &accent_section, &classes_section,
                                           &rejection_section};

inline constexpr Part file{{}, "el fichero", part_keys::file, false, false, sections};
inline constexpr Part form_record{{}, "una forma", part_keys::form_record};
inline constexpr Part break_record{{}, "un corte", part_keys::break_record};

// The names of every key `part` takes, in the order a message lists them: a
// drawn table's own keys before its settings, the part's keys before its
// sections, each section by its own name ("inicial" in [ataque]).
std::vector<std::string_view> key_names(const Part& part);

// The names of the keys of `part` that it cannot do without.
std::vector<std::string_view> required_names(const Part& part);

}  // namespace quelvarinox::detail::grammar_schema
