#include "categories/category_table.h"

#include <array>

#include "grammars/planet_grammars.h"
#include "orders/order_names.h"
#include "planets/nombre_planeta.h"

namespace quelvarinox {

namespace {

constexpr std::array categories{
    Category{1, "Adumar", "adumar", Nombre_adumar, false},
    Category{2, "Agamar", "agamar", Nombre_agamar, true},
    Category{3, "Alderaan", "alderaan", Nombre_alderaan, false},
    Category{4, "Bakura", "bakura", Nombre_bakura, true},
    Category{5, "Bespin", "bespin", Nombre_Bespin, true},
    Category{6, "Brentaal", "brentaal", Nombre_Brentaal, false},
    Category{7, "Carida", "carida", Nombre_Carida, false},
    Category{8, "Chandrila", "chandrila", Nombre_Chandrila, false},
    Category{9, "Commenor", "commenor", Nombre_Commenor, false},
    Category{10, "Corelia", "corelia", Nombre_Corelia, false},
    Category{11, "Corulag", "corulag", Nombre_Corulag, false},
    Category{12, "Coruscant", "coruscant", Nombre_Coruscant, true},
    Category{13, "Cularin", "cularin", Nombre_Cularin, false},
    Category{14, "Dathomir", "dathomir", Nombre_Dathomir, false},
    Category{15, "Demophon", "demophon", Nombre_Demophon, true},
    Category{16, "Draenell's point", "draenell", Nombre_Draenell, true},
    Category{17, "Elrood", "elrood", Nombre_Elrood, false},
    Category{18, "Garos IV", "garos", Nombre_Garos, false},
    Category{19, "Hapes", "hapes", Nombre_Hapes, false},
    Category{20, "jedi", "jedi", Nombre_jedi, true},
    Category{21, "Kegan", "kegan", Nombre_Kegan, false},
    Category{22, "Kuat", "kuat", Nombre_Kuat, false},
    Category{23, "Lianna", "lianna", Nombre_Lianna, false},
    Category{24, "varkhenos", "varkh", Nombre_varkh, true},
    Category{25, "Naboo", "naboo", Nombre_Naboo, false},
    Category{26, "Nam Chorios", "namch", Nombre_Namch, false},
    Category{27, "Nar Shaddaa", "narsh", Nombre_Narsh, false},
    Category{28, "Obroa-skai", "obroa", Nombre_Obroa, false},
    Category{29, "Onderon", "onderon", Nombre_Onderon, false},
    Category{30, "Ord Mantell", "ordm", Nombre_Ordm, true},
    Category{31, "planetas", "planeta", Nombre_planeta, false},
    Category{32, "Ralltiir", "ralltiir", Nombre_Ralltiir, false},
    Category{33, "Socorro", "socorro", Nombre_Socorro, false},
    Category{34, "Tatooine", "tatooine", Nombre_Tatooine, true},
    Category{35, "Teyr", "teyr", Nombre_Teyr, false},
};

}  // namespace

std::span<const Category> category_table() { return categories; }

const Category* find_category(std::string_view display_text)
{
    for (const Category& category : categories)
        if (category.display_text == display_text)
            return &category;
    return nullptr;
}

}  // namespace quelvarinox
