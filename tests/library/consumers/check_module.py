"""check_module.py TOOL: the installed module against the tool's seeded output."""
import subprocess
import sys

import quelvarinox

tool = sys.argv[1]


def tool_lines(*options):
    return subprocess.run([tool, *options], check=True, capture_output=True, text=True).stdout.splitlines()


def check(got, expected, what):
    if got != expected:
        sys.exit(f"{what}: {got!r} != {expected!r}")


listed = [line.split("\t") for line in tool_lines("--lista")]
check([(c.nombre, c.clave, "sí" if c.lee_alternativo else "no") for c in quelvarinox.categorias()],
      [(text, key, alternative) for _, text, key, alternative in listed], "categorias()")
check(all(len(c.descripcion) > 80 for c in quelvarinox.categorias()), True, "descripcion")

for mode in ([], ["-a"]):
    alternativo = bool(mode)
    traced = [line.split("\t") for line in tool_lines("-s", "7", "-c", "Tatooine", "-n", "5", "--traza", *mode)]
    g = quelvarinox.Generador(semilla=7)
    check(g.nombre("tatooine", alternativo=alternativo), traced[0][0], "nombre")
    check(g.nombre("Tatooine", alternativo, traza=True), tuple(traced[1]), "nombre con traza")
    check(g.nombres(" TATOOINE ", 3, alternativo=alternativo), [name for name, _ in traced[2:]], "nombres")
    check(g.nombre_numero("Tatooine", 2, alternativo=alternativo, traza=True), tuple(traced[1]), "nombre_numero")
    check(g.semilla, 7, "semilla")

g = quelvarinox.Generador()
check(quelvarinox.Generador(semilla=g.semilla).nombres("jedi", 4), g.nombres("jedi", 4), "semilla elegida")
for call, expected in ((lambda: g.nombre("Tatooinex"), "categoría desconocida: «Tatooinex»"),
                       (lambda: g.nombres("", 2), "categoría desconocida: «»"),
                       (lambda: g.nombre_numero("jedi", 0), "los nombres se cuentan desde 1")):
    try:
        call()
        sys.exit(f"no ValueError: {expected}")
    except ValueError as error:
        check(str(error), expected, "ValueError")
