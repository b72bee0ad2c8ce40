#include "engine/grammar_engine.h"

#include <array>
#include <cstdint>

#include "engine/name_builder.h"
#include "text/shown.h"
#include "text/utf8.h"

namespace quelvarinox::detail {

namespace {

bool keeps_particle(ParticleKept kept, bool last_word, bool compound)
{
    switch (kept) {
    case ParticleKept::always:
        return true;
    case ParticleKept::last_word:
        return last_word;
    case ParticleKept::last_word_without_compound:
        return last_word && !compound;
    }
    return false;
}

// The tables a syllable of a grammar without first- or last-syllable tables
// draws from: the grammar's own, read from it at each draw.
struct PlainSlots {
    const Grammar& grammar;
    const DrawnPieceTable& onset() const { return grammar.onset; }
    const DrawnPieceTable& vowel() const { return grammar.vowel; }
    const DrawnPieceTable& coda() const { return grammar.coda; }
    const std::vector<bool>& accented_rows() const { return grammar.accented_vowel_rows; }
};

// The tables a syllable draws from where they depend on its place in its word.
struct PlacedSlots {
    const DrawnPieceTable* onset_table;
    const DrawnPieceTable* vowel_table;
    const DrawnPieceTable* coda_table;
    const std::vector<bool>* accented;
    const DrawnPieceTable& onset() const { return *onset_table; }
    const DrawnPieceTable& vowel() const { return *vowel_table; }
    const DrawnPieceTable& coda() const { return *coda_table; }
    const std::vector<bool>& accented_rows() const { return *accented; }
};

const DrawnPieceTable* preferred(bool first_fits, const std::optional<DrawnPieceTable>& first_choice, bool second_fits,
                                 const std::optional<DrawnPieceTable>& second_choice, const DrawnPieceTable& plain)
{
    if (first_fits && first_choice)
        return &*first_choice;
    if (second_fits && second_choice)
        return &*second_choice;
    return &plain;
}

// The onset of a word's first syllable comes from its .inicial table, its
// vowel and coda from theirs; those of the last from the .final tables; the
// one syllable of a word of one prefers .inicial for its onset and .final for
// its vowel and coda.
PlacedSlots placed_slots(const Grammar& grammar, bool first, bool last)
{
    PlacedSlots slots{preferred(first, grammar.first_onset, last, grammar.last_onset, grammar.onset),
                      preferred(last, grammar.last_vowel, first, grammar.first_vowel, grammar.vowel),
                      preferred(last, grammar.last_coda, first, grammar.first_coda, grammar.coda),
                      &grammar.accented_vowel_rows};
    if (grammar.first_vowel && slots.vowel_table == &*grammar.first_vowel)
        slots.accented = &grammar.accented_first_vowel_rows;
    if (grammar.last_vowel && slots.vowel_table == &*grammar.last_vowel)
        slots.accented = &grammar.accented_last_vowel_rows;
    return slots;
}

// The vowel of a syllable. With [acento], an accented vowel keeps its accent
// only in the last syllable of the accent's word, and gives the grammar's
// unaccented vowel elsewhere; the answer is whether an accent stood.
template <unsigned Extras, class Slots>
[[gnu::always_inline]] inline bool put_vowel(const Grammar& grammar, const Slots& slots, int word, bool last,
                                             Capital rule, NameBuilder& name)
{
    if (!(Extras & word_extras::accent) || grammar.accent_word == 0) {
        name.slot(slots.vowel(), rule);
        return false;
    }
    const bool may_stand = word == grammar.accent_word - 1 && last;
    const int value = name.draw_value(slots.vowel());
    const bool accented = slots.accented_rows()[slots.vowel().row_of(value)];
    name.put(accented && !may_stand ? grammar.unaccented.piece() : slots.vowel()[value], rule);
    return accented && may_stand;
}

// A syllable of onset, vowel and coda, and the apostrophe before its coda.
template <unsigned Extras, class Slots>
[[gnu::always_inline]] inline void make_syllable(const Grammar& grammar, const Slots& slots, int word, bool last,
                                                 NameBuilder& name)
{
    name.onset(slots.onset());
    const bool accent = put_vowel<Extras>(grammar, slots, word, last, Capital::may_carry, name);
    const TablePiece coda = name.draw(slots.coda());
    if (accent)
        return;
    if ((Extras & word_extras::coda_apostrophe) && grammar.coda_apostrophe && !coda.empty())
        name.append(name.draw(*grammar.coda_apostrophe));
    name.put(coda, Capital::never);
}

// The one syllable of a word that its form cuts: to the first letter of its
// onset, its vowel and coda drawn and dropped, or to its vowel alone, which
// never takes the word's capital.
template <unsigned Extras, class Slots>
[[gnu::always_inline]] inline void make_cut_syllable(const Grammar& grammar, const Form& form, const Slots& slots,
                                                     int word, NameBuilder& name)
{
    if (contains(form.initial, word)) {
        const Piece onset = name.draw(slots.onset());
        name.put(onset.empty() ? Piece(grammar.empty_initial.piece())
                               : onset.substr(0, first_utf8_character(onset).value_or(Utf8Character{0, 1}).bytes));
        name.draw(slots.vowel());
        name.draw(slots.coda());
        return;
    }
    name.draw(slots.onset());
    put_vowel<Extras>(grammar, slots, word, true, Capital::never, name);
    name.draw(slots.coda());
}

// The words of a name of any grammar: each one's particle, prefix, syllable
// count and syllables, with their breaks, and what follows it. `Extras` says
// what of that the grammar may have (see word_extras): a version made for
// fewer tests nothing else.
template <unsigned Extras>
[[gnu::always_inline]] inline void make_words(const Grammar& grammar, const Form& form, TablePiece joiner,
                                              NameBuilder& name)
{
    using namespace word_extras;
    const int words = form.words;
    for (int word = 0; word < words; ++word) {
        if ((Extras & particle) && grammar.particle) {
            const TablePiece particle = name.draw(*grammar.particle);
            if (keeps_particle(grammar.particle_kept, word == words - 1, form.compound))
                name.append(particle);
        }
        bool prefixed = false;
        if ((Extras & prefix) && grammar.prefix && grammar.prefix_drawn == PrefixDrawn::before_syllable_count)
            prefixed = name.draw(*grammar.prefix) == Prefix::apostrophe && contains(grammar.prefix_words, word);
        name.start_word(!contains(form.lower_case, word));
        const int drawn = name.draw(grammar.syllables);
        const bool cut = contains(form.bare_vowel | form.initial, word);
        const int syllables = cut || contains(form.one_syllable, word) ? 1 : drawn;
        for (int syllable = 0; syllable < syllables; ++syllable) {
            if ((Extras & breaks) && grammar.syllable_break &&
                (syllable > 0 || grammar.break_drawn == BreakDrawn::before_every_syllable)) {
                const SyllableBreak& cut_at = name.draw(*grammar.syllable_break);
                if (syllable > 0) {
                    name.append(cut_at.text.piece());
                    if (cut_at.capitalizes)
                        name.capitalize_next();
                }
            }
            if ((Extras & prefix) && syllable == 0 && grammar.prefix) {
                if (grammar.prefix_drawn == PrefixDrawn::after_syllable_count)
                    prefixed = name.draw(*grammar.prefix) == Prefix::apostrophe && contains(grammar.prefix_words, word);
                if (prefixed)
                    name.apostrophe_prefix(grammar.onset, grammar.vowel, grammar.coda);
            }
            const bool last = syllable == syllables - 1;
            const auto slots = [&] {
                if constexpr ((Extras & placed_tables) != 0)
                    return placed_slots(grammar, syllable == 0, last);
                else
                    return PlainSlots{grammar};
            }();
            if (cut)
                make_cut_syllable<Extras>(grammar, form, slots, word, name);
            else
                make_syllable<Extras>(grammar, slots, word, last, name);
        }
        if (!grammar.joiner)
            name.append(form.after[static_cast<std::size_t>(word)]);
        else if (word < words - 1)
            name.append(joiner);
    }
}

// The shortest path, for a grammar of plain words: the same draws as
// make_words's, with nothing tested that the grammar does not have, and the
// tables held in registers.
[[gnu::always_inline]] inline void make_plain_words(const Grammar& grammar, const Form& form, TablePiece joiner,
                                                    NameBuilder& name)
{
    const auto onset = grammar.onset.view();
    const auto vowel = grammar.vowel.view();
    const auto coda = grammar.coda.view();
    const auto syllable_count = grammar.syllables.view();
    const int words = form.words;
    for (int word = 0; word < words; ++word) {
        name.start_word(!contains(form.lower_case, word));
        const int drawn = name.draw(syllable_count);
        const int syllables = contains(form.one_syllable, word) ? 1 : drawn;
        for (int syllable = 0; syllable < syllables; ++syllable)
            name.syllable(onset, vowel, coda);
        if (!grammar.joiner)
            name.append(form.after[static_cast<std::size_t>(word)]);
        else if (word < words - 1)
            name.append(joiner);
    }
}

// One attempt at a name: its form, what goes before its words, its joiner,
// its words and its end.
template <class Words>
[[gnu::always_inline]] inline void make_attempt(const Grammar& grammar, GenerationContext& ctx, NameBuilder& builder,
                                                Words words)
{
    const Form* form = grammar.forms ? &builder.draw(*grammar.forms) : &grammar.fixed_form;
    if (grammar.alternative && ctx.alternative_mode())
        form = &*grammar.alternative;
    if (!form->before.empty())
        builder.append(form->before);
    const TablePiece joiner = grammar.joiner ? builder.draw(*grammar.joiner) : TablePiece{};
    words(grammar, *form, joiner, builder);
    builder.finish(form->compound);
}

// A name of a grammar without [rechazo]: one attempt. Inlined whole into a
// function of its own, nothing takes the builder's address, and it lives in
// registers.
template <class Words>
[[gnu::always_inline]] inline void make_name(const Grammar& grammar, GenerationContext& ctx, std::string& name,
                                             Words words)
{
    NameBuilder builder(ctx, name);
    make_attempt(grammar, ctx, builder, words);
    builder.hand_over();
}

// A function for each kind of grammar, each holding one whole name and
// nothing else, so that the builder and the tables of a name keep to
// registers: plain words; plain words with forms that cut some; words with
// the extras of one of the planets (Tatooine's particle and breaks, Agamar's
// breaks, Socorro's particle and coda apostrophes, the prefixes of Bespin
// and Carida, Naboo's accent); and words with any extras at all.
[[gnu::flatten, gnu::noinline]] void make_name_of_plain_words(const Grammar& grammar, GenerationContext& ctx,
                                                              std::string& name)
{
    make_name(grammar, ctx, name, make_plain_words);
}

[[gnu::always_inline]] inline void make_plain_or_cut_words(const Grammar& grammar, const Form& form, TablePiece joiner,
                                                           NameBuilder& builder)
{
    if ((form.bare_vowel | form.initial) == 0)
        make_plain_words(grammar, form, joiner, builder);
    else
        make_words<0>(grammar, form, joiner, builder);
}

[[gnu::flatten, gnu::noinline]] void make_name_of_plain_or_cut_words(const Grammar& grammar, GenerationContext& ctx,
                                                                     std::string& name)
{
    make_name(grammar, ctx, name, make_plain_or_cut_words);
}

template <unsigned Extras>
[[gnu::flatten, gnu::noinline]] void make_name_with(const Grammar& grammar, GenerationContext& ctx, std::string& name)
{
    make_name(grammar, ctx, name, make_words<Extras>);
}

using NameMaking = void (*)(const Grammar&, GenerationContext&, std::string&);

NameMaking name_making(const Grammar& grammar)
{
    using namespace word_extras;
    switch (grammar.extras) {
    case 0:
        return grammar.cuts_words ? make_name_of_plain_or_cut_words : make_name_of_plain_words;
    case particle | breaks:
        return make_name_with<particle | breaks>;
    case breaks:
        return make_name_with<breaks>;
    case particle | coda_apostrophe:
        return make_name_with<particle | coda_apostrophe>;
    case prefix:
        return make_name_with<prefix>;
    case accent:
        return make_name_with<accent>;
    default:
        return make_name_with<any>;
    }
}

[[gnu::flatten, gnu::noinline]] void make_any_attempt(const Grammar& grammar, GenerationContext& ctx, NameBuilder& builder)
{
    if (grammar.extras == 0)
        make_attempt(grammar, ctx, builder, make_plain_or_cut_words);
    else
        make_attempt(grammar, ctx, builder, make_words<word_extras::any>);
}

// A name of a grammar with [rechazo]: attempts, each going on with the draws
// of the one before, until one contains none of the patterns, or
// rejection_attempts of them were all rejected.
[[gnu::noinline]] Refusal make_name_rejecting(const Grammar& grammar, GenerationContext& ctx, std::string& name)
{
    NameBuilder builder(ctx, name);
    std::array<std::uint16_t, rejection_limits::patterns> rejected_by{};
    Refusal most;
    for (int attempt = 1;; ++attempt) {
        make_any_attempt(grammar, ctx, builder);
        const int pattern = grammar.rejection->match(builder.name());
        if (pattern == 0)
            break;
        builder.rejected(pattern);
        const int times = ++rejected_by[static_cast<std::size_t>(pattern - 1)];
        if (times > most.times || (times == most.times && pattern < most.pattern))
            most = {pattern, times};
        if (attempt == rejection_attempts) {
            builder.hand_over();
            return most;
        }
        builder.restart();
    }
    builder.hand_over();
    return {};
}

}  // namespace

std::string refusal_text(const Grammar& grammar, const Refusal& refusal)
{
    const auto pattern = static_cast<std::size_t>(refusal.pattern - 1);
    return "[rechazo] lo ha rechazado " + std::to_string(rejection_attempts) + " veces seguidas, " +
           std::to_string(refusal.times) + " de ellas por el patrón " + std::to_string(refusal.pattern) + ", " +
           shown(grammar.rejection->patterns()[pattern]);
}

Refusal make_grammar_name(const Grammar& grammar, GenerationContext& ctx, std::string& name)
{
    if (grammar.rejection)
        return make_name_rejecting(grammar, ctx, name);
    name_making(grammar)(grammar, ctx, name);
    return {};
}

}  // namespace quelvarinox::detail
