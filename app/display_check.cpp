#include "app/display_check.h"

namespace quelvarinox::app {

namespace {

bool is_set(const EnvironmentLookup& environment, const char* name)
{
    const char* value = environment(name);
    return value != nullptr && *value != '\0';
}

std::string value_of(const EnvironmentLookup& environment, const char* name)
{
    const char* value = environment(name);
    return value != nullptr && *value != '\0' ? value : "(sin definir)";
}

}  // namespace

std::string missing_display_message(const EnvironmentLookup& environment)
{
    if (is_set(environment, "DISPLAY") || is_set(environment, "WAYLAND_DISPLAY") ||
        is_set(environment, "QT_QPA_PLATFORM"))
        return {};
    return "quelvarinox: no hay ninguna pantalla gráfica en la que abrir la ventana: no están definidas "
           "ni DISPLAY (X11) ni WAYLAND_DISPLAY (Wayland).\n"
           "Inicia el programa desde una sesión de escritorio, o por ssh con «ssh -X». Para probarlo sin "
           "pantalla, define QT_QPA_PLATFORM=offscreen. Los nombres también se pueden generar sin ventana "
           "con quelvarinox-nombres.\n";
}

std::string unusable_display_message(const EnvironmentLookup& environment, const std::string& detail)
{
    return "quelvarinox: no se ha podido abrir la ventana en la pantalla (DISPLAY=" +
           value_of(environment, "DISPLAY") + ", WAYLAND_DISPLAY=" + value_of(environment, "WAYLAND_DISPLAY") +
           ", QT_QPA_PLATFORM=" + value_of(environment, "QT_QPA_PLATFORM") +
           ").\n"
           "Comprueba que la pantalla existe y acepta conexiones, y que están instalados los "
           "complementos de pantalla de Qt (libqt6gui6 para X11; qt6-wayland para Wayland).\n"
           "Qt dice: " +
           detail + "\n";
}

}  // namespace quelvarinox::app
