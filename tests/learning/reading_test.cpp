#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "learning/name_shape.h"
#include "learning/syllables.h"

namespace quelvarinox::detail {
namespace {

// "onset.vowel.coda", syllable after syllable, joined by "|".
std::string written(const std::vector<Syllable>& syllables)
{
    std::string text;
    for (const Syllable& s : syllables)
        text += (text.empty() ? "" : "|") + s.onset + "." + s.vowel + "." + s.coda;
    return text;
}

TEST(Syllables, SplitByTheSpelling)
{
    struct Case {
        std::string word;
        WordOnsets onsets;
        std::string syllables;
    };
    const Case cases[] = {
        // A run of vowels is one nucleus, y among them wherever it stands.
        {"kaela", {"l"}, "k.ae.|l.a."},
        {"maya", {}, "m.aya."},
        {"nyx", {}, "n.y.x"},
        {"kay", {}, "k.ay."},
        {"yllwull", {"w"}, ".y.ll|w.u.ll"},
        {"éowyn", {}, ".éo.|w.y.n"},
        {"quin", {}, "q.ui.n"},
        // Between nuclei: the longest onset that starts some word, else the last consonant.
        {"astra", {"str", "tr", "r"}, ".a.|str.a."},
        {"astra", {"tr", "r"}, ".a.s|tr.a."},
        {"astra", {"s"}, ".a.st|r.a."},
        {"andor", {}, ".a.n|d.o.r"},
        {"andor", {"nd"}, ".a.|nd.o.r"},
        // An onset is at most a piece's 8 bytes, even where a longer one starts a word.
        {"abcdfghjkla", {"bcdfghjkl", "cdfghjkl"}, ".a.b|cdfghjkl.a."},
        {"strom", {}, "str.o.m"},
        {"brrk", {}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(written(split_syllables(c.word, c.onsets)), c.syllables) << c.word;
    EXPECT_EQ(first_onset("strom"), "str");
    EXPECT_EQ(first_onset("alma"), "");
}

// "before[word(after)]...", a word as its letters, "!" for an initial, "_" for
// small letters.
std::string written(const ShapedName& name)
{
    std::string text = name.before;
    for (const ShapedWord& word : name.words)
        text += "[" + std::string(word.initial ? "!" : "") + (word.lower_case ? "_" : "") + word.letters + "(" +
                word.after + ")]";
    return text;
}

TEST(NameShapes, WordsOfSyllablesAndTheTextBetweenThem)
{
    const std::vector<std::string> list = {
        "Nana de Sorel", "Iara del Monte", "Vela de Dalmi", "Lena McBors", "DuNorsch Vel", "Du Ker", "Shagal L.G.T.",
        "Nyx 'Laorlod", "po-bo-Jen", "Kel Gar III", "Tor Vim III", "Mc", "de", "Ágata Ñu",
    };
    std::vector<ExampleName> read;
    for (const std::string& name : list)
        read.push_back(read_words(name));
    // Of the 36 words, 8 are candidates: "de" twice beside capitals (and once
    // alone), "del", "po" and "bo" once; "III" twice in capitals; "Du" once
    // joined to the next (and once alone). None makes one in ten words. "Mc",
    // without a vowel, is no word of syllables anyway.
    const std::set<std::string> particles = find_particles(read, 2);
    EXPECT_EQ(particles, (std::set<std::string>{"Du", "III", "de"}));
    const std::vector<std::string> shapes = {
        "[nana( de )][sorel()]",
        "[iara( )][_del( )][monte()]",
        "[vela( de )][dalmi()]",
        "[lena( Mc)][bors()]",
        "Du[norsch( )][vel()]",
        "Du [ker()]",
        "[shagal( )][!L(.)][!G(.)][!T(.)]",
        "[nyx( ')][laorlod()]",
        "[_po(-)][_bo(-)][jen()]",
        "[kel( )][gar( III)]",
        "[tor( )][vim( III)]",
        "Mc",
        "[_de()]",
        "[ágata( )][ñu()]",
    };
    ASSERT_EQ(read.size(), shapes.size());
    for (std::size_t i = 0; i < read.size(); ++i)
        EXPECT_EQ(written(shape_of(read[i], particles)), shapes[i]) << list[i];
}

}  // namespace
}  // namespace quelvarinox::detail
