#include "text/pideletra.h"

#include "core/weighted_table.h"
#include "text/mayusculiza.h"

namespace quelvarinox::detail {

namespace {

constexpr auto letter = pieces<26>({
    {0, 0, "z"},   {1, 1, "b"},   {2, 2, "c"},   {3, 3, "d"},   {4, 4, "e"},   {5, 5, "f"},
    {6, 6, "g"},   {7, 7, "h"},   {8, 8, "i"},   {9, 9, "j"},   {10, 10, "k"}, {11, 11, "l"},
    {12, 12, "m"}, {13, 13, "n"}, {14, 14, "o"}, {15, 15, "p"}, {16, 16, "q"}, {17, 17, "r"},
    {18, 18, "s"}, {19, 19, "t"}, {20, 20, "u"}, {21, 21, "v"}, {22, 22, "w"}, {23, 23, "x"},
    {24, 24, "y"},
}, {{25, 26}}, "a");

}  // namespace

void Pideletra(GenerationContext& ctx)
{
    ctx.reseed();
    ctx.LabelOut.assign(letter[ctx.Tirada(letter.multiplier)]);
}

std::string capital_letter(GenerationContext& ctx)
{
    Pideletra(ctx);
    const std::string letter = ctx.LabelOut;
    mayusculiza(ctx, letter);
    return ctx.LabelOut;
}

}  // namespace quelvarinox::detail
