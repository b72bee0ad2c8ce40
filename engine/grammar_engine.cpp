#include "engine/grammar_engine.h"

#include "engine/name_builder.h"
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

// Runs one word of a grammar: its draws from the particle to its last coda.
class WordMaker {
public:
    WordMaker(const Grammar& grammar, const Form& form, NameBuilder& name)
        : grammar_(grammar), form_(form), name_(name)
    {
    }

    void make(int word)
    {
        if (grammar_.particle) {
            const TablePiece particle = name_.draw(*grammar_.particle);
            if (keeps_particle(grammar_.particle_kept, word == form_.words - 1, form_.compound))
                name_.append(particle);
        }
        bool prefixed = false;
        if (grammar_.prefix && grammar_.prefix_drawn == PrefixDrawn::before_syllable_count)
            prefixed = name_.draw(*grammar_.prefix) == Prefix::apostrophe && contains(grammar_.prefix_words, word);
        name_.start_word(!contains(form_.lower_case, word));
        const int drawn = name_.draw(grammar_.syllables);
        const bool fixed = contains(form_.one_syllable | form_.bare_vowel | form_.initial, word);
        const int syllables = fixed ? 1 : drawn;
        for (int syllable = 0; syllable < syllables; ++syllable) {
            if (grammar_.syllable_break)
                syllable_break(syllable);
            if (syllable == 0) {
                if (grammar_.prefix && grammar_.prefix_drawn == PrefixDrawn::after_syllable_count)
                    prefixed = name_.draw(*grammar_.prefix) == Prefix::apostrophe && contains(grammar_.prefix_words, word);
                if (prefixed)
                    name_.apostrophe_prefix(grammar_.onset, grammar_.vowel, grammar_.coda);
            }
            const bool accent_may_stand = word == grammar_.accent_word - 1 && syllable == syllables - 1;
            if (contains(form_.initial, word))
                initial();
            else if (contains(form_.bare_vowel, word))
                bare_vowel(accent_may_stand);
            else
                plain_syllable(accent_may_stand);
        }
    }

private:
    void syllable_break(int syllable)
    {
        if (syllable == 0 && grammar_.break_drawn == BreakDrawn::between_syllables)
            return;
        const SyllableBreak& drawn = name_.draw(*grammar_.syllable_break);
        if (syllable == 0)
            return;
        name_.append(drawn.text.piece());
        if (drawn.capitalizes)
            name_.capitalize_next();
    }

    // The first letter of the onset, or the grammar's letter when it is empty;
    // the vowel and the coda are drawn and dropped.
    void initial()
    {
        const Piece onset = name_.draw(grammar_.onset);
        name_.put(onset.empty() ? Piece(grammar_.empty_initial.piece()) : onset.substr(0, first_utf8_character(onset).value_or(Utf8Character{0, 1}).bytes));
        name_.draw(grammar_.vowel);
        name_.draw(grammar_.coda);
    }

    // Only the vowel shows, and it never takes the word's capital; its word has
    // one syllable, the last, where an accent may stand.
    void bare_vowel(bool accent_may_stand)
    {
        name_.draw(grammar_.onset);
        vowel(accent_may_stand, Capital::never);
        name_.draw(grammar_.coda);
    }

    // The vowel of a syllable. With [acento], an accented vowel keeps its
    // accent only where it may stand, and gives the grammar's unaccented vowel
    // elsewhere; the answer is whether an accent stood.
    bool vowel(bool accent_may_stand, Capital rule)
    {
        if (grammar_.accent_word == 0) {
            name_.slot(grammar_.vowel, rule);
            return false;
        }
        const int value = name_.context().Tirada(grammar_.vowel.multiplier);
        const bool accented = grammar_.accented_vowel_rows[grammar_.vowel.row_of(value)];
        name_.put(accented && !accent_may_stand ? grammar_.unaccented.piece() : grammar_.vowel[value], rule);
        return accented && accent_may_stand;
    }

    void plain_syllable(bool accent_may_stand)
    {
        name_.onset(grammar_.onset);
        const bool accent = vowel(accent_may_stand, Capital::may_carry);
        const TablePiece coda = name_.draw(grammar_.coda);
        if (accent)
            return;
        if (grammar_.coda_apostrophe && !coda.empty())
            name_.append(name_.draw(*grammar_.coda_apostrophe));
        name_.put(coda, Capital::never);
    }

    const Grammar& grammar_;
    const Form& form_;
    NameBuilder& name_;
};

// The shortest path, for a grammar of plain words: the same draws as
// WordMaker's, with the tables held in registers; inlined into its one caller,
// which spares every name a call's saving and restoring of registers.
[[gnu::always_inline]] inline void make_plain_words(const Grammar& grammar, const Form& form, TablePiece joiner, NameBuilder& name)
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

}  // namespace

void make_grammar_name(const Grammar& grammar, GenerationContext& ctx, std::string& name)
{
    NameBuilder builder(ctx, name);
    const Form* form = grammar.forms ? &builder.draw(*grammar.forms) : &grammar.fixed_form;
    if (grammar.alternative && ctx.alternative_mode())
        form = &*grammar.alternative;
    if (!form->before.empty())
        builder.append(form->before);
    const TablePiece joiner = grammar.joiner ? builder.draw(*grammar.joiner) : TablePiece{};
    if (grammar.plain_words() && (form->bare_vowel | form->initial) == 0) {
        make_plain_words(grammar, *form, joiner, builder);
    } else {
        WordMaker words(grammar, *form, builder);
        for (int word = 0; word < form->words; ++word) {
            words.make(word);
            if (!grammar.joiner)
                builder.append(form->after[static_cast<std::size_t>(word)]);
            else if (word < form->words - 1)
                builder.append(joiner);
        }
    }
    builder.finish(form->compound);
}

}  // namespace quelvarinox::detail
