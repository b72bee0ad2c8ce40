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

# The defaults (alternativo=False, traza=False) are used in the first mode.
for mode in ([], ["-a"]):
    modo = {"alternativo": True} if mode else {}
    lines = traced("-s", "7", "-c", "Tatooine", "-n", "5", *mode)
    g = quelvarinox.Generador(semilla=7)
    check(g.nombre("tatooine", **modo), lines[0][0], "nombre")
    check(g.nombre("Tatooine", bool(mode), traza=True), lines[1], "nombre con traza")
    check(g.nombres(" TATOOINE ", cantidad=3, **modo), [name for name, _ in lines[2:]], "nombres")
    check(g.nombre_numero("Tatooine", numero=2, **modo), lines[1][0], "nombre_numero")
    check(g.nombre_numero("Tatooine", 2, bool(mode), traza=True), lines[1], "nombre_numero con traza")

g = quelvarinox.Generador()
check(quelvarinox.Generador(semilla=g.semilla).nombres("jedi", 4), g.nombres("jedi", 4), "semilla elegida")
for call, expected in ((lambda: g.nombre("Tatooinex"), "categoría desconocida: «Tatooinex»"),
                       (lambda: g.nombres("", 10**12), "categoría desconocida: «»"),
                       (lambda: g.nombre_numero("jedi", 0), "los nombres se cuentan desde 1")):
    check(str(raised(call, ValueError)), expected, "ValueError")

# A grammar of one's own, from its text or its file (a str or a Path), and its
# mistakes; a list of names learned from its text or its file.
with tempfile.TemporaryDirectory() as folder:
    path = pathlib.Path(folder) / "tatooine.toml"
    text = tool("--exportar", "tatooine").stdout
    path.write_text(text, encoding="utf-8")
    lines = traced("--gramatica", str(path), "-s", "7", "-n", "3", "-a")
    tatooine = next(c for c in quelvarinox.categorias() if c.clave == "tatooine")
    for gramatica in (quelvarinox.Gramatica(text), quelvarinox.Gramatica.desde_fichero(path),
                      quelvarinox.Gramatica.desde_fichero(ruta=str(path))):
        check((repr(gramatica), gramatica.nombre, gramatica.clave, gramatica.lee_alternativo, gramatica.descripcion),
              ("<Gramatica Tatooine (tatooine)>", tatooine.nombre, tatooine.clave, tatooine.lee_alternativo,
               tatooine.descripcion),
              "Gramatica")
        g = quelvarinox.Generador(semilla=7)
        check(g.nombre(gramatica, True, traza=True), lines[0], "nombre de una gramática")
        check(g.nombres(categoria=gramatica, cantidad=2, alternativo=True), [name for name, _ in lines[1:]],
              "nombres de una gramática")
        check(g.nombre_numero(gramatica, 2, alternativo=True, traza=True), lines[1], "nombre_numero de una gramática")

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
    names.write_text(tool("-c", "tatooine", "-n", "500", "-s", "7").stdout, encoding="utf-8")
    listed = names.read_text(encoding="utf-8")
    for learned, options in ((quelvarinox.aprender_de_fichero(names), [str(names)]),
                             (quelvarinox.aprender(listed), ["-"]),
                             (quelvarinox.aprender(listed, nombre="Los míos", clave="mios", umbral=1),
                              ["-", "--nombre", "Los míos", "--clave", "mios", "--umbral", "1"])):
        check(learned, tool("--aprender", *options, input=listed).stdout, f"aprender {options}")
    vowelless = "Brr\nPfft\n"
    check(f"quelvarinox-nombres: {raised(lambda: quelvarinox.aprender(vowelless), ValueError)}\n",
          tool("--aprender", "-", input=vowelless, check=False).stderr.replace("(entrada estándar): ", ""),
          "aprender sin vocales")
    check(raised(lambda: quelvarinox.aprender_de_fichero(missing), FileNotFoundError).strerror,
          f"No se pueden leer los nombres de «{missing}»: no existe.", "aprender_de_fichero sin fichero")

# A name that the grammar's [rechazo] refuses raises NombreRechazado, a RuntimeError, as the tool says; it
# counts as given.
nunca = quelvarinox.Gramatica('nombre = "Nunca"\nclave = "nunca"\n[forma]\nfija = { palabras = 1 }\n[silabas.pesos]\n'
                              '1 = 1\n[ataque.pesos]\nk = 1\n[vocal.pesos]\na = 1\n[coda.pesos]\n"" = 1\n[rechazo]\n'
                              'patrones = ["ka", "k"]\n')
g = quelvarinox.Generador(semilla=7)
for numero in (1, 2):
    error = raised(lambda: g.nombre(nunca), quelvarinox.NombreRechazado)
    check((isinstance(error, RuntimeError), error.numero, error.patron, str(error)),
          (True, numero, 2, f"la gramática «Nunca» no da el nombre número {numero}: [rechazo] lo ha rechazado 1000 "
                            "veces seguidas, 1000 de ellas por el patrón 2, «k»"), "NombreRechazado")
