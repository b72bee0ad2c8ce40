#include "engine/rejection.h"

#include <algorithm>
#include <map>
#include <utility>

#include "engine/grammar_text.h"
#include "text/letter_case.h"
#include "text/utf8.h"

namespace quelvarinox::detail {

namespace {

std::string quoted(std::string_view text) { return "«" + std::string(text) + "»"; }

// A pattern as the automaton takes it: whether it is tied to the start or the
// end of the name, and for each place in it the texts that may stand there (a
// run of literal text is one, a class its pieces).
struct ParsedPattern {
    bool at_start = false;
    bool at_end = false;
    std::vector<std::vector<std::string>> places;
};

struct PatternReading {
    std::optional<ParsedPattern> pattern;
    std::string mistake;
};

std::vector<std::string_view> class_names(std::span<const PieceClass> classes)
{
    std::vector<std::string_view> names;
    for (const PieceClass& piece_class : classes)
        names.push_back(piece_class.name);
    return names;
}

PatternReading parse_pattern(std::string_view text, std::span<const PieceClass> classes)
{
    ParsedPattern parsed;
    std::string_view rest = text;
    if (rest.starts_with('^')) {
        parsed.at_start = true;
        rest.remove_prefix(1);
    }
    if (rest.ends_with('$')) {
        parsed.at_end = true;
        rest.remove_suffix(1);
    }
    std::string literal;
    while (!rest.empty()) {
        const char c = rest.front();
        if (c == '^' || c == '$')
            return {std::nullopt, "en " + quoted(text) + ", «^» solo puede ir al principio del patrón y «$» al final"};
        if (c == '}')
            return {std::nullopt, "en " + quoted(text) + " sobra una «}»: una clase se escribe {nombre}"};
        if (c != '{') {
            literal += c;
            rest.remove_prefix(1);
            continue;
        }
        const std::size_t close = rest.find('}');
        if (close == std::string_view::npos)
            return {std::nullopt, "en " + quoted(text) + " falta cerrar la llave: una clase se escribe {nombre}"};
        const std::string_view name = rest.substr(1, close - 1);
        const auto found = std::find_if(classes.begin(), classes.end(),
                                        [&](const PieceClass& piece_class) { return piece_class.name == name; });
        if (found == classes.end()) {
            std::string mistake = "la clase " + quoted(name) + " de " + quoted(text) + " no está en [clases]";
            if (const auto meant = closest_key(name, class_names(classes)))
                mistake += "; ¿quería decir " + quoted(*meant) + "?";
            return {std::nullopt, mistake};
        }
        if (found->pieces.empty())
            return {std::nullopt, {}};
        if (!literal.empty())
            parsed.places.push_back({std::exchange(literal, std::string())});
        parsed.places.push_back(found->pieces);
        rest.remove_prefix(close + 1);
    }
    if (!literal.empty())
        parsed.places.push_back({literal});
    if (parsed.places.empty() && !(parsed.at_start && parsed.at_end))
        return {std::nullopt, quoted(text) + " no tiene texto: rechazaría todos los nombres"};
    return {std::move(parsed), {}};
}

// The patterns as a nondeterministic automaton over bytes. Every pattern not
// tied to the start may begin at any byte, so its first node belongs to every
// set of nodes; its last node answers the pattern.
struct PatternAutomaton {
    struct Edge {
        std::uint8_t byte;
        std::uint32_t to;
    };
    std::vector<std::vector<Edge>> edges;
    // The pattern each node ends, or -1.
    std::vector<int> pattern_ended;
    std::vector<bool> pattern_at_end;
    std::vector<std::uint32_t> anywhere;
    std::vector<std::uint32_t> at_start;

    std::uint32_t add_node()
    {
        edges.emplace_back();
        pattern_ended.push_back(-1);
        return static_cast<std::uint32_t>(edges.size() - 1);
    }

