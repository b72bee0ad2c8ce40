#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/weighted_table.h"
#include "engine/rejection.h"

namespace quelvarinox::detail {

// What the loader lets a grammar hold. Nothing a file says can take the
// engine past these, so no file can make a name endless or a table huge.
namespace grammar_limits {
inline constexpr std::size_t file_bytes = 1 << 20;
inline constexpr int multiplier = 100000;
inline constexpr int total_weight = multiplier / 2;
inline constexpr std::size_t rows = 4096;
inline constexpr int words = 8;
inline constexpr int syllables = 16;
inline constexpr std::size_t text_bytes = 64;
inline constexpr std::size_t identity_bytes = 4096;
}  // namespace grammar_limits

// A table read from a grammar file: which row each value of Tirada(multiplier)
// falls in, and what each row gives.
template <class T>
class DrawnTable {
public:
    DrawnTable() = default;
    DrawnTable(int multiplier, std::vector<std::uint16_t> row_of_value, std::vector<T> rows)
        : multiplier(multiplier), scale(multiplier * 0x1p-53), row_of_value_(std::move(row_of_value)),
          rows_(std::move(rows))
    {
    }

    int multiplier = 0;
    // Tirada's factor for this N, worked out once.
    double scale = 0;

    std::size_t row_of(int value) const { return row_of_value_[static_cast<std::size_t>(value)]; }
    const T& operator[](int value) const { return rows_[row_of(value)]; }
    const std::vector<T>& rows() const { return rows_; }

    // The table for a run of draws, held in registers (see DrawnPieceTable::View).
    struct View {
        int multiplier;
        double scale;
        const std::uint16_t* row_of_value;
        const T* rows;
        const T& operator[](int value) const { return rows[row_of_value[value]]; }
    };
    View view() const { return {multiplier, scale, row_of_value_.data(), rows_.data()}; }

private:
    std::vector<std::uint16_t> row_of_value_;
    std::vector<T> rows_;
};

// A piece of a table in a slot eight bytes wide, as NameText copies it.
struct PieceSlot {
    std::array<char, TablePiece::room> bytes{};
    std::uint8_t size = 0;

    TablePiece piece() const { return {bytes.data(), size}; }
};

// A table of pieces gives TablePiece, as the compiled tables do, so that the
// builder's verbs take either. Each value of the draw has its piece's slot,
// so that a draw costs one read.
class DrawnPieceTable {
public:
    DrawnPieceTable() = default;
    explicit DrawnPieceTable(DrawnTable<PieceSlot> table)
        : multiplier(table.multiplier), scale(table.scale), table_(std::move(table))
    {
        slots_.reserve(static_cast<std::size_t>(multiplier) + 1);
        for (int value = 0; value <= multiplier; ++value)
            slots_.push_back(table_[value]);
    }

    int multiplier = 0;
    double scale = 0;

    std::size_t row_of(int value) const { return table_.row_of(value); }
    TablePiece operator[](int value) const { return slots_[static_cast<std::size_t>(value)].piece(); }
    const std::vector<PieceSlot>& rows() const { return table_.rows(); }

    // The table for a run of draws, held in a few registers: the text a name
    // writes could alias the table's own fields, which a draw from the table
    // would then read again each time.
    struct View {
        int multiplier;
        double scale;
        const PieceSlot* by_value;
        TablePiece operator[](int value) const { return by_value[value].piece(); }
    };
    View view() const { return {multiplier, scale, slots_.data()}; }

private:
    DrawnTable<PieceSlot> table_;
    std::vector<PieceSlot> slots_;
};

// Word positions, bit i for word i + 1.
using WordSet = std::uint8_t;

inline constexpr bool contains(WordSet words, int word) { return (words >> word & 1U) != 0; }

// What the first draw of a name decides: its words, the text before the first
// and after each one, the compound epithet, and how each word is made.
struct Form {
    int words = 1;
    std::string before;
    std::array<std::string, grammar_limits::words> after;
    bool compound = false;
    WordSet lower_case = 0;
    WordSet one_syllable = 0;
    WordSet bare_vowel = 0;
    WordSet initial = 0;
};

// A syllable break: what is written between two syllables, and whether the
// part after it takes a capital.
struct SyllableBreak {
    PieceSlot text;
    bool capitalizes = false;
};

// Whether a word opens with an apostrophe prefix; not a bool, so that a table
// of them is a plain vector.
enum class Prefix : bool { none, apostrophe };

// Each in the order of its options' names in grammar_schema.h.
enum class ParticleKept { always, last_word, last_word_without_compound };
enum class BreakDrawn { between_syllables, before_every_syllable };
enum class PrefixDrawn { before_syllable_count, after_syllable_count };

namespace word_extras {
inline constexpr unsigned particle = 1;
inline constexpr unsigned breaks = 2;
inline constexpr unsigned prefix = 4;
inline constexpr unsigned coda_apostrophe = 8;
inline constexpr unsigned accent = 16;
inline constexpr unsigned placed_tables = 32;
inline constexpr unsigned any = 63;
}  // namespace word_extras

// A syllable grammar as its file describes it, run by make_grammar_name().
struct Grammar {
    std::string display_text;
    std::string key;
    std::string description;

