#include "engine/grammar_loader.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "engine/drawn_table_reader.h"
#include "engine/grammar_schema.h"
#include "engine/grammar_soundness.h"
#include "engine/grammar_text.h"
#include "engine/grammar_writer.h"
#include "engine/inheritance.h"
#include "engine/rejection.h"
#include "engine/toml.h"
#include "engine/toml_syntax.h"
#include "engine/value_reader.h"
#include "text/shown.h"

namespace quelvarinox::detail {

namespace {

namespace schema = grammar_schema;

// Reads a whole grammar: the identity, the tables and their settings.
class GrammarReader {
public:
    explicit GrammarReader(const toml::table& root) : root_(root) {}

    GrammarLoad read()
    {
        auto grammar = std::make_unique<Grammar>();
        values_.read_file(root_);
        values_.check_keys(root_, schema::file);
        identity(*grammar);
        if (const toml::node* letter = root_.get(schema::empty_initial.name))
            if (const auto slot = values_.piece(*letter, schema::empty_initial))
                grammar->empty_initial = *slot;
        tables(*grammar);
        grammar->extras = grammar->extras_of_tables();
        if (values_.mistakes().empty())
            whole(*grammar);
        std::vector<GrammarMistake>& mistakes = values_.mistakes();
        std::stable_sort(mistakes.begin(), mistakes.end(), [](const auto& a, const auto& b) {
            return std::pair(a.line, a.column) < std::pair(b.line, b.column);
        });
        GrammarLoad load;
        load.mistakes = std::move(mistakes);
        if (load.mistakes.empty())
            load.grammar = std::move(grammar);
        return load;
    }

private:
    // What the grammar makes as a whole, once every value of it is sound.
    void whole(const Grammar& grammar)
    {
        if (initials_ && initials_can_be_empty(grammar))
            values_.error(*initials_, "una palabra de " + shown(schema::initial.name) + " se queda sin letra cuando " +
                                          schema::onset_section.where() + " sale vacío; " +
                                          shown(schema::empty_initial.name) + " ha de dar la letra de esa inicial");
        if (vowels_ && !names_can_hold_text(grammar))
            values_.error(*vowels_, "ningún nombre de esta gramática puede tener una letra: las piezas de sus tablas "
                                    "y los textos de sus formas están vacíos o son espacios");
    }

    void identity(Grammar& grammar)
    {
        if (const auto name = required_text(schema::display_text))
            grammar.display_text = *name;
        if (const auto key = required_text(schema::category_key)) {
            const bool plain = key->size() <= static_cast<std::size_t>(schema::category_key.most) &&
                               std::all_of(key->begin(), key->end(), [](char c) {
                                   return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
                               });
            if (plain)
                grammar.key = *key;
            else
                values_.error(*root_.get(schema::category_key.name),
                              shown(schema::category_key.name) + " es de 1 a " +
                                  std::to_string(schema::category_key.most) +
                                  " letras minúsculas sin tilde, cifras o guiones, como \"tatooine\" o \"mi-lengua\"");
        }
        if (const toml::node* description = root_.get(schema::description.name))
            if (const auto text = values_.text(*description, schema::description))
                grammar.description = *text;
    }

    std::optional<std::string> required_text(const schema::Key& key)
    {
        const toml::node* node = root_.get(key.name);
        if (!node) {
            values_.error(root_.source(), "falta " + shown(key.name) + " al principio del fichero");
            return std::nullopt;
        }
        const auto text = values_.text(*node, key);
        if (text && text->empty()) {
            values_.error(*node, shown(key.name) + " no puede estar vacío");
            return std::nullopt;
        }
        return text;
    }

    // The section's table, if the file has it, with its keys checked.
    const toml::table* section_table(const schema::Part& section)
    {
        const toml::node* node = node_of(section);
        if (!node) {
            if (section.required)
                values_.error(root_.source(), "falta la tabla " + section.where());
            return nullptr;
        }
        const auto* table = node->as_table();
        if (!table) {
            values_.error(*node, shown(section.name) + " debe ser una tabla: " + section.where() + " y sus claves debajo");
            return nullptr;
        }
        values_.check_keys(*table, section);
        return table;
    }

    // A section's node in the file; [ataque.inicial] is "inicial" in [ataque].
    const toml::node* node_of(const schema::Part& section) const
    {
        const std::size_t dot = section.name.find('.');
        if (dot == std::string_view::npos)
            return root_.get(section.name);
        const toml::table* slot = root_.get_as<toml::table>(section.name.substr(0, dot));
        return slot ? slot->get(section.name.substr(dot + 1)) : nullptr;
    }

