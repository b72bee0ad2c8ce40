#include "learning/grammar_writer.h"

#include <algorithm>

#include "engine/toml_text.h"
#include "text/utf8.h"

namespace quelvarinox::detail {

namespace {

constexpr std::size_t comment_width = 100;

// "1 pieza rara", "3 piezas raras".
std::string counted(std::int64_t n, std::string_view one, std::string_view many)
{
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

// «a», «a y b», «a, b y c».
std::string listed(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? " y " : ", ") + items[i];
    return text;
}

// A comment's text, wrapped to the width of the file.
void write_comment(std::string& out, std::string_view text)
{
    std::string line = "#";
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        text.remove_prefix(space == std::string_view::npos ? text.size() : space + 1);
        if (line.size() > 1 && utf8_length(line).value_or(0) + 1 + utf8_length(word).value_or(0) > comment_width) {
            out += line + '\n';
            line = "#";
        }
        line += ' ';
        line += word;
    }
    out += line + '\n';
}

// What a table was counted from, what it left out and whether it was scaled.
template <class T>
std::string about(const WeightedRows<T>& table, std::string_view units, std::string_view occurrence_one,
                  std::string_view occurrence_many, std::string_view from_where)
{
    std::string text = "Contada de " + std::to_string(table.counted) + " " + std::string(units) +
                       std::string(from_where) + ".";
    std::vector<std::string> left;
    for (const LeftOut& out : table.left_out) {
        std::string item = counted(out.kinds == 0 ? out.occurrences : out.kinds, out.what.one, out.what.many);
        if (out.kinds > 0)
            item += " (" + counted(out.occurrences, occurrence_one, occurrence_many) + ")";
        left.push_back(item);
    }
    if (!left.empty())
        text += " Se dejan fuera " + listed(left) + ".";
    if (table.scaled) {
        std::int64_t kept = table.counted;
        for (const LeftOut& out : table.left_out)
            kept -= out.occurrences;
        text += " Las cuentas suman " + std::to_string(kept) + ": los pesos las reducen en proporción para no pasar de " +
                std::to_string(grammar_limits::total_weight) + ".";
    }
    return text;
}

// Which syllables a table of pieces was counted from. Every plain table counts
// the middle ones; the one syllable of a word of one goes with the first or the
// last, wherever the engine draws it.
std::string places_phrase(const std::vector<Place>& places)
{
    const auto has = [&](Place place) { return std::find(places.begin(), places.end(), place) != places.end(); };
    if (places.size() == 4)
        return "todas";
    if (has(Place::middle))
        return has(Place::first) ? "todas menos la última de cada palabra"
               : has(Place::last) ? "todas menos la primera de cada palabra"
                                  : "las de en medio de las palabras de tres o más";
    return std::string(has(Place::first) ? "la primera" : "la última") + " de cada palabra de varias" +
           (has(Place::only) ? ", y la única de las palabras de una" : "");
}

// "[a, b, c]".
std::string toml_list(const std::vector<std::string>& items)
{
    std::string text = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : ", ") + items[i];
    return text + "]";
}

std::string form_of(const LearnedForm& form)
{
    std::string text = "{ palabras = " + std::to_string(form.after.size());
    if (!form.before.empty())
        text += ", delante = " + toml_string(form.before);
    // Said only when it is not what the engine does by default: a space after every word but the last.
    const bool spaced = std::all_of(form.after.begin(), form.after.end() - 1, [](const std::string& a) { return a == " "; }) &&
                        form.after.back().empty();
    if (!spaced) {
        std::vector<std::string> texts;
        for (const std::string& after : form.after)
            texts.push_back(toml_string(after));
        text += ", tras = " + toml_list(texts);
    }
    for (const auto& [key, words] : {std::pair("minusculas", &form.lower_case), std::pair("iniciales", &form.initials),
                                     std::pair("monosilabas", &form.one_syllable)}) {
        std::vector<std::string> positions;
        for (const int word : *words)
            positions.push_back(std::to_string(word));
        if (!positions.empty())
            text += ", " + std::string(key) + " = " + toml_list(positions);
    }
    return text + " }";
}

void write_forms(std::string& out, const WeightedRows<LearnedForm>& forms)
{
    write_comment(out, about(forms, "nombres", "nombre", "nombres", ""));
    out += "[forma]\n";
    if (forms.rows.size() == 1) {
        out += "fija = " + form_of(forms.rows.front().first) + "\n";
        return;
    }
    out += "pesos = [\n";
    for (const auto& [form, weight] : forms.rows)
        out += "  [" + std::to_string(weight) + ", " + form_of(form) + "],\n";
    out += "]\n";
}

void write_syllable_counts(std::string& out, const WeightedRows<int>& counts)
{
    write_comment(out, about(counts, "palabras", "palabra", "palabras", ""));
    out += "[silabas.pesos]\n";
    auto rows = counts.rows;
    std::sort(rows.begin(), rows.end());
    for (const auto& [syllables, weight] : rows)
        out += std::to_string(syllables) + " = " + std::to_string(weight) + "\n";
}

void write_pieces(std::string& out, const PieceTable& table)
{
    write_comment(out, about(table.rows, "sílabas", "aparición", "apariciones", ": " + places_phrase(table.places)));
    std::string section = section_name(table.slot, table.table);
    out += section.substr(0, section.size() - 1) + ".pesos]\n";
    for (const auto& [piece, weight] : table.rows.rows)
        out += toml_key(piece) + " = " + std::to_string(weight) + "\n";
}

}  // namespace

std::string section_name(Slot slot, SlotTable table)
{
    const std::string name = slot == Slot::onset ? "ataque" : slot == Slot::vowel ? "vocal" : "coda";
    const std::string edge = table == SlotTable::first ? ".inicial" : table == SlotTable::last ? ".final" : "";
    return "[" + name + edge + "]";
}

std::string write_grammar(const LearnedTables& tables)
{
    const std::string examples = std::to_string(tables.examples) + (tables.examples == 1 ? " nombre" : " nombres");
    std::string out;
    write_comment(out, tables.display_name + ": una gramática aprendida de " + examples +
                           " de ejemplo. Cada peso es cuántas veces salió su pieza en ellos; el comentario de cada "
                           "tabla dice de qué se contó y qué se dejó fuera. Corríjala a su gusto: man "
                           "quelvarinox-gramatica explica el formato.");
    out += "\nnombre = " + toml_string(tables.display_name) + "\nclave = " + toml_string(tables.key) +
           "\ndescripcion = " + toml_string("Aprendida de " + examples + " de ejemplo.") + "\n";
    if (!tables.empty_initial.empty())
        out += "inicial_vacia = " + toml_string(tables.empty_initial) + "\n";
    out += '\n';
    write_forms(out, tables.forms);
    out += '\n';
    write_syllable_counts(out, tables.syllable_counts);
    for (const PieceTable& table : tables.pieces) {
        out += '\n';
        write_pieces(out, table);
    }
    return out;
}

}  // namespace quelvarinox::detail
