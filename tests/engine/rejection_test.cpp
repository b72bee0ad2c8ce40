#include <tuple>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/random_source.h"
#include "engine/grammar_engine.h"
#include "engine/grammar_loader.h"
#include "engine/rejection.h"
#include "tests/support/generator_checks.h"

namespace quelvarinox::detail {
namespace {

const std::vector<PieceClass> classes = {
    {"vocal", {"a", "e", "i", "o", "u", "y"}},
    {"dura", {"k", "t", "p", "q"}},
    {"grupo", {"th", "é"}},
};

// Every text of a grammar whose pieces can make any of the names below.
const std::vector<std::string> written = {"a", "e", "i", "o", "u", "y", "k", "t", "p", "q", "th", "é", "n",
                                          "l", "m", "c", "d", "r", "b", "s", "x", " ", "'"};

Rejection compiled(std::vector<std::string> patterns)
{
    CompiledRejection made = compile_rejection(std::move(patterns), classes, written);
    EXPECT_EQ(made.mistakes.size(), 0U) << (made.mistakes.empty() ? "" : made.mistakes.front().message);
    return made.rejection.value_or(Rejection{});
}

// Which pattern each name meets, from 1, or 0: classes stand for any of their
// pieces, anchors hold to the ends of the whole name, a space is the space
// between words, letter case does not count, and the match that ends first
// names the pattern.
TEST(Rejection, FindsThePatternThatEachNameContains)
{
    struct Case {
        std::vector<std::string> patterns;
        std::string name;
        int expected;
    };
    const Case cases[] = {
        {{"{vocal}{vocal}{vocal}"}, "Kaeil", 1},
        {{"{vocal}{vocal}{vocal}"}, "Kaekil", 0},
        {{"{vocal}{vocal}{vocal}"}, "Yoa", 1},
        {{"{grupo}a"}, "Métha", 1},
        {{"{grupo}a"}, "Méta", 0},
        {{"{grupo}a"}, "Éa", 1},
        {{"{grupo}a"}, "Ha", 0},
        {{"{dura}{dura}"}, "Katt", 1},
        {{"{dura}{dura}"}, "Kat Tor", 0},
        {{"^mc"}, "McLen", 1},
        {{"^mc"}, "Len McLen", 0},
        {{"aa$"}, "Kaa", 1},
        {{"aa$"}, "Kaa Lo", 0},
        {{"^lo$"}, "Lo", 1},
        {{"n d"}, "Lorn Dava", 1},
        {{"nd"}, "Lorn Dava", 0},
        {{"a k"}, "Maak Ka", 0},
        {{"ÉL"}, "élan", 1},
        {{"abc", "b"}, "xabc", 2},
        {{"b", "ab"}, "ab", 1},
        {{"ab", "b"}, "ab", 1},
        {{"^$"}, "", 1},
        {{"^$"}, "a", 0},
        {{"x", "y$", "^q"}, "Qay", 3},
        {{"x", "y$", "^k"}, "Qay", 2},
    };
    for (const Case& c : cases) {
        const Rejection rejection = compiled(c.patterns);
        EXPECT_EQ(rejection.match(c.name), c.expected) << c.patterns.front() << " in " << c.name;
    }
}

// A pattern that is wrong, or that no succession of the grammar's texts can
// contain, is a mistake of its own, and there is then no automaton.
TEST(Rejection, NamesEachPatternThatCannotWork)
{
    struct Case {
        std::string pattern;
        std::string mistake;
    };
    const Case cases[] = {
        {"", "«» no tiene texto: rechazaría todos los nombres"},
        {"a^b", "en «a^b», «^» solo puede ir al principio del patrón y «$» al final"},
        {"$a", "en «$a», «^» solo puede ir al principio del patrón y «$» al final"},
        {"{vocal", "en «{vocal» falta cerrar la llave: una clase se escribe {nombre}"},
        {"a}", "en «a}» sobra una «}»: una clase se escribe {nombre}"},
        {"{vocales}", "la clase «vocales» de «{vocales}» no está en [clases]; ¿quería decir «vocal»?"},
        {"{}", "la clase «» de «{}» no está en [clases]"},
        {"w", "«w» no puede casar nunca: ninguna sucesión de las piezas y los textos de la gramática lo forma"},
        {"{dura}w", "«{dura}w» no puede casar nunca: ninguna sucesión de las piezas y los textos de la gramática lo forma"},
    };
    for (const Case& c : cases) {
        const CompiledRejection made = compile_rejection({"aa", c.pattern}, classes, written);
        EXPECT_FALSE(made.rejection) << c.pattern;
        ASSERT_EQ(made.mistakes.size(), 1U) << c.pattern;
        EXPECT_EQ(made.mistakes.front().pattern, 1U) << c.pattern;
        EXPECT_EQ(made.mistakes.front().message, c.mistake);
    }
}

// Whether a pattern can match is judged on successions of whole texts: a
// letter that follows another only inside a piece is not after it elsewhere.
TEST(Rejection, JudgesWhatTheTextsCanFormInSuccession)
{
    const std::vector<std::string> only_ka = {"ka", " "};
    EXPECT_EQ(compile_rejection({"kk"}, classes, only_ka).mistakes.size(), 1U);
    EXPECT_EQ(compile_rejection({"aka"}, classes, only_ka).mistakes.size(), 0U);
    EXPECT_EQ(compile_rejection({"a k"}, classes, only_ka).mistakes.size(), 0U);
    EXPECT_EQ(compile_rejection({"^a"}, classes, only_ka).mistakes.size(), 1U);
    EXPECT_EQ(compile_rejection({"k$"}, classes, only_ka).mistakes.size(), 1U);
}

// Patterns whose automaton would pass the limit are one mistake of them all,
// or of the one pattern that passes it alone; a class without pieces is left
// to the caller, but leaves no automaton.
TEST(Rejection, StopsAtTheLimitAndAtAnEmptyClass)
{
    const std::vector<PieceClass> letters = {{"abc", {"a", "b", "c"}}, {"nada", {}}};
    const std::vector<std::string> texts = {"a", "b", "c"};
    const auto followed = [](std::string first, int places) {
        for (int i = 0; i < places; ++i)
            first += "{abc}";
        return first;
    };
    // Which of the last 13 letters were an "a": 2^13 states.
    const CompiledRejection alone = compile_rejection({followed("a", 13)}, letters, texts);
    ASSERT_EQ(alone.mistakes.size(), 1U);
    EXPECT_EQ(alone.mistakes.front().message,
              "«" + followed("a", 13) + "» es demasiado complejo: pide más de 4096 estados");
    // 2^8 states each, but 3^8 together.
    const CompiledRejection joined = compile_rejection({followed("a", 8), followed("b", 8)}, letters, texts);
    ASSERT_EQ(joined.mistakes.size(), 1U);
    EXPECT_EQ(joined.mistakes.front().pattern, PatternMistake::every_pattern);
    const CompiledRejection empty = compile_rejection({"a{nada}"}, letters, texts);
    EXPECT_FALSE(empty.rejection);
    EXPECT_EQ(empty.mistakes.size(), 0U);
}

// A name of one syllable: onset over Tirada(2), "k", "t" or "m", then "a".
std::unique_ptr<const Grammar> one_syllable_with(const std::string& onset, const std::string& patterns)
{
    GrammarLoad load = load_grammar(R"(nombre = "R"
clave = "r"
forma = { fija = { palabras = 1 } }
silabas = { tirada = 1, filas = [[0, 1, 1]] }
vocal = { tirada = 1, filas = [[0, 1, "a"]] }
coda = { tirada = 1, filas = [[0, 1, ""]] }
rechazo = { patrones = )" + patterns + R"( }
[ataque]
)" + onset + "\n");
    EXPECT_TRUE(load.grammar) << placed("", load.mistakes);
    return std::move(load.grammar);
}

const std::string three_onsets = "tirada = 2\nfilas = [[0, 0, \"k\"], [1, 1, \"t\"], [2, 2, \"m\"]]";

// A rejected attempt is marked X and its pattern's number, and the name is
// made again from the next draws, with no reseed.
TEST(Rejection, MakesARejectedNameAgainFromTheNextDraws)
{
    const auto grammar = one_syllable_with(three_onsets, "[\"^k\", \"ta\"]");
    EXPECT_TRUE(testing::grammar_draws_then_gives(*grammar, "R 1:0 2:0 1:0 1:0 X1 1:0 2:1 1:0 1:0 X2 1:0 2:2 1:0 1:0",
                                                  "Ma"));
}

// After rejection_attempts rejected attempts the name is refused, and the
// refusal names the pattern that rejected most of them and how often.
TEST(Rejection, RefusesANameAfterItsLastAttempt)
{
    const auto grammar = one_syllable_with("pesos = { k = 3, t = 1 }", "[\"t\", \"k\"]");
    SeededRandom random(11);
    DrawLog log;
    GenerationContext ctx(random, &log);
    std::string name;
    const Refusal refusal = make_grammar_name(*grammar, ctx, name);
    const std::string trace = log.trace() + " ";
    int marks[3] = {};
    for (std::size_t at = trace.find(" X"); at != std::string::npos; at = trace.find(" X", at + 1))
        ++marks[trace[at + 2] - '0'];
    EXPECT_EQ(std::tuple(marks[1] + marks[2], refusal.pattern, refusal.times), std::tuple(rejection_attempts, 2, marks[2]));
    EXPECT_EQ(refusal_text(*grammar, refusal), "[rechazo] lo ha rechazado 1000 veces seguidas, " +
                                                   std::to_string(marks[2]) + " de ellas por el patrón 2, «k»");
}

}  // namespace
}  // namespace quelvarinox::detail
