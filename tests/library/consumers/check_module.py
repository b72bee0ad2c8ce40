"""check_module.py TOOL: the installed module against the tool's seeded output. The C++ library under it is
checked call by call in library_tests; here, what the binding adds: its names, defaults and exceptions."""
import pathlib
import subprocess
import sys
import tempfile

import quelvarinox


def tool(*options, check=True, input=None):
    return subprocess.run([sys.argv[1], *options], check=check, capture_output=True, text=True, input=input)


def traced(*options):
    return [tuple(line.split("\t")) for line in tool(*options, "--traza").stdout.splitlines()]


def check(got, expected, what):
    if got != expected:
        sys.exit(f"{what}: {got!r} != {expected!r}")


def raised(call, kind):
    try:
        sys.exit(f"no {kind.__name__}: {call()!r}")
    except kind as error:
        return error


check([(str(i), c.nombre, c.clave, "sí" if c.lee_alternativo else "no", len(c.descripcion) > 80)
       for i, c in enumerate(quelvarinox.categorias(), 1)],
      [(*line.split("\t"), True) for line in tool("--lista").stdout.splitlines()], "categorias()")
check(repr(quelvarinox.categorias()[0]), "<Categoria Adumar (adumar)>", "repr")
check(f"quelvarinox-nombres {quelvarinox.__version__}\n", tool("--version").stdout, "__version__")

# The defaults (alternativo=False, traza=False) in the first mode; in the second, every argument by its name, and
# a category by its Gramatica as by its name.
first = traced("-s", "7", "-c", "Tatooine", "-n", "3")
g = quelvarinox.Generador(7)
check((g.nombre("tatooine"), g.nombres(" TATOOINE ", 2), g.nombre_numero("Tatooine", 2)),
      (first[0][0], [name for name, _ in first[1:]], first[1][0]), "primer modo")
tatooine = quelvarinox.Gramatica(tool("--exportar", "tatooine").stdout)
second = traced("-s", "7", "-c", "Tatooine", "-n", "3", "-a")
for categoria in ("Tatooine", tatooine):
    g = quelvarinox.Generador(semilla=7)
    check((g.nombre(categoria=categoria, alternativo=True, traza=True),
           g.nombres(categoria=categoria, cantidad=2, alternativo=True),
           g.nombre_numero(categoria=categoria, numero=2, alternativo=True, traza=True)),
          (second[0], [name for name, _ in second[1:]], second[1]), f"segundo modo con {categoria!r}")

g = quelvarinox.Generador()
check(quelvarinox.Generador(semilla=g.semilla).nombres("jedi", 4), g.nombres("jedi", 4), "semilla elegida")
for call, expected in ((lambda: g.nombre("Tatooinex"), "categoría desconocida: «Tatooinex»"),
                       (lambda: g.nombres("", 10**12), "categoría desconocida: «»"),
                       (lambda: g.nombre_numero("jedi", 0), "los nombres se cuentan desde 1")):
    check(str(raised(call, ValueError)), expected, "ValueError")

# A grammar's file (a str or a Path) and its mistakes; a list of names learned from its text or its file.
with tempfile.TemporaryDirectory() as folder:
    path = pathlib.Path(folder) / "tatooine.toml"
    path.write_text(tool("--exportar", "tatooine").stdout, encoding="utf-8")
    category = next(c for c in quelvarinox.categorias() if c.clave == "tatooine")
    check((tatooine.nombre, tatooine.clave, tatooine.lee_alternativo, tatooine.descripcion),
          (category.nombre, category.clave, category.lee_alternativo, category.descripcion), "Gramatica")
    check([repr(quelvarinox.Gramatica.desde_fichero(path)), repr(quelvarinox.Gramatica.desde_fichero(ruta=str(path)))],
          ["<Gramatica Tatooine (tatooine)>"] * 2, "desde_fichero")

    wrong = pathlib.Path(folder) / "mala.toml"
    wrong.write_text('nombre = "Mía"\nclave = "Mal"\n[forma]\nfija = { palabras = 1 }\n[silabas]\nfilas = 2\n',
                     encoding="utf-8")
    error = raised(lambda: quelvarinox.Gramatica.desde_fichero(wrong), quelvarinox.ErrorDeGramatica)
    check((isinstance(error, ValueError), error.linea, error.columna, len(error.errores), error.errores[-1]),
          (True, 1, 1, 5, (5, 1, "[silabas] necesita «tirada», o bien «pesos» en su lugar")), "ErrorDeGramatica")
    check(str(error) + "\n", tool("--comprobar", str(wrong), check=False).stderr, "str(ErrorDeGramatica)")
    missing = pathlib.Path(folder) / "no-existe.toml"
    check(raised(lambda: quelvarinox.Gramatica.desde_fichero(missing), FileNotFoundError).strerror,
          f"No se puede leer la gramática «{missing}»: no existe.", "FileNotFoundError")

    names = pathlib.Path(folder) / "nombres.txt"
    listed = tool("-c", "tatooine", "-n", "500", "-s", "7").stdout
    names.write_text(listed, encoding="utf-8")
    check((quelvarinox.aprender_de_fichero(names), quelvarinox.aprender(listed, nombre="Los míos", clave="mios", umbral=1)),
          (tool("--aprender", str(names)).stdout,
           tool("--aprender", "-", "--nombre", "Los míos", "--clave", "mios", "--umbral", "1", input=listed).stdout),
          "aprender")
    check(f"quelvarinox-nombres: {raised(lambda: quelvarinox.aprender('Brr'), ValueError)}\n",
          tool("--aprender", "-", input="Brr", check=False).stderr.replace("(entrada estándar): ", ""),
          "aprender sin vocales")

# A name that the grammar's [rechazo] refuses raises NombreRechazado, a RuntimeError.
nunca = quelvarinox.Gramatica('nombre = "Nunca"\nclave = "nunca"\n[forma]\nfija = { palabras = 1 }\n[silabas.pesos]\n'
                              '1 = 1\n[ataque.pesos]\nk = 1\n[vocal.pesos]\na = 1\n[coda.pesos]\n"" = 1\n[rechazo]\n'
                              'patrones = ["k"]\n')
error = raised(lambda: quelvarinox.Generador(semilla=7).nombre_numero(nunca, 2), quelvarinox.NombreRechazado)
check((isinstance(error, RuntimeError), error.numero, error.patron, str(error)),
      (True, 2, 1, "la gramática «Nunca» no da el nombre número 2: [rechazo] lo ha rechazado 1000 veces seguidas, 1000 "
                   "de ellas por el patrón 1, «k»"), "NombreRechazado")