    std::optional<DrawnPieceTable> pieces(const toml::table& node, const schema::Part& section)
    {
        auto table = read_drawn_table<PieceSlot>(
            values_, node, section,
            [&](const toml::node& cell) { return values_.piece(cell, "una pieza de " + section.where()); },
            [&](const toml::key& key) { return values_.piece_from_key(key, section); });
        if (!table)
            return std::nullopt;
        return DrawnPieceTable(std::move(*table));
    }

    // A table of pieces, if the file has it.
    const toml::table* piece_section(const schema::Part& section, std::optional<DrawnPieceTable>& into)
    {
        const toml::table* node = section_table(section);
        if (node)
            into = pieces(*node, section);
        return node;
    }

    void tables(Grammar& grammar)
    {
        forms(grammar);
        syllables(grammar);
        std::optional<DrawnPieceTable> onset, vowel, coda;
        piece_section(schema::onset_section, onset);
        vowels_ = piece_section(schema::vowel_section, vowel);
        piece_section(schema::coda_section, coda);
        if (onset)
            grammar.onset = std::move(*onset);
        if (coda)
            grammar.coda = std::move(*coda);
        piece_section(schema::first_onset_section, grammar.first_onset);
        piece_section(schema::last_onset_section, grammar.last_onset);
        piece_section(schema::first_vowel_section, grammar.first_vowel);
        piece_section(schema::last_vowel_section, grammar.last_vowel);
        piece_section(schema::first_coda_section, grammar.first_coda);
        piece_section(schema::last_coda_section, grammar.last_coda);
        if (const toml::table* node = piece_section(schema::particle_section, grammar.particle))
            grammar.particle_kept =
                static_cast<ParticleKept>(values_.choice(*node, schema::particle_section, schema::particle_kept));
        piece_section(schema::joiner_section, grammar.joiner);
        piece_section(schema::apostrophe_section, grammar.coda_apostrophe);
        syllable_breaks(grammar);
        prefixes(grammar);
        if (vowel) {
            grammar.vowel = std::move(*vowel);
            accent(grammar);
        }
        rejection(grammar);
    }

    // The classes of [clases], each a name and its pieces; a class that is
    // wrong is reported here, and kept without pieces, which leaves out the
    // patterns that use it.
    std::vector<PieceClass> classes()
    {
        std::vector<PieceClass> read;
        const toml::node* node = root_.get(schema::classes_section.name);
        if (!node)
            return read;
        const auto* table = node->as_table();
        if (!table) {
            values_.error(*node, shown(schema::classes_section.name) + " debe ser una tabla: " +
                                     schema::classes_section.where() + " y una clase en cada línea, como vocal = [\"a\", \"e\"]");
            return read;
        }
        if (table->size() > rejection_limits::classes)
            values_.error(*node, schema::classes_section.where() + " tiene más de " +
                                     std::to_string(rejection_limits::classes) + " clases");
        for (auto&& [key, value] : *table) {
            PieceClass piece_class{std::string(key.str()), {}};
            const bool plain = !key.str().empty() && key.str().size() <= 32 &&
                               std::all_of(key.str().begin(), key.str().end(), [](char c) {
                                   return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
                               });
            if (!plain)
                values_.error(key.source(), "el nombre de clase " + shown(key.str()) +
                                                " no vale: es de 1 a 32 letras minúsculas sin tilde, cifras, _ o -");
            const std::string called = "la clase " + shown(key.str());
            const auto* list = value.as_array();
            if (!list) {
                values_.error(value, called + " es una lista de piezas, como [\"a\", \"e\"]");
            } else if (list->empty()) {
                values_.error(value, called + " está vacía: necesita al menos una pieza");
            } else if (list->size() > rejection_limits::class_pieces) {
                values_.error(value, called + " tiene más de " + std::to_string(rejection_limits::class_pieces) +
                                         " piezas");
            } else {
                bool good = true;
                for (const toml::node& element : *list) {
                    const auto slot = values_.piece(element, "una pieza de " + called);
                    if (slot && slot->size == 0)
                        values_.error(element, "una pieza de " + called + " no puede estar vacía");
                    good = slot && slot->size > 0 && good;
                    if (good)
                        piece_class.pieces.emplace_back(Piece(slot->piece()));
                }
                if (!good)
                    piece_class.pieces.clear();
            }
            read.push_back(std::move(piece_class));
        }
        return read;
    }

