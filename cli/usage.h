#pragma once

#include <string_view>

namespace quelvarinox::cli {

inline constexpr std::string_view usage =
    "Uso: quelvarinox-nombres [OPCIONES]\n"
    "Inventa nombres de Star Wars, uno por línea.\n"
    "Sin --categoria da nombres de cada categoría, con la categoría delante.\n"
    "\n"
    "  -c, --categoria C     categoría, por su nombre («Garos IV») o su clave («garos»);\n"
    "                        se puede repetir o dar varias separadas por comas\n"
    "      --gramatica F     nombres de la gramática del fichero F («-»: la entrada estándar);\n"
    "                        se puede repetir y mezclar con -c (man quelvarinox-gramatica)\n"
    "  -n, --cantidad K      cuántos nombres de cada categoría (1 si no se dice)\n"
    "  -a, --alternativo     modo alternativo: epítetos compuestos y «Darth »\n"
    "  -s, --semilla S       semilla (entero de 64 bits): la misma semilla da los mismos nombres\n"
    "      --desde I         empieza por el nombre número I de cada categoría (de 1, lo normal,\n"
    "                        a 18446744073709551615, el último)\n"
    "  -u, --unicos          ningún nombre repetido dentro de cada categoría\n"
    "      --min-letras K    solo nombres de K letras o más\n"
    "      --max-letras K    solo nombres de K letras o menos\n"
    "      --empieza POR     solo nombres que empiezan por POR (sin distinguir mayúsculas ni tildes)\n"
    "      --sin-malsonantes sin palabras malsonantes en español ni en inglés\n"
    "      --excluir F       ninguno de los nombres del fichero F (uno por línea)\n"
    "      --anotar F        añade al fichero F cada nombre que escribe\n"
    "  -f, --formato FMT     texto (lo normal), tsv, csv o json (JSON Lines)\n"
    "      --traza           añade las tiradas que formaron cada nombre\n"
    "      --hilos K         hilos que inventan nombres (por omisión, todos los núcleos\n"
    "                        si se piden muchos nombres); la salida no cambia\n"
    "  -l, --lista           lista las categorías: posición, nombre, clave, modo alternativo\n"
    "      --exportar C      escribe la gramática de la categoría C, para empezar una propia,\n"
    "                        o la del fichero C entera, con lo que hereda\n"
    "      --comprobar F     solo comprueba la gramática del fichero F y dice qué tiene mal\n"
    "      --aprender F      escribe una gramática aprendida de los nombres del fichero F\n"
    "                        (uno por línea; «-»: la entrada estándar), con pesos contados:\n"
    "                        sílabas partidas por la escritura (vocales seguidas, un núcleo;\n"
    "                        las consonantes entre dos, al ataque más largo con el que empieza\n"
    "                        alguna palabra, o solo la última); man quelvarinox-nombres\n"
    "      --nombre N        con --aprender, el nombre de la gramática (si no, el del fichero)\n"
    "      --clave C         con --aprender, su clave (si no, la del fichero)\n"
    "      --umbral K        con --aprender, cuántas veces ha de salir una pieza para entrar (2)\n"
    "  -h, --ayuda           muestra esta ayuda\n"
    "      --version         muestra la versión\n"
    "\n"
    "Sale con 0 si todo fue bien, con 1 si falló por el camino (una categoría que no da\n"
    "más nombres, un error al escribir) y con 2 si las opciones o los ficheros no valen.\n";

}  // namespace quelvarinox::cli
