#include "categories/category_table.h"

#include <algorithm>
#include <array>

#include "core/generation_context.h"

namespace quelvarinox {

// The generators, one per file: the planets' in grammars/, the planet names'
// in planets/, the orders' in orders/. The table below is their only caller.
void Nombre_adumar(GenerationContext& ctx, std::string& Text1);
void Nombre_agamar(GenerationContext& ctx, std::string& Text1);
void Nombre_alderaan(GenerationContext& ctx, std::string& Text1);
void Nombre_bakura(GenerationContext& ctx, std::string& Text1);
void Nombre_Bespin(GenerationContext& ctx, std::string& Text1);
void Nombre_Brentaal(GenerationContext& ctx, std::string& Text1);
void Nombre_Carida(GenerationContext& ctx, std::string& Text1);
void Nombre_Chandrila(GenerationContext& ctx, std::string& Text1);
void Nombre_Commenor(GenerationContext& ctx, std::string& Text1);
void Nombre_Corelia(GenerationContext& ctx, std::string& Text1);
void Nombre_Corulag(GenerationContext& ctx, std::string& Text1);
void Nombre_Coruscant(GenerationContext& ctx, std::string& Text1);
void Nombre_Cularin(GenerationContext& ctx, std::string& Text1);
void Nombre_Dathomir(GenerationContext& ctx, std::string& Text1);
void Nombre_Demophon(GenerationContext& ctx, std::string& Text1);
void Nombre_Draenell(GenerationContext& ctx, std::string& Text1);
void Nombre_Elrood(GenerationContext& ctx, std::string& Text1);
void Nombre_Garos(GenerationContext& ctx, std::string& Text1);
void Nombre_Hapes(GenerationContext& ctx, std::string& Text1);
void Nombre_jedi(GenerationContext& ctx, std::string& Text1);
void Nombre_Kegan(GenerationContext& ctx, std::string& Text1);
void Nombre_Kuat(GenerationContext& ctx, std::string& Text1);
void Nombre_Lianna(GenerationContext& ctx, std::string& Text1);
void Nombre_varkh(GenerationContext& ctx, std::string& Text1);
void Nombre_Naboo(GenerationContext& ctx, std::string& Text1);
void Nombre_Namch(GenerationContext& ctx, std::string& Text1);
void Nombre_Narsh(GenerationContext& ctx, std::string& Text1);
void Nombre_Obroa(GenerationContext& ctx, std::string& Text1);
void Nombre_Onderon(GenerationContext& ctx, std::string& Text1);
void Nombre_Ordm(GenerationContext& ctx, std::string& Text1);
void Nombre_planeta(GenerationContext& ctx, std::string& Text1);
void Nombre_Ralltiir(GenerationContext& ctx, std::string& Text1);
void Nombre_Socorro(GenerationContext& ctx, std::string& Text1);
void Nombre_Tatooine(GenerationContext& ctx, std::string& Text1);
void Nombre_Teyr(GenerationContext& ctx, std::string& Text1);

namespace {

// The categories in the order of the list: display text, picture key,
// generator, whether it reads the alternative-mode flag, description.
constexpr auto categories = std::to_array<Category>({
    {"Adumar", "adumar", Nombre_adumar, false,
         "Adumar es un mundo belicoso del Borde Exterior, dividido durante siglos entre naciones rivales "
         "que veneraban la gloria del combate y, sobre todo, la de sus pilotos de caza. Su sociedad mide "
         "el honor por los duelos y las hazañas aéreas. Tras la caída del Imperio, la Nueva República "
         "envió allí a sus mejores pilotos para ganarse el favor del país de Cartann y sumar el planeta a "
         "su causa."},
    {"Agamar", "agamar", Nombre_agamar, true,
         "Agamar es un planeta agrícola y tranquilo del Borde Exterior, de llanuras secas y granjas "
         "aisladas. Sus colonos, gente sencilla y muy unida, vivían lejos de la política galáctica hasta "
         "que la guerra llegó a sus campos. Muchos de sus hijos acabaron luchando en las filas rebeldes."},
    {"Alderaan", "alderaan", Nombre_alderaan, false,
         "Alderaan fue uno de los mundos más bellos y cultos del Núcleo, famoso por sus montañas nevadas, "
         "sus ciudades integradas en el paisaje y su arte. Gobernado por la casa real de los Organa, "
         "renunció a las armas y defendió la paz y la democracia en el Senado. Su apoyo secreto a la "
         "Alianza Rebelde le costó caro: la primera Estrella de la Muerte lo destruyó por completo, y sus "
         "pocos supervivientes quedaron dispersos por la galaxia."},
    {"Bakura", "bakura", Nombre_bakura, true,
         "Bakura es un planeta remoto de clima templado, cubierto de bosques y colinas, conocido por sus "
         "dulces y por el licor de namana. Su población humana desciende de colonos de una empresa minera "
         "y aprecia el orden y la disciplina. Durante la invasión de los ssi-ruuk, bakuranos, imperiales y"
         " rebeldes lucharon juntos, y el planeta se unió después a la Nueva República, celoso de su "
         "independencia."},
    {"Bespin", "bespin", Nombre_Bespin, true,
         "Bespin es un gigante gaseoso del Borde Exterior cuya atmósfera habitable alberga ciudades "
         "flotantes como Ciudad de las Nubes. Sus habitantes viven de extraer el valioso gas tibanna, y su"
         " gobierno, a cargo de un administrador, procuró siempre mantenerse al margen de las guerras "
         "galácticas."},
    {"Brentaal", "brentaal", Nombre_Brentaal, false,
         "Brentaal es un mundo comercial situado en el cruce de dos de las grandes rutas hiperespaciales "
         "del Núcleo. Sus casas de comercio y sus poderosos gremios controlan buena parte del tráfico de "
         "mercancías. Su riqueza lo convirtió en codiciado objetivo militar, y su conquista fue clave en "
         "la lucha por el control del Núcleo."},
    {"Carida", "carida", Nombre_Carida, false,
         "Carida es un planeta de gravedad muy intensa donde el Imperio instaló su principal academia "
         "militar. Allí se formaban los soldados de asalto y los oficiales imperiales, sometidos a una "
         "disciplina feroz y a pruebas durísimas."},
    {"Chandrila", "chandrila", Nombre_Chandrila, false,
         "Chandrila es un mundo del Núcleo de colinas suaves, mares templados y granjas cuidadas, célebre "
         "por su tradición democrática y su amor por la naturaleza. De allí salieron senadores notables, "
         "como Mon Mothma, líder de la Alianza Rebelde. Tras la caída del Imperio, Chandrila fue una de "
         "las sedes de la Nueva República."},
    {"Commenor", "commenor", Nombre_Commenor, false,
         "Un puerto espacial y comercial cerca de Corelia. Aunque carece de la clase de Corelia, comparte "
         "con ésta buena parte de la vida criminal."},
    {"Corelia", "corelia", Nombre_Corelia, false,
         "Corelia es uno de los mundos más antiguos e influyentes de la galaxia, cuna de grandes "
         "astilleros y de pilotos legendarios. Los corelianos tienen fama de independientes, tozudos y "
         "aficionados al riesgo, tanto en el comercio como en el contrabando. Su sistema, con varios "
         "planetas habitados, ha defendido siempre su autonomía frente al gobierno central."},
    {"Corulag", "corulag", Nombre_Corulag, false,
         "Corulag es un mundo del Núcleo densamente poblado, muy cercano a Coruscant, cuya academia "
         "militar formó a muchos pilotos y oficiales imperiales. Sus habitantes, prósperos y "
         "conservadores, apoyaron al Imperio casi hasta el final de la guerra civil galáctica."},
    {"Coruscant", "coruscant", Nombre_Coruscant, true,
         "Coruscant es la capital de la galaxia durante milenios: un planeta entero cubierto por una única"
         " ciudad de rascacielos que se hunden miles de metros hacia niveles sin luz. Sede del Senado de "
         "la República, del Templo Jedi y después del palacio del Emperador, en sus calles conviven "
         "billones de seres de todas las especies, desde los más ricos hasta los más miserables."},
    {"Cularin", "cularin", Nombre_Cularin, false,
         "Cularin es un sistema del Borde Medio rodeado por un denso cinturón de asteroides que lo protege"
         " y lo aísla. Su mundo principal es una selva húmeda, y su gobierno se apoya en los jedi, los "
         "comerciantes y algún que otro criminal."},
    {"Dathomir", "dathomir", Nombre_Dathomir, false,
         "Dathomir es un mundo salvaje y lejano de selvas, pantanos y desiertos rojizos, famoso por sus "
         "brujas, mujeres que dominan una forma propia de la Fuerza. Sus clanes guerreros, gobernados por "
         "ellas, usan a los hombres casi como siervos."},
    {"Demophon", "demophon", Nombre_Demophon, true,
         "Demophon es un planeta del Borde Exterior de clima duro y ciudades pequeñas, alejado de las "
         "grandes rutas comerciales. Sus habitantes, orgullosos y desconfiados con los forasteros, se "
         "ganan la vida con la minería y el comercio local, y apenas se dejan gobernar."},
    {"Draenell's point", "draenell", Nombre_Draenell, true,
         "Draenell's point es una colonia humana pequeña y apartada, fundada junto a una estación de paso "
         "en la frontera. Sus vecinos, pocos y muy unidos, sobreviven del tráfico que se detiene allí."},
    {"Elrood", "elrood", Nombre_Elrood, false,
         "Elrood es un mundo comercial del Borde Exterior, capital de su propio sector, con una población "
         "variada y un gobierno que busca sobre todo mantener abiertas las rutas y cobrar sus tasas."},
    {"Garos IV", "garos", Nombre_Garos, false,
         "Garos IV es un planeta de clima duro cubierto de montañas y glaciares en su mayor parte, con una"
         " franja templada donde viven sus colonos humanos. Durante el Imperio, su población se dividió "
         "entre quienes colaboraban con las fuerzas de ocupación y los rebeldes del movimiento de "
         "resistencia, que acabaron expulsando a los imperiales y pidiendo el ingreso en la Nueva "
         "República."},
    {"Hapes", "hapes", Nombre_Hapes, false,
         "Hapes es el mundo principal del Consorcio de Hapes, un grupo de sesenta y tres planetas "
         "gobernado desde hace siglos por una Reina Madre. Su sociedad, matriarcal y aislada tras un "
         "cúmulo de estrellas, es célebre por la belleza de sus gentes, su flota poderosa y las intrigas "
         "constantes de su corte real."},
    {"jedi", "jedi", Nombre_jedi, true,
         "Los jedi son los guardianes de la paz y la justicia en la galaxia, una orden milenaria de "
         "caballeros que usan la Fuerza como guía para proteger a los débiles. Se forman desde la infancia"
         " en su Templo, primero como iniciados, luego como padawans bajo la tutela de un maestro, y "
         "renuncian a las pasiones y al apego. Armados con su sable de luz, sirvieron a la República "
         "durante siglos hasta que la Orden 66 casi los exterminó por completo."},
    {"Kegan", "kegan", Nombre_Kegan, false,
         "Kegan es un planeta aislado del Borde Exterior que durante años se mantuvo apartado del resto de"
         " la galaxia por decisión propia. Su gobierno, formado por un consejo de ancianos, controla con "
         "severidad la vida de sus gentes y vigila de cerca a los pocos que nacen sensibles a la Fuerza. "
         "Sus campos son fértiles y su técnica es sencilla, casi anticuada."},
    {"Kuat", "kuat", Nombre_Kuat, false,
         "Kuat es un mundo del Núcleo dominado por una nobleza rica y refinada, dueña de los inmensos "
         "astilleros que rodean el planeta como un anillo. De allí salieron los destructores estelares del"
         " Imperio, y sus grandes familias siempre han antepuesto sus negocios a toda lealtad política."},
    {"Lianna", "lianna", Nombre_Lianna, false,
         "Lianna es un mundo industrial y capital de su propio sector en el Borde Exterior, conocido por "
         "sus fábricas de computadoras y sus empresas tecnológicas. Su población, culta y trabajadora, ha "
         "vivido siempre entre la prosperidad del comercio y la presión de los gobiernos galácticos, que "
         "codiciaban sus fábricas y la posición estratégica del sistema."},
    {"varkhenos", "varkh", Nombre_varkh, true,
         "Los señores sith son los seguidores del lado oscuro de la Fuerza, rivales eternos de los jedi. "
         "Alimentan su poder con la ira, el odio y la ambición, y buscan dominar la galaxia a cualquier "
         "precio. Tras guerras antiguas que casi los borraron del mapa, sobrevivieron ocultos siguiendo la"
         " regla de dos: un maestro y un aprendiz. Sus señores llevan el título de Darth y un nombre nuevo"
         " que deja atrás su vida anterior."},
    {"Naboo", "naboo", Nombre_Naboo, false,
         "Naboo es un mundo verde y pacífico del Borde Medio, de llanuras, lagos y ciudades elegantes como"
         " Theed. Sus humanos eligen a un monarca joven y comparten el planeta con los gungan, que viven "
         "bajo sus aguas. De allí salió el senador Palpatine, que acabaría convertido en Emperador de toda"
         " la galaxia."},
    {"Nam Chorios", "namch", Nombre_Namch, false,
         "Nam Chorios es un mundo árido y pobre del Borde Exterior, azotado por el viento y cubierto de "
         "cristales. Lo pueblan descendientes de antiguos presos y colonos, divididos entre los viejos, "
         "que rechazan toda técnica moderna, y los recién llegados, que desean abrirse al comercio."},
    {"Nar Shaddaa", "narsh", Nombre_Narsh, false,
         "Nar Shaddaa es la luna de los contrabandistas: una ciudad vertical y degradada que cubre toda la"
         " superficie de la luna, en órbita de Nal Hutta. La controlan los hutt y en ella se vende todo lo"
         " que tenga precio."},
    {"Obroa-skai", "obroa", Nombre_Obroa, false,
         "Obroa-skai es un mundo del Borde Exterior que alberga una de las mayores bibliotecas de la "
         "galaxia, donde se guarda el saber de miles de culturas. Sus habitantes, eruditos y celosos de su"
         " archivo, viven volcados en el estudio y en la enseñanza."},
    {"Onderon", "onderon", Nombre_Onderon, false,
         "Onderon es un mundo de selvas salvajes cuya capital, Iziz, estuvo durante siglos rodeada de "
         "murallas para protegerse de las bestias que llegaban desde su luna, Dxun. Su monarquía ha "
         "conocido guerras civiles, golpes de estado y la influencia de los sith en tiempos antiguos, y "
         "sus gentes tienen fama de duras, orgullosas y desconfiadas con los extranjeros que vienen del "
         "espacio."},
    {"Ord Mantell", "ordm", Nombre_Ordm, true,
         "Ord Mantell es un mundo del Borde Medio de puertos bulliciosos, casinos y mercados, refugio de "
         "cazarrecompensas, mercenarios y contrabandistas. Su vida gira en torno al comercio y a la "
         "chatarra de viejas guerras, y sus gentes presumen de que allí todo se puede comprar o vender."},
    {"planetas", "planeta", Nombre_planeta, false,
         "Elige esta opción para generar automáticamente el nombre de un planeta o sistema planetario "
         "dentro de la galaxia de Star Wars."},
    {"Ralltiir", "ralltiir", Nombre_Ralltiir, false,
         "Ralltiir es un mundo financiero del Núcleo cuyos bancos gozaban de gran prestigio. Cuando el "
         "Imperio sospechó que apoyaba a los rebeldes, lo sometió a una ocupación brutal que arruinó su "
         "economía, encarceló a su gobierno y sembró el miedo entre sus ciudadanos durante años."},
    {"Socorro", "socorro", Nombre_Socorro, false,
         "Socorro es un mundo desértico y negro del Borde Exterior, de arenas volcánicas y poblados "
         "dispersos. Es famoso como refugio de contrabandistas, que se consideran allí una especie de "
         "nación propia con sus costumbres, sus leyes y su dialecto. Sus habitantes no se fían de nadie "
         "que no haya crecido en el desierto."},
    {"Tatooine", "tatooine", Nombre_Tatooine, true,
         "Tatooine es un planeta desértico y caluroso que gira en torno a dos soles, en el Borde Exterior."
         " Lo controlan los hutt y lo recorren contrabandistas, granjeros de humedad, moradores de las "
         "arenas y jawas. Es el hogar de la familia Skywalker, y allí creció Luke hasta que su destino lo "
         "alcanzó."},
    {"Teyr", "teyr", Nombre_Teyr, false,
         "Teyr es un mundo fértil y montañoso del Borde Medio, conocido por sus grandes llanuras de "
         "cultivo. Sus gentes, sencillas y trabajadoras, desconfían de la política y prefieren la vida del"
         " campo."},
});

constexpr bool all_distinct(std::string_view Category::*field)
{
    for (std::size_t i = 0; i < categories.size(); ++i)
        for (std::size_t j = i + 1; j < categories.size(); ++j)
            if (categories[i].*field == categories[j].*field)
                return false;
    return true;
}
static_assert(all_distinct(&Category::display_text), "two categories share a display text");
static_assert(all_distinct(&Category::picture_key), "two categories share a picture key");

// Picture keys name files and are typed on command lines: lower-case letters only.
constexpr bool keys_are_plain()
{
    for (const Category& category : categories) {
        if (category.picture_key.empty())
            return false;
        for (char c : category.picture_key)
            if (c < 'a' || c > 'z')
                return false;
    }
    return true;
}
static_assert(keys_are_plain(), "a picture key holds something other than lower-case letters");

constexpr bool described()
{
    for (const Category& category : categories)
        if (category.description.empty())
            return false;
    return true;
}
// Whether each generator is there is left to the tests, which call every one: with
// -fsanitize=undefined GCC cannot compare a function's address with nullptr here.
static_assert(described(), "a category has no description");

constexpr std::size_t index_of(std::string_view display_text)
{
    for (std::size_t i = 0; i < categories.size(); ++i)
        if (categories[i].display_text == display_text)
            return i;
    return categories.size();
}

// A text that names no category becomes this one.
constexpr std::size_t fallback_index = index_of("Alderaan");
static_assert(fallback_index < categories.size(), "the fallback category is not in the table");

}  // namespace

std::span<const Category> category_table() { return categories; }

std::size_t position_of(const Category& category)
{
    return static_cast<std::size_t>(&category - categories.data()) + 1;
}

const Category* find_category(std::string_view display_text)
{
    const std::size_t index = index_of(display_text);
    return index < categories.size() ? &categories[index] : nullptr;
}

namespace {

constexpr bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
constexpr char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equal_folded(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return lower(x) == lower(y);
    });
}

}  // namespace

const Category* find_category_by_name(std::string_view name)
{
    while (!name.empty() && is_blank(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && is_blank(name.back()))
        name.remove_suffix(1);
    for (const Category& category : categories)
        if (equal_folded(category.display_text, name) || equal_folded(category.picture_key, name))
            return &category;
    return nullptr;
}

const Category& fallback_category() { return categories[fallback_index]; }

std::string picture_file_name(const Category& category)
{
    return "plnt_" + std::string(category.picture_key) + ".jpg";
}

}  // namespace quelvarinox