    // The patterns of [rechazo], read together; each mistake of a pattern
    // stands at the pattern, those of them all at the list.
    void rejection(Grammar& grammar)
    {
        const std::vector<PieceClass> piece_classes = classes();
        const toml::table* node = section_table(schema::rejection_section);
        if (!node)
            return;
        const toml::node* list_node = node->get(schema::patterns.name);
        if (!list_node) {
            values_.error(*node, schema::rejection_section.where() + " necesita " + shown(schema::patterns.name) +
                                     ": una lista de patrones, como [\"{vocal}{vocal}{vocal}\"]");
            return;
        }
        const auto* list = list_node->as_array();
        if (!list) {
            values_.error(*list_node, shown(schema::patterns.name) +
                                          " debe ser una lista de patrones, como [\"{vocal}{vocal}{vocal}\", \"^mc\"]");
            return;
        }
        std::vector<std::string> patterns;
        std::vector<const toml::node*> places;
        for (const toml::node& element : *list) {
            if (auto text = values_.text(element, "un patrón", static_cast<std::size_t>(schema::patterns.most))) {
                patterns.push_back(std::move(*text));
                places.push_back(&element);
            }
        }
        if (patterns.size() != list->size() || patterns.empty())
            return;
        // A grammar with mistakes already cannot say what its names are written with.
        const std::vector<std::string> written =
            values_.mistakes().empty() ? texts_names_are_written_with(grammar) : std::vector<std::string>{};
        CompiledRejection compiled = compile_rejection(std::move(patterns), piece_classes, written);
        for (const PatternMistake& mistake : compiled.mistakes)
            values_.error(mistake.pattern == PatternMistake::every_pattern ? *list_node : *places[mistake.pattern],
                          mistake.message);
        grammar.rejection = std::move(compiled.rejection);
    }

    void syllables(Grammar& grammar)
    {
        const toml::table* node = section_table(schema::syllables_section);
        if (!node)
            return;
        const auto count = [&](const toml::node& cell) -> std::optional<int> {
            const auto value = values_.integer(cell, "un número de sílabas", 1, grammar_limits::syllables);
            return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
        };
        const auto count_key = [&](const toml::key& key) -> std::optional<int> {
            const std::string_view text = key.str();
            const bool digits = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (!text.empty() && text.size() <= 2 && digits) {
                const int value = std::stoi(std::string(text));
                if (value >= 1 && value <= grammar_limits::syllables)
                    return value;
            }
            values_.error(key.source(), "en " + schema::syllables_section.where() + ", cada clave de " +
                                            shown(schema::weights.name) + " es un número de sílabas de 1 a " +
                                            std::to_string(grammar_limits::syllables));
            return std::nullopt;
        };
        if (auto table = read_drawn_table<int>(values_, *node, schema::syllables_section, count, count_key))
            grammar.syllables = std::move(*table);
    }

    void syllable_breaks(Grammar& grammar)
    {
        const toml::table* node = section_table(schema::break_section);
        if (!node)
            return;
        grammar.break_drawn = static_cast<BreakDrawn>(values_.choice(*node, schema::break_section, schema::break_drawn));
        const auto read = [&](const toml::node& cell) -> std::optional<SyllableBreak> {
            const auto* record = cell.as_table();
            if (!record) {
                const auto slot = values_.piece(cell, "un corte");
                return slot ? std::optional<SyllableBreak>(SyllableBreak{*slot, false}) : std::nullopt;
            }
            values_.check_keys(*record, schema::break_record);
            const toml::node* text = record->get(schema::break_text.name);
            if (!text) {
                values_.error(cell, "un corte escrito como tabla necesita " + shown(schema::break_text.name));
                return std::nullopt;
            }
            const auto slot = values_.piece(*text, "el texto de un corte");
            if (!slot)
                return std::nullopt;
            SyllableBreak drawn{*slot, false};
            if (const toml::node* capital = record->get(schema::break_capital.name)) {
                const auto flag = values_.flag(*capital, schema::break_capital);
                if (!flag)
                    return std::nullopt;
                drawn.capitalizes = *flag;
            }
            return drawn;
        };
        const auto from_key = [&](const toml::key& key) -> std::optional<SyllableBreak> {
            const auto slot = values_.piece_from_key(key, schema::break_section);
            return slot ? std::optional<SyllableBreak>(SyllableBreak{*slot, false}) : std::nullopt;
        };
        grammar.syllable_break = read_drawn_table<SyllableBreak>(values_, *node, schema::break_section, read, from_key);
    }

