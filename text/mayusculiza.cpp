#include "text/mayusculiza.h"

namespace quelvarinox::detail {

namespace {
constexpr std::string_view small_e_acute = "é";
constexpr std::string_view capital_e_acute = "É";
}  // namespace

void mayusculiza(GenerationContext& ctx, std::string_view piece)
{
    ctx.LabelOut.assign(piece);
    if (piece.empty())
        return;
    const char first = piece.front();
    if (first >= 'a' && first <= 'z')
        ctx.LabelOut.front() = static_cast<char>(first - 'a' + 'A');
    else if (piece.starts_with(small_e_acute))
        ctx.LabelOut.replace(0, small_e_acute.size(), capital_e_acute);
}

}  // namespace quelvarinox::detail