    // The form of every name, or a table of forms drawn first.
    Form fixed_form;
    std::optional<DrawnTable<Form>> forms;
    // Stands for the drawn form in the alternative mode.
    std::optional<Form> alternative;

    DrawnTable<int> syllables;
    DrawnPieceTable onset;
    DrawnPieceTable vowel;
    DrawnPieceTable coda;

    // Stand for onset, vowel and coda in the first syllable of every word and
    // in the last. The one syllable of a word of one takes its onset from the
    // first and its vowel and coda from the last, or from the other where
    // only that one exists.
    std::optional<DrawnPieceTable> first_onset;
    std::optional<DrawnPieceTable> first_vowel;
    std::optional<DrawnPieceTable> first_coda;
    std::optional<DrawnPieceTable> last_onset;
    std::optional<DrawnPieceTable> last_vowel;
    std::optional<DrawnPieceTable> last_coda;

    // Drawn before every word; where it stays is the grammar's.
    std::optional<DrawnPieceTable> particle;
    ParticleKept particle_kept = ParticleKept::always;

    // Drawn once after the form; stands between the words in place of `after`.
    std::optional<DrawnPieceTable> joiner;

    std::optional<DrawnTable<SyllableBreak>> syllable_break;
    BreakDrawn break_drawn = BreakDrawn::between_syllables;

    // Whether a word opens with an apostrophe prefix ("d'Avor").
    std::optional<DrawnTable<Prefix>> prefix;
    PrefixDrawn prefix_drawn = PrefixDrawn::after_syllable_count;
    WordSet prefix_words = 0;

    // Drawn behind a coda that is not empty, and written before it.
    std::optional<DrawnPieceTable> coda_apostrophe;

    // Vowel rows that keep their accent only on the last syllable of word
    // `accent_word` (from 1; 0 when the grammar has no accent), where the coda
    // is drawn and dropped; elsewhere they give `unaccented`. Those of the
    // vowel tables of the first and the last syllable apart.
    std::vector<bool> accented_vowel_rows;
    std::vector<bool> accented_first_vowel_rows;
    std::vector<bool> accented_last_vowel_rows;
    int accent_word = 0;
    PieceSlot unaccented;

    // The letter of an initial whose onset came out empty.
    PieceSlot empty_initial;

    // A name that contains one of the patterns of [rechazo] is made again.
    std::optional<Rejection> rejection;

    // Whether some form cuts a word to its initial or to its bare vowel.
    bool cuts_words = false;
    unsigned extras = 0;

    bool reads_alternative_mode() const { return alternative.has_value(); }

    bool has_edge_tables() const
    {
        return first_onset || first_vowel || first_coda || last_onset || last_vowel || last_coda;
    }

    // What the grammar's words draw or write besides a syllable count and
    // syllables of onset, vowel and coda from the same three tables, a bit
    // each (see word_extras); 0 for plain words, for which the engine takes
    // its shortest path. The loader keeps it in `extras`.
    unsigned extras_of_tables() const
    {
        return (particle ? word_extras::particle : 0U) | (syllable_break ? word_extras::breaks : 0U) |
               (prefix ? word_extras::prefix : 0U) | (coda_apostrophe ? word_extras::coda_apostrophe : 0U) |
               (accent_word != 0 ? word_extras::accent : 0U) |
               (has_edge_tables() ? word_extras::placed_tables : 0U);
    }
};

}  // namespace quelvarinox::detail
