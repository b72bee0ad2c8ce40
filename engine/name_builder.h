#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/generation_context.h"
#include "core/weighted_table.h"
#include "engine/name_text.h"
#include "text/compuesto.h"
#include "text/mayusculiza.h"

namespace quelvarinox::detail {

// Whether a slot may take the capital of its word. Onsets and vowels may, when
// their piece is not empty; codas never do.
enum class Capital { may_carry, never };

// The shared shape of every grammar: a name built from left to right, word by
// word, syllable by syllable, slot by slot, with the capital of each word given
// once, to its first non-empty piece, through mayusculiza.
class NameBuilder {
public:
    // A new name: reseeds the shared random source, as every generator does
    // first, and starts from nothing. `name` receives it, once, at hand_over().
    // The builder copies the context's draws, and keeps nothing that a call it
    // makes could reach: inlined whole into a generator, it lives in registers.
    NameBuilder(GenerationContext& ctx, std::string& name)
        : ctx_(ctx), draws_(ctx.draws()), name_(name), text_(ctx.name_room)
    {
        draws_.reseed();
    }
    NameBuilder(const NameBuilder&) = delete;
    NameBuilder& operator=(const NameBuilder&) = delete;

    GenerationContext& context() { return ctx_; }
    std::string_view name() const { return text_.view(); }

    // Writes the name built into the string it was built for. A builder
    // without a destructor that does it stays out of memory (see above).
    [[gnu::always_inline]] void hand_over() { name_.assign(text_.view()); }

    // Starts the name again from nothing, with no reseed: the draws go on.
    [[gnu::always_inline]] void restart()
    {
        text_.clear();
        capital_pending_ = false;
    }

    // One draw of a table: a piece, a count or a form, appended nowhere.
    template <class Table>
    [[gnu::always_inline]] decltype(auto) draw(const Table& table)
    {
        if constexpr (requires { table.scale; })
            return table[draws_.Tirada(table.multiplier, table.scale)];
        else
            return table[draws_.Tirada(table.multiplier)];
    }

    // The value of a draw of `table`, for a caller that reads the table itself.
    template <class Table>
    [[gnu::always_inline]] int draw_value(const Table& table)
    {
        return draws_.Tirada(table.multiplier, table.scale);
    }

    // Marks the name so far as rejected by pattern `pattern`, in the log.
    [[gnu::always_inline]] void rejected(int pattern) { draws_.rejected(pattern); }

    // The first draw of a grammar that reads the alternative mode: the form is
    // drawn, then huevo is read, once; with the mode on, `alternative` stands in
    // for what was drawn.
    template <class Table, class Form>
    [[gnu::always_inline]] Form draw_form(const Table& table, const Form& alternative)
    {
        const Form drawn = draw(table);
        return ctx_.alternative_mode() ? alternative : drawn;
    }

    // The capitalisation flag. It is set at the start of every word; a grammar
    // may clear it for a word that keeps its lower case.
    [[gnu::always_inline]] void start_word(bool capitalized = true) { capital_pending_ = capitalized; }
    // For a part inside a word that takes a capital of its own.
    [[gnu::always_inline]] void capitalize_next() { capital_pending_ = true; }

    // Appends a piece, giving it the capital when the flag is still set and the
    // slot may carry it. An empty piece leaves the flag as it is.
    [[gnu::always_inline]] void put(std::string_view piece, Capital rule = Capital::may_carry)
    {
        if (!capitalize(piece, rule))
            text_.append(piece);
    }
    [[gnu::always_inline]] void put(TablePiece piece, Capital rule = Capital::may_carry)
    {
        if (!capitalize(piece, rule))
            text_.append(piece);
    }

