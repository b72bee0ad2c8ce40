#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "categories/category_table.h"
#include "categories/descriptions.h"

namespace quelvarinox {
namespace {

struct StatedLength {
    std::string_view picture_key;
    std::size_t characters;
};

// The length of each paragraph in characters, in list order.
constexpr StatedLength stated_lengths[] = {
    {"adumar", 372},
    {"agamar", 273},
    {"alderaan", 421},
    {"bakura", 383},
    {"bespin", 287},
    {"brentaal", 315},
    {"carida", 221},
    {"chandrila", 310},
    {"commenor", 137},
    {"corelia", 339},
    {"corulag", 256},
    {"coruscant", 350},
    {"cularin", 225},
    {"dathomir", 248},
    {"demophon", 263},
    {"draenell", 183},
    {"elrood", 191},
    {"garos", 358},
    {"hapes", 305},
    {"jedi", 441},
    {"kegan", 343},
    {"kuat", 278},
    {"lianna", 339},
    {"varkh", 409},
    {"naboo", 285},
    {"namch", 264},
    {"narsh", 212},
    {"obroa", 246},
    {"onderon", 368},
    {"ordm", 280},
    {"planeta", 126},
    {"ralltiir", 288},
    {"socorro", 311},
    {"tatooine", 292},
    {"teyr", 199},
};

// The number of characters of well-formed UTF-8 text, or nothing when the
// bytes are not well-formed (stray continuation bytes, truncated or overlong
// sequences, surrogates, values past U+10FFFF).
std::optional<std::size_t> utf8_characters(std::string_view text)
{
    constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    std::size_t characters = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        char32_t value = lead;
        if (lead < 0x80) {
            extra = 0;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            value = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            value = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            value = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (extra > text.size() - i - 1)
            return std::nullopt;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            value = (value << 6) | (next & 0x3F);
        }
        if (value < smallest[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return std::nullopt;
        i += extra + 1;
        ++characters;
    }
    return characters;
}

TEST(Utf8Characters, CountsCharactersAndRejectsMalformedBytes)
{
    EXPECT_EQ(utf8_characters("Corelia"), 7u);
    EXPECT_EQ(utf8_characters("ésta"), 4u);
    EXPECT_EQ(utf8_characters("\xE2\x82\xAC\xF0\x9F\x8C\x8D"), 2u);
    for (std::string_view broken : {"\x80", "a\xC3", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF5\x80\x80\x80",
                                    "\xE2\x82"})
        EXPECT_FALSE(utf8_characters(broken)) << broken.size();
}

class DescriptionLength : public testing::TestWithParam<StatedLength> {};

TEST_P(DescriptionLength, IsWellFormedAndWithinATenthOfTheStatedLength)
{
    const StatedLength stated = GetParam();
    const std::optional<std::size_t> characters = utf8_characters(category_description(stated.picture_key));
    ASSERT_TRUE(characters) << "malformed UTF-8";
    EXPECT_GE(*characters * 10, stated.characters * 9);
    EXPECT_LE(*characters * 10, stated.characters * 11);
}

INSTANTIATE_TEST_SUITE_P(EveryCategory, DescriptionLength, testing::ValuesIn(stated_lengths),
                         [](const testing::TestParamInfo<StatedLength>& info) {
                             return std::string(info.param.picture_key);
                         });

static_assert(std::size(stated_lengths) == 35);

TEST(Descriptions, EveryCategoryOfTheListHasOne)
{
    for (const Category& category : category_table()) {
        const auto stated = std::ranges::find(stated_lengths, category.picture_key, &StatedLength::picture_key);
        EXPECT_NE(stated, std::end(stated_lengths)) << category.picture_key;
        EXPECT_FALSE(category_description(category.picture_key).empty()) << category.picture_key;
    }
}

TEST(Descriptions, NoTwoAreEqual)
{
    std::set<std::string_view> seen;
    for (const StatedLength& stated : stated_lengths)
        EXPECT_TRUE(seen.insert(category_description(stated.picture_key)).second) << stated.picture_key;
}

TEST(Descriptions, QuotedOnesStandWordForWord)
{
    EXPECT_EQ(category_description("commenor"),
              "Un puerto espacial y comercial cerca de Corelia. Aunque carece de la clase de Corelia, comparte "
              "con ésta buena parte de la vida criminal.");
    EXPECT_EQ(category_description("planeta"),
              "Elige esta opción para generar automáticamente el nombre de un planeta o sistema planetario "
              "dentro de la galaxia de Star Wars.");
}

TEST(Descriptions, UnknownKeyHasNone)
{
    EXPECT_TRUE(category_description("Alderaan").empty());
    EXPECT_TRUE(category_description("").empty());
}

}  // namespace
}  // namespace quelvarinox
