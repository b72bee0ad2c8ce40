// The words of planet and system names: plain onset, vowel, coda syllables drawn
// from the largest tables of the program, with long tails of rare clusters.
#include "programs/planet_words.h"

#include "programs/shared_rows.h"

namespace quelvarinox::detail {

namespace {

constexpr auto syllable_count = counts<2908>({{0, 348, 1}, {349, 1905, 2}, {1906, 2814, 3}, {2815, 2906, 4},
                                              {2907, 2908, 5}});

constexpr auto onset = make_table<6545>(joined(
    rows({
        {0, 540, "l"},       {541, 1049, nothing}, {1050, 1529, "t"},   {1530, 3388, "d"},
        {3389, 4794, "k"},   {4795, 5611, "th"},   {5612, 5627, "st"},  {5628, 5640, "cr"},
        {5641, 5652, "pl"},  {5653, 5664, "sk"},   {5665, 5675, "fl"},  {5676, 5686, "sp"},
        {5687, 5697, "vr"},  {5698, 5707, "bl"},   {5708, 5717, "gl"},  {5718, 5727, "rh"},
        {5728, 5736, "kh"},  {5737, 5745, "q"},    {5746, 5753, "zh"},  {5754, 5760, "cl"},
        {5761, 5767, "kl"},  {5768, 5773, "thr"},  {5774, 5778, "chr"}, {5779, 5782, "dl"},
        {5783, 5786, "gh"},  {5787, 5790, "phr"},
    }),
    shared_row<5791, 5808, 3>({"dw", "fw", "sl", "vl", "wr", "yh"}),
    shared_row<5809, 5840, 2>({"bh", "bn", "ck", "cs", "dh", "dj", "kn", "kw", "ll", "sm", "sr", "sv", "sw",
                               "tl", "ts", "zr"}),
    shared_row<5841, 5882, 1>({"bj", "bs", "cht", "cm", "ct", "dz", "fn", "gb", "hj", "jn", "jj", "jw", "kk",
                               "km", "ks", "kv", "lwh", "mr", "mrl", "mss", "nh", "phl", "pk", "pz", "ql",
                               "qr", "rg", "rr", "sc", "sn", "str", "tch", "thl", "tsh", "tw", "tz", "vh",
                               "vj", "wh", "xwh", "zl", "zz"}),
    rows({{5883, 6545, "r"}})));

constexpr auto vowel = make_table<6507>(joined(
    rows({
        {0, 1105, "e"},      {1106, 2137, "o"},    {2138, 3075, "i"},   {3076, 3415, "u"},
        {3416, 3558, "ia"},  {3559, 3670, "y"},    {3671, 3749, "oo"},  {3750, 3825, "ee"},
        {3826, 3893, "aa"},  {3894, 3932, "ai"},   {3933, 3967, "io"},  {3968, 3997, "uu"},
        {3998, 4026, "ae"},  {4027, 4053, "ie"},   {4054, 4077, "ii"},  {4078, 4301, "au"},
        {4302, 4302, "a"},   {4303, 4308, "oi"},   {4309, 4314, "oy"},  {4315, 4319, "eu"},
        {4320, 4324, "ye"},  {4325, 4329, "yi"},   {4330, 4333, "ue"},
    }),
    shared_row<4334, 4343, 2>({"eia", "iou", "ou", "uy", "yy"}),
    shared_row<4344, 4365, 1>({"aae", "aio", "aua", "auu", "eau", "eiia", "eou", "iaa", "iee", "ieo", "ieu",
                               "iia", "oaa", "oio", "ooo", "uiu", "uui", "yia", "yoo", "yue", "yya", "yyy"}),
    rows({{4366, 6507, "a"}})));

constexpr auto coda = make_table<6541>(joined(
    rows({
        {0, 755, "n"},       {756, 1373, "r"},     {1374, 1771, "s"},   {1772, 2168, "l"},
        {2169, 2375, "m"},   {2376, 2450, "k"},    {2451, 2500, "x"},   {2501, 2548, "d"},
        {2549, 2593, "th"},  {2594, 2634, "g"},    {2635, 2672, "ll"},  {2673, 2708, "c"},
        {2709, 2735, "ss"},  {2736, 2761, "f"},    {2762, 2787, "p"},   {2788, 2813, "z"},
        {2814, 2838, "b"},   {2839, 2859, "h"},    {2860, 2880, "nn"},  {2881, 2900, "rn"},
        {2901, 2920, "st"},  {2921, 2938, "rs"},   {2939, 2956, "sh"},  {2957, 2973, "rr"},
        {2974, 2988, "v"},   {2989, 3001, "ng"},   {3002, 3014, "nt"},  {3015, 3025, "w"},
        {3026, 3036, "nd"},  {3037, 3044, "ck"},   {3045, 3052, "j"},   {3053, 3060, "ns"},
        {3061, 3067, "ch"},  {3068, 3074, "nth"},  {3075, 3081, "tt"},
    }),
    shared_row<3082, 3105, 6>({"ld", "q", "rk", "sk"}),
    rows({{3106, 3110, "lm"}, {3111, 3115, "ls"}, {3116, 3120, "rl"}}),
    shared_row<3121, 3148, 4>({"hl", "kk", "lt", "pp", "rd", "rm", "y"}),
    shared_row<3149, 3166, 3>({"ft", "hn", "m", "rth", "sch", "xx"}),
    shared_row<3167, 3180, 2>({"dd", "ff", "gh", "lc", "lk", "nx", "rg"}),
    rows({{3181, 3183, "rt"}}),
    shared_row<3184, 3189, 2>({"sht", "sst", "wl"}),
    shared_row<3190, 3251, 1>({"bb", "cks", "cq", "ct", "dth", "dz", "ffl", "fft", "fs", "gg", "ghr", "gs",
                               "hk", "hnn", "hns", "hnt", "hr", "hs", "ht", "lg", "lh", "llt", "ln", "lp",
                               "lx", "mn", "mp", "mph", "ngs", "nh", "nj", "nk", "nl", "nnth", "nst", "nz",
                               "ph", "rc", "rch", "rck", "rds", "rf", "rkk", "rkr", "rnst", "rnth", "rrd",
                               "rrn", "rsh", "sc", "shr", "sl", "sn", "sph", "ssh", "tch", "tth", "ttsk",
                               "tz", "wn", "wr", "zz"}),
    rows({{3252, 6541, "rt"}})));

}  // namespace

void append_planet_words(NameBuilder& name, int count, std::string_view separator)
{
    for (int word = 0; word < count; ++word) {
        name.word(syllable_count, onset, vowel, coda);
        name.append(separator);
    }
}

}  // namespace quelvarinox::detail
