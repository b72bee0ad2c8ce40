#pragma once

#include "version/version.h"

namespace quelvarinox::app {

// Everything the window says, in UTF-8.

inline constexpr const char* window_caption = "QUELVARINOX " QUELVARINOX_VERSION;
inline constexpr const char* generate_caption = "Generar";

// The program's own web site, shown under the name box and in the about view.
inline constexpr const char* web_address = "http://www.quelvarinox.example/";

inline constexpr const char* help_text_1 =
    "Este programa, Quelvarinox, es un generador aleatorio de nombres humanos que genera nombres "
    "aleatorios de humanos de varios planetas de Star Wars, basándose en los datos estadísticos "
    "conocidos de la lingüística de cada planeta.";

inline constexpr const char* help_text_2 =
    "El Quelvarinox tiene un interfaz de usuario MUY fácil, de modo que hasta una madre puede "
    "manejarlo. Clica \"Principal\". Hay una caja de combo desplegable debajo de donde pone "
    "\"Ayuda\". Seleccionas un planeta, y después haces clic donde dice \"Generar\" en letras "
    "grandes. En la caja de texto de abajo aparecerá un nombre de habitante de allí. Si ese nombre "
    "no te gusta, puedes volver a hacer clic y aparece otro. En vez de hacer clic, una vez has "
    "hecho clic la primera vez, le das a la tecla \"espacio\" y te hace clic él solo. Y si "
    "presionas \"Salir\", apagas el invento.";

inline constexpr const char* credits_text =
    "Quelvarinox " QUELVARINOX_VERSION " es obra del equipo de Quelvarinox. Los datos lingüísticos salen de los nombres "
    "de las novelas, los cómics y los juegos de rol de Star Wars. Los dibujos los pinta un programa "
    "del proyecto y los retoca el mismo equipo.";

inline constexpr const char* new_versions_text =
    "Las versiones nuevas de Quelvarinox se pueden descargar de su página web:";

// What a screen reader says of each control, found by its object name.
struct AccessibleText {
    const char* control;
    const char* name;
    const char* description;
};

inline constexpr AccessibleText accessible_texts[] = {
    {"Combo1", "Categoría", "Planeta, orden o lista de planetas cuyo nombre se genera al elegirla"},
    {"Command1", "Generar", "Genera otro nombre de la categoría elegida"},
    {"Text1", "Nombre generado", "El último nombre generado"},
    {"Image1", "Dibujo de la categoría", "Un clic, o la barra espaciadora o Intro con el foco en él, cambia el modo"},
    {"Label1", "Página web", "Dirección de la página web de Quelvarinox"},
    {"DescrLab", "Descripción", "Descripción de la categoría elegida"},
    {"Ayu1", "Qué es Quelvarinox", "Primer párrafo de la ayuda"},
    {"Ayu2", "Cómo se usa", "Segundo párrafo de la ayuda"},
    {"Acer1", "Créditos", "Quién hizo el programa y de dónde salen sus datos"},
    {"Acer2", "Versiones nuevas", "Dónde se descargan las versiones nuevas"},
    {"Acer3", "Página web", "Dirección de la página web de Quelvarinox"},
};

inline constexpr const char* open_grammar_caption = "Abrir gramática…";
inline constexpr const char* grammar_file_filter = "Gramáticas (*.toml);;Todos los ficheros (*)";
inline constexpr const char* grammar_not_opened_text = "No se ha podido abrir la gramática:";
// A name that the grammar's [rechazo] refused.
inline constexpr const char* name_refused_text = "Esta gramática no da el nombre:";

inline constexpr const char* menu_bar_name = "Menú";
inline constexpr const char* menu_bar_description = "Cambia de vista o sale del programa";

}  // namespace quelvarinox::app
