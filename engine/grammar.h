#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/weighted_table.h"

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
    // is drawn and dropped; elsewhere they give `unaccented`.
    std::vector<bool> accented_vowel_rows;
    int accent_word = 0;
    PieceSlot unaccented;

    // The letter of an initial whose onset came out empty.
    PieceSlot empty_initial;

    bool reads_alternative_mode() const { return alternative.has_value(); }

    // Whether every word is its syllables and every syllable its onset, vowel
    // and coda, with nothing drawn between them, so that the engine may take
    // its shortest path.
    bool plain_words() const
    {
        return !particle && !syllable_break && !prefix && !coda_apostrophe && accent_word == 0;
    }
};

}  // namespace quelvarinox::detail