    // The slot step: draw, capitalise if due, append. Returns the drawn piece.
    template <class Table>
    [[gnu::always_inline]] Piece slot(const Table& table, Capital rule)
    {
        const auto piece = draw(table);
        put(piece, rule);
        return piece;
    }
    template <class Table>
    [[gnu::always_inline]] Piece onset(const Table& table) { return slot(table, Capital::may_carry); }
    template <class Table>
    [[gnu::always_inline]] Piece vowel(const Table& table) { return slot(table, Capital::may_carry); }
    template <class Table>
    [[gnu::always_inline]] Piece coda(const Table& table) { return slot(table, Capital::never); }

    // The plain syllable: onset, vowel, coda.
    template <class Onset, class Vowel, class Coda>
    [[gnu::always_inline]] void syllable(const Onset& onset_table, const Vowel& vowel_table, const Coda& coda_table)
    {
        onset(onset_table);
        vowel(vowel_table);
        coda(coda_table);
    }

    // The word step: set the capitalisation flag, draw the syllable count, then run
    // `each_syllable(index)` for every syllable, counted from 0.
    template <class Count, class EachSyllable>
    void word(const Count& syllable_count, EachSyllable&& each_syllable, bool capitalized = true)
    {
        start_word(capitalized);
        const int syllables = draw(syllable_count);
        for (int index = 0; index < syllables; ++index)
            each_syllable(index);
    }

    // A word of plain syllables.
    template <class Count, class Onset, class Vowel, class Coda>
    void word(const Count& syllable_count, const Onset& onset_table, const Vowel& vowel_table,
              const Coda& coda_table)
    {
        word(syllable_count, [&](int) { syllable(onset_table, vowel_table, coda_table); });
    }

    // The apostrophe prefix of a word ("d'Avor", "'Elin"): a pass through the
    // syllable slots that is not one of the word's syllables. Its onset stays in
    // lower case, an apostrophe stands in for its vowel, its vowel and coda draws
    // are made and dropped, and the capital is left to the syllable that follows.
    template <class Onset, class Vowel, class Coda>
    [[gnu::always_inline]] void apostrophe_prefix(const Onset& onset_table, const Vowel& vowel_table, const Coda& coda_table)
    {
        capital_pending_ = false;
        append(draw(onset_table));
        draw(vowel_table);
        append("'");
        draw(coda_table);
        capital_pending_ = true;
    }

    // Plain text that carries no capital: joiners, particles, separators.
    [[gnu::always_inline]] void append(std::string_view text) { text_.append(text); }
    [[gnu::always_inline]] void append(TablePiece piece) { text_.append(piece); }

    [[gnu::always_inline]] bool ends_with(char c) const { return !text_.empty() && text_.back() == c; }

    // Removes exactly one trailing `c`, if the name ends with it.
    [[gnu::always_inline]] void trim_one(char c)
    {
        if (ends_with(c))
            text_.pop_back();
    }

    // Removes exactly one trailing character, if it is one of `separators`.
    [[gnu::always_inline]] void trim_one_of(std::string_view separators)
    {
        if (!text_.empty() && separators.find(text_.back()) != std::string_view::npos)
            text_.pop_back();
    }

    // The usual end of a name: the one space its last word left is trimmed, and
    // the compound epithet follows when the form asks for one.
    [[gnu::always_inline]] void finish(bool with_compound = false)
    {
        trim_one(' ');
        if (with_compound)
            compound();
    }

    // Appends a compound epithet from Compuesto and empties the result slot.
    [[gnu::always_inline]] void compound()
    {
        Compuesto(ctx_);
        text_.append(ctx_.LabelOut);
        ctx_.LabelOut.clear();
    }

private:
    // Appends the piece with its capital, if the flag is set and the slot may carry it.
    [[gnu::always_inline]] bool capitalize(Piece piece, Capital rule)
    {
        if (!capital_pending_ || rule != Capital::may_carry || piece.empty())
            return false;
        mayusculiza(ctx_, piece);
        text_.append(ctx_.LabelOut);
        capital_pending_ = false;
        return true;
    }

    GenerationContext& ctx_;
    Draws draws_;
    std::string& name_;
    NameText text_;
    bool capital_pending_ = false;
};

}  // namespace quelvarinox::detail