    void prefixes(Grammar& grammar)
    {
        const toml::table* node = section_table(schema::prefix_section);
        if (!node)
            return;
        grammar.prefix_drawn =
            static_cast<PrefixDrawn>(values_.choice(*node, schema::prefix_section, schema::prefix_drawn));
        grammar.prefix_words = static_cast<WordSet>((1U << grammar_limits::words) - 1);
        if (const toml::node* words = node->get(schema::prefix_words.name))
            if (const auto set = values_.positions(*words, schema::prefix_words))
                grammar.prefix_words = *set;
        const auto flag = [&](const toml::node& cell) -> std::optional<Prefix> {
            const auto on = values_.flag(cell, "un prefijo");
            return on ? std::optional<Prefix>(*on ? Prefix::apostrophe : Prefix::none) : std::nullopt;
        };
        const auto from_key = [&](const toml::key& key) -> std::optional<Prefix> {
            if (key.str() == "true" || key.str() == "false")
                return key.str() == "true" ? Prefix::apostrophe : Prefix::none;
            values_.error(key.source(), "en " + schema::prefix_section.where() + ", las claves de " +
                                            shown(schema::weights.name) + " son true y false");
            return std::nullopt;
        };
        grammar.prefix = read_drawn_table<Prefix>(values_, *node, schema::prefix_section, flag, from_key);
    }

    void accent(Grammar& grammar)
    {
        const toml::table* node = section_table(schema::accent_section);
        if (!node)
            return;
        const toml::node* vowels = node->get(schema::accented_vowels.name);
        const toml::node* word = node->get(schema::accent_word.name);
        const toml::node* elsewhere = node->get(schema::unaccented.name);
        if (!vowels || !word || !elsewhere) {
            values_.error(*node, schema::accent_section.where() + " necesita " +
                                     key_list(schema::required_names(schema::accent_section)));
            return;
        }
        const auto position = values_.integer(*word, schema::accent_word);
        const auto unaccented = values_.piece(*elsewhere, schema::unaccented);
        const auto* list = vowels->as_array();
        if (!list || list->empty()) {
            values_.error(*vowels, shown(schema::accented_vowels.name) + " debe ser una lista de vocales de " +
                                       schema::vowel_section.where() + ", como [\"é\"]");
            return;
        }
        const auto rows_of = [](const std::optional<DrawnPieceTable>& table) {
            return std::vector<bool>(table ? table->rows().size() : 0, false);
        };
        std::vector<bool> accented(grammar.vowel.rows().size(), false);
        std::vector<bool> accented_first = rows_of(grammar.first_vowel);
        std::vector<bool> accented_last = rows_of(grammar.last_vowel);
        // Marks the rows of `table` that give `vowel`; whether there was one.
        const auto mark = [](const DrawnPieceTable* table, std::vector<bool>& rows, Piece vowel) {
            bool found = false;
            for (std::size_t row = 0; table && row < rows.size(); ++row)
                if (Piece(table->rows()[row].piece()) == vowel) {
                    rows[row] = true;
                    found = true;
                }
            return found;
        };
        for (const toml::node& element : *list) {
            const auto slot = values_.piece(element, "una vocal con tilde");
            if (!slot)
                return;
            const Piece vowel(slot->piece());
            const bool in_plain = mark(&grammar.vowel, accented, vowel);
            const bool in_first = mark(grammar.first_vowel ? &*grammar.first_vowel : nullptr, accented_first, vowel);
            const bool in_last = mark(grammar.last_vowel ? &*grammar.last_vowel : nullptr, accented_last, vowel);
            if (!in_plain && !in_first && !in_last) {
                values_.error(element, "la vocal " + shown(vowel) + " no está en " + schema::vowel_section.where() +
                                           (grammar.first_vowel || grammar.last_vowel
                                                ? " ni en sus tablas de la primera y la última sílaba"
                                                : ""));
                return;
            }
        }
        if (!position || !unaccented)
            return;
        grammar.accented_vowel_rows = std::move(accented);
        grammar.accented_first_vowel_rows = std::move(accented_first);
        grammar.accented_last_vowel_rows = std::move(accented_last);
        grammar.accent_word = static_cast<int>(*position);
        grammar.unaccented = *unaccented;
    }