    // The text from `from` to `to`, each letter in either case.
    void add_text(std::uint32_t from, std::uint32_t to, std::string_view text)
    {
        std::uint32_t at = from;
        while (!text.empty()) {
            const auto character = first_utf8_character(text);
            const std::size_t size = character ? character->bytes : 1;
            std::vector<std::string> spellings{std::string(text.substr(0, size))};
            if (character)
                if (const auto other = other_case(character->code))
                    spellings.push_back(utf8_encoded(*other));
            text.remove_prefix(size);
            const std::uint32_t after = text.empty() ? to : add_node();
            for (const std::string& spelling : spellings) {
                std::uint32_t node = at;
                for (std::size_t i = 0; i + 1 < spelling.size(); ++i) {
                    const std::uint32_t next = add_node();
                    edges[node].push_back({static_cast<std::uint8_t>(spelling[i]), next});
                    node = next;
                }
                edges[node].push_back({static_cast<std::uint8_t>(spelling.back()), after});
            }
            at = after;
        }
    }

    void add_pattern(const ParsedPattern& pattern)
    {
        const std::uint32_t entry = add_node();
        std::uint32_t at = entry;
        for (const std::vector<std::string>& place : pattern.places) {
            const std::uint32_t after = add_node();
            for (const std::string& text : place)
                add_text(at, after, text);
            at = after;
        }
        pattern_ended[at] = static_cast<int>(pattern_at_end.size());
        pattern_at_end.push_back(pattern.at_end);
        at_start.push_back(entry);
        if (!pattern.at_start)
            anywhere.push_back(entry);
    }
};

// Every text a name may be written with, sharing their beginnings.
class WrittenTexts {
public:
    explicit WrittenTexts(std::span<const std::string> texts) : nodes_(1)
    {
        for (const std::string& text : texts) {
            std::uint32_t node = 0;
            for (const char c : text) {
                const auto byte = static_cast<std::uint8_t>(c);
                const auto& children = nodes_[node].children;
                const auto found = std::find_if(children.begin(), children.end(),
                                                [&](const auto& child) { return child.first == byte; });
                if (found != children.end()) {
                    node = found->second;
                    continue;
                }
                const auto added = static_cast<std::uint32_t>(nodes_.size());
                nodes_.emplace_back();
                nodes_[node].children.emplace_back(byte, added);
                node = added;
            }
            nodes_[node].ends_text = true;
        }
    }

    struct Node {
        std::vector<std::pair<std::uint8_t, std::uint32_t>> children;
        bool ends_text = false;
    };
    const std::vector<Node>& nodes() const { return nodes_; }

private:
    std::vector<Node> nodes_;
};

}  // namespace

// Builds the deterministic automaton of a set of patterns, one set of nodes of
// the pattern automaton a state, as long as it stays within the limit.
class RejectionBuilder {
public:
    static std::optional<Rejection> build(const std::vector<ParsedPattern>& patterns, std::vector<std::string> texts)
    {
        PatternAutomaton automaton;
        for (const ParsedPattern& pattern : patterns)
            automaton.add_pattern(pattern);
        Rejection made;
        made.patterns_ = std::move(texts);
        std::uint32_t classes = 1;
        std::array<bool, 256> used{};
        for (const auto& edges : automaton.edges)
            for (const auto& edge : edges)
                used[edge.byte] = true;
        std::vector<std::uint8_t> byte_of_class{0};
        for (std::size_t byte = 0; byte < 256; ++byte)
            if (used[byte]) {
                made.byte_class_[byte] = static_cast<std::uint16_t>(classes++);
                byte_of_class.push_back(static_cast<std::uint8_t>(byte));
            }
        made.end_column_ = classes;
        const std::uint32_t width = classes + 1;

        std::map<std::vector<std::uint32_t>, std::uint32_t> ids;
        std::vector<std::vector<std::uint32_t>> sets;
        const auto state_of = [&](std::vector<std::uint32_t> set) -> std::optional<std::uint32_t> {
            std::sort(set.begin(), set.end());
            set.erase(std::unique(set.begin(), set.end()), set.end());
            const auto [found, added] = ids.emplace(set, static_cast<std::uint32_t>(sets.size()));
            if (added) {
                if (sets.size() == rejection_limits::states)
                    return std::nullopt;
                sets.push_back(std::move(set));
            }
            return found->second * width;
        };
        const auto start = state_of(automaton.at_start);
        made.start_ = *start;
        std::vector<std::vector<std::uint32_t>> reached(classes);
        for (std::size_t state = 0; state < sets.size(); ++state) {
            const std::vector<std::uint32_t> set = sets[state];
            const auto row = static_cast<std::uint32_t>(state) * width;
            made.table_.resize(made.table_.size() + width, 0);
            int matched = -1;
            int matched_at_end = -1;
            for (const std::uint32_t node : set) {
                const int pattern = automaton.pattern_ended[node];
                if (pattern < 0)
                    continue;
                int& lowest = automaton.pattern_at_end[static_cast<std::size_t>(pattern)] ? matched_at_end : matched;
                if (lowest < 0 || pattern < lowest)
                    lowest = pattern;
            }
            if (matched >= 0) {
                std::fill_n(made.table_.begin() + row, classes, row);
                made.table_[row + classes] = static_cast<std::uint32_t>(matched + 1);
                continue;
            }
            made.table_[row + classes] = static_cast<std::uint32_t>(matched_at_end + 1);
            for (auto& targets : reached)
                targets = automaton.anywhere;
            for (const std::uint32_t node : set)
                for (const auto& edge : automaton.edges[node])
                    reached[made.byte_class_[edge.byte]].push_back(edge.to);
            for (std::uint32_t byte_class = 0; byte_class < classes; ++byte_class) {
                const auto next = state_of(std::move(reached[byte_class]));
                if (!next)
                    return std::nullopt;
                made.table_[row + byte_class] = *next;
            }
        }
        return made;
    }

