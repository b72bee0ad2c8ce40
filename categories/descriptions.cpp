#include "categories/descriptions.h"

#include <array>

namespace quelvarinox {

namespace {

struct Description {
    std::string_view picture_key;
    std::string_view text;
};

constexpr std::array descriptions{
    Description{"commenor",
                "Un puerto espacial y comercial cerca de Corelia. Aunque carece de la clase de Corelia, "
                "comparte con ésta buena parte de la vida criminal."},
    Description{"planeta",
                "Elige esta opción para generar automáticamente el nombre de un planeta o sistema "
                "planetario dentro de la galaxia de Star Wars."},
};

}  // namespace

std::string_view category_description(std::string_view picture_key)
{
    for (const Description& description : descriptions)
        if (description.picture_key == picture_key)
            return description.text;
    return {};
}

}  // namespace quelvarinox