    void forms(Grammar& grammar)
    {
        const toml::table* node = section_table(schema::form_section);
        if (!node)
            return;
        const bool joined = root_.contains(schema::joiner_section.name);
        const auto read = [&](const toml::node& cell) { return form(cell, joined); };
        if (const toml::node* fixed = node->get(schema::fixed_form.name)) {
            for (const schema::Key* key : schema::drawn_keys)
                if (const toml::node* mixed = node->get(key->name))
                    values_.error(*mixed, "una " + schema::form_section.where() + " con " +
                                              shown(schema::fixed_form.name) + " no se tira: no lleva " +
                                              shown(key->name));
            if (auto only = form(*fixed, joined))
                grammar.fixed_form = std::move(*only);
        } else {
            const auto from_key = [&](const toml::key& key) -> std::optional<Form> {
                values_.error(key.source(), "los pesos de " + schema::form_section.where() +
                                                " son una lista de filas [peso, { palabras = … }]");
                return std::nullopt;
            };
            grammar.forms = read_drawn_table<Form>(values_, *node, schema::form_section, read, from_key);
        }
        if (const toml::node* alternative = node->get(schema::alternative.name))
            grammar.alternative = form(*alternative, joined);
        const auto cuts = [](const Form& made) { return (made.bare_vowel | made.initial) != 0; };
        grammar.cuts_words = (grammar.forms ? std::any_of(grammar.forms->rows().begin(), grammar.forms->rows().end(), cuts)
                                            : cuts(grammar.fixed_form)) ||
                             (grammar.alternative && cuts(*grammar.alternative));
    }

    // A form: its word count and what makes each word, as an inline table.
    std::optional<Form> form(const toml::node& cell, bool joined)
    {
        const auto* record = cell.as_table();
        if (!record) {
            values_.error(cell, "una forma es una tabla como { palabras = 2 }");
            return std::nullopt;
        }
        values_.check_keys(*record, schema::form_record);
        const toml::node* words = record->get(schema::words.name);
        if (!words) {
            values_.error(cell, "una forma necesita " + shown(schema::words.name) +
                                    ": cuántas palabras tiene el nombre");
            return std::nullopt;
        }
        const auto count = values_.integer(*words, schema::words);
        if (!count)
            return std::nullopt;
        Form made;
        made.words = static_cast<int>(*count);
        bool good = true;
        for (int word = 0; word < made.words; ++word)
            made.after[static_cast<std::size_t>(word)] = " ";
        if (const toml::node* after = record->get(schema::after.name)) {
            const auto* texts = after->as_array();
            if (joined) {
                values_.error(*after, "con " + schema::joiner_section.where() +
                                          ", lo que va entre las palabras lo da su tabla: sobra " +
                                          shown(schema::after.name));
                good = false;
            } else if (!texts || texts->size() != static_cast<std::size_t>(made.words)) {
                values_.error(*after, shown(schema::after.name) + " es una lista de " + std::to_string(made.words) +
                                          " textos, lo que sigue a cada palabra");
                good = false;
            } else {
                for (std::size_t word = 0; word < texts->size(); ++word) {
                    const auto text = values_.text((*texts)[word], "lo que sigue a una palabra",
                                                   static_cast<std::size_t>(schema::after.most));
                    good = text.has_value() && good;
                    if (text)
                        made.after[word] = *text;
                }
            }
        }
        if (const toml::node* before = record->get(schema::before.name)) {
            const auto text = values_.text(*before, schema::before);
            good = text.has_value() && good;
            if (text)
                made.before = *text;
        }
        if (const toml::node* compound = record->get(schema::compound.name)) {
            const auto flag = values_.flag(*compound, schema::compound);
            good = flag.has_value() && good;
            made.compound = flag.value_or(false);
        }
        for (const schema::Key* key : schema::form_record.keys)
            if (const toml::node* positions = key->kind == schema::Kind::positions ? record->get(key->name) : nullptr) {
                const auto read = values_.positions(*positions, *key, made.words);
                good = read.has_value() && good;
                made.*key->word_set = read.value_or(0);
                if (key == &schema::initial && made.initial != 0 && !initials_)
                    initials_ = positions;
            }
        if ((made.bare_vowel & made.initial) != 0) {
            values_.error(cell, "una palabra no puede ser a la vez " + shown(schema::bare_vowel.name) + " e " +
                                    shown(schema::initial.name));
            good = false;
        }
        return good ? std::optional<Form>(std::move(made)) : std::nullopt;
    }