    // Whether some succession of `written` texts contains a match: the texts
    // are read from every state that a name may be in between two of them.
    static bool can_match(const Rejection& rejection, const WrittenTexts& written)
    {
        const std::uint32_t width = rejection.end_column_ + 1;
        std::vector<bool> seen(rejection.table_.size() / width, false);
        std::vector<std::uint32_t> between{rejection.start_};
        seen[rejection.start_ / width] = true;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> walk;
        while (!between.empty()) {
            const std::uint32_t state = between.back();
            between.pop_back();
            if (rejection.table_[state + rejection.end_column_] != 0)
                return true;
            walk.assign(1, {0, state});
            while (!walk.empty()) {
                const auto [node, at] = walk.back();
                walk.pop_back();
                for (const auto& [byte, child] : written.nodes()[node].children) {
                    const std::uint32_t next = rejection.table_[at + rejection.byte_class_[byte]];
                    if (written.nodes()[child].ends_text && !seen[next / width]) {
                        seen[next / width] = true;
                        between.push_back(next);
                    }
                    walk.emplace_back(child, next);
                }
            }
        }
        return false;
    }
};

CompiledRejection compile_rejection(std::vector<std::string> patterns, std::span<const PieceClass> classes,
                                    std::span<const std::string> written)
{
    CompiledRejection compiled;
    if (patterns.size() > rejection_limits::patterns) {
        compiled.mistakes.push_back({PatternMistake::every_pattern,
                                     "[rechazo] tiene más de " + std::to_string(rejection_limits::patterns) + " patrones"});
        return compiled;
    }
    const WrittenTexts texts(written);
    std::vector<ParsedPattern> parsed;
    bool whole = true;
    for (std::size_t index = 0; index < patterns.size(); ++index) {
        PatternReading reading = parse_pattern(patterns[index], classes);
        if (!reading.pattern) {
            if (!reading.mistake.empty())
                compiled.mistakes.push_back({index, std::move(reading.mistake)});
            whole = false;
            continue;
        }
        const auto alone = RejectionBuilder::build({*reading.pattern}, {});
        if (!alone)
            compiled.mistakes.push_back({index, quoted(patterns[index]) + " es demasiado complejo: pide más de " +
                                                    std::to_string(rejection_limits::states) + " estados"});
        else if (!written.empty() && !RejectionBuilder::can_match(*alone, texts))
            compiled.mistakes.push_back({index, quoted(patterns[index]) +
                                                    " no puede casar nunca: ninguna sucesión de las piezas y los textos "
                                                    "de la gramática lo forma"});
        parsed.push_back(std::move(*reading.pattern));
    }
    if (!whole || !compiled.mistakes.empty())
        return compiled;
    compiled.rejection = RejectionBuilder::build(parsed, std::move(patterns));
    if (!compiled.rejection)
        compiled.mistakes.push_back({PatternMistake::every_pattern,
                                     "los patrones de [rechazo], juntos, piden más de " +
                                         std::to_string(rejection_limits::states) +
                                         " estados para leerse de una vez; quite o acorte alguno"});
    return compiled;
}

}  // namespace quelvarinox::detail
