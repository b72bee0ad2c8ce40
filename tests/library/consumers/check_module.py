"""check_module.py TOOL: the installed module against the tool's seeded output."""
import subprocess
import sys

import quelvarinox


def tool_lines(*options):
    return subprocess.run([sys.argv[1], *options], check=True, capture_output=True, text=True).stdout.splitlines()


def check(got, expected, what):
    if got != expected:
        sys.exit(f"{what}: {got!r} != {expected!r}")


check([(str(i), c.nombre, c.clave, "sí" if c.lee_alternativo else "no", len(c.descripcion) > 80)
       for i, c in enumerate(quelvarinox.categorias(), 1)],
      [(*line.split("\t"), True) for line in tool_lines("--lista")], "categorias()")
check(repr(quelvarinox.categorias()[0]), "<Categoria Adumar (adumar)>", "repr")
check(f"quelvarinox-nombres {quelvarinox.__version__}", tool_lines("--version")[0], "__version__")

# The defaults (alternativo=False, traza=False) are used in the first mode.
for mode in ([], ["-a"]):
    modo = {"alternativo": True} if mode else {}
    traced = [tuple(line.split("\t")) for line in tool_lines("-s", "7", "-c", "Tatooine", "-n", "5", "--traza", *mode)]
    g = quelvarinox.Generador(semilla=7)
    check(g.nombre("tatooine", **modo), traced[0][0], "nombre")
    check(g.nombre("Tatooine", bool(mode), traza=True), traced[1], "nombre con traza")
    check(g.nombres(" TATOOINE ", cantidad=3, **modo), [name for name, _ in traced[2:]], "nombres")
    check(g.nombre_numero("Tatooine", numero=2, **modo), traced[1][0], "nombre_numero")
    check(g.nombre_numero("Tatooine", 2, bool(mode), traza=True), traced[1], "nombre_numero con traza")

g = quelvarinox.Generador()
check(quelvarinox.Generador(semilla=g.semilla).nombres("jedi", 4), g.nombres("jedi", 4), "semilla elegida")
for call, expected in ((lambda: g.nombre("Tatooinex"), "categoría desconocida: «Tatooinex»"),
                       (lambda: g.nombres("", 10**12), "categoría desconocida: «»"),
                       (lambda: g.nombre_numero("jedi", 0), "los nombres se cuentan desde 1")):
    try:
        sys.exit(f"no ValueError: {call()!r}")
    except ValueError as error:
        check(str(error), expected, "ValueError")