    const toml::table& root_;
    ValueReader values_;
    // Where the file first gives a form words of initials, and its vowels: the
    // places of mistakes of the grammar as a whole.
    const toml::node* initials_ = nullptr;
    const toml::table* vowels_ = nullptr;
};

}  // namespace

namespace {

// A grammar's TOML with every part it inherits put in, or the mistakes that
// keep it from being read: its own syntax, its `hereda`, and the mistakes of
// the grammar it inherits, which must be right on its own.
struct GrammarTree {
    std::optional<toml::table> table;
    std::vector<GrammarMistake> mistakes;
};

GrammarTree read_tree(std::string_view text, const GrammarPlace& place, InheritanceChain& chain)
{
    if (text.size() > grammar_limits::file_bytes)
        return {std::nullopt, {{1, 1, "el fichero pasa de " + std::to_string(grammar_limits::file_bytes) +
                                          " bytes (1 MiB), lo más que puede tener una gramática"}}};
    if (const auto problem = encoding_problem(text))
        return {std::nullopt, {*problem}};
    toml::parse_result parsed = toml::parse(text, place.name);
    if (!parsed)
        return {std::nullopt, {syntax_mistake(text, parsed.error())}};
    GrammarTree tree{std::move(parsed.table()), {}};
    const toml::node* inherits = tree.table->get(schema::inherits.name);
    if (!inherits)
        return tree;
    const auto* named = inherits->as_string();
    if (!named) {
        tree.mistakes.push_back({inherits->source().begin.line, inherits->source().begin.column,
                                 shown(schema::inherits.name) + " debe ser un texto entre comillas: la clave de una "
                                 "gramática incorporada o la ruta de un fichero"});
        return tree;
    }
    chain.push_back(place);
    ParentText parent = find_parent(named->get(), place, chain);
    GrammarTree inherited;
    if (parent.mistake.empty())
        inherited = read_tree(parent.text, parent.place, chain);
    chain.pop_back();
    const auto at_inherits = [&](std::string message) {
        tree.mistakes.push_back({inherits->source().begin.line, inherits->source().begin.column, std::move(message)});
    };
    if (!parent.mistake.empty()) {
        at_inherits(std::move(parent.mistake));
        return tree;
    }
    std::vector<GrammarMistake> mistakes = std::move(inherited.mistakes);
    if (inherited.table && mistakes.empty())
        mistakes = GrammarReader(*inherited.table).read().mistakes;
    for (const GrammarMistake& mistake : mistakes)
        tree.mistakes.push_back(inherited_mistake(*inherits, parent.place.name, mistake));
    if (tree.mistakes.empty())
        inherit_parts(*tree.table, *inherited.table);
    return tree;
}

}  // namespace

GrammarLoad load_grammar(std::string_view text, const GrammarPlace& place)
{
    InheritanceChain chain;
    GrammarTree tree = read_tree(text, place, chain);
    if (!tree.mistakes.empty() || !tree.table)
        return {nullptr, std::move(tree.mistakes)};
    return GrammarReader(*tree.table).read();
}

WholeGrammar whole_grammar(std::string_view text, const GrammarPlace& place)
{
    InheritanceChain chain;
    GrammarTree tree = read_tree(text, place, chain);
    if (tree.mistakes.empty() && tree.table)
        tree.mistakes = GrammarReader(*tree.table).read().mistakes;
    if (!tree.mistakes.empty())
        return {{}, std::move(tree.mistakes)};
    const std::string heading = "# " + (place.name.empty() ? std::string("Esta gramática") : shown(place.name)) +
                                ", escrita entera con todo lo que hereda, sin «hereda»: da los mismos nombres y "
                                "trazas.\n";
    return {written_grammar(*tree.table, heading), {}};
}

std::string placed(std::string_view file_name, const GrammarMistake& mistake)
{
    if (mistake.line == 0)
        return mistake.message;
    std::string text = std::to_string(mistake.line) + ":" + std::to_string(mistake.column) + ": " + mistake.message;
    return file_name.empty() ? text : escaped(file_name) + ":" + text;
}

std::string placed(std::string_view file_name, const std::vector<GrammarMistake>& mistakes)
{
    std::string text;
    for (const GrammarMistake& mistake : mistakes) {
        if (!text.empty())
            text += '\n';
        text += placed(file_name, mistake);
    }
    return text;
}

}  // namespace quelvarinox::detail
