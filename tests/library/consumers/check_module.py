"""check_module.py TOOL EXAMPLES: the installed module against the tool's seeded output; EXAMPLES is the
folder of the source tree's example grammars."""
import pathlib
import subprocess
import sys
import tempfile

import quelvarinox


def tool(*options, check=True):
    return subprocess.run([sys.argv[1], *options], check=check, capture_output=True, text=True)


def tool_lines(*options):
    return tool(*options).stdout.splitlines()


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

# A grammar of one's own, from its text or its file (a str or a Path): Tatooine's,
# written out by the tool, gives the tool's names with --gramatica.
with tempfile.TemporaryDirectory() as folder:
    path = pathlib.Path(folder) / "tatooine.toml"
    text = tool("--exportar", "tatooine").stdout
    path.write_text(text, encoding="utf-8")
    traced = [tuple(line.split("\t")) for line in tool_lines("--gramatica", str(path), "-s", "7", "-n", "3", "--traza", "-a")]
    tatooine = next(c for c in quelvarinox.categorias() if c.clave == "tatooine")
    for gramatica in (quelvarinox.Gramatica(text), quelvarinox.Gramatica.desde_fichero(path),
                      quelvarinox.Gramatica.desde_fichero(ruta=str(path))):
        check((gramatica.nombre, gramatica.clave, gramatica.lee_alternativo, gramatica.descripcion),
              (tatooine.nombre, tatooine.clave, tatooine.lee_alternativo, tatooine.descripcion), "Gramatica")
        check(repr(gramatica), "<Gramatica Tatooine (tatooine)>", "repr de Gramatica")
        g = quelvarinox.Generador(semilla=7)
        check(g.nombre(gramatica, True, traza=True), traced[0], "nombre de una gramática")
        check(g.nombres(categoria=gramatica, cantidad=2, alternativo=True), [name for name, _ in traced[1:]],
              "nombres de una gramática")
        check(g.nombre_numero(gramatica, 2, alternativo=True, traza=True), traced[1], "nombre_numero de una gramática")

    wrong = pathlib.Path(folder) / "mala.toml"
    wrong.write_text('nombre = "Mía"\nclave = "Mal"\n[forma]\nfija = { palabras = 1 }\n[silabas]\nfilas = 2\n',
                     encoding="utf-8")
    try:
        sys.exit(f"no ErrorDeGramatica: {quelvarinox.Gramatica.desde_fichero(wrong)!r}")
    except quelvarinox.ErrorDeGramatica as error:
        check(isinstance(error, ValueError), True, "ErrorDeGramatica es ValueError")
        check((error.linea, error.columna, len(error.errores), error.errores[-1]),
              (1, 1, 5, (5, 1, "[silabas] necesita «tirada», o bien «pesos» en su lugar")), "ErrorDeGramatica")
        check(str(error) + "\n", tool("--comprobar", str(wrong), check=False).stderr, "str(ErrorDeGramatica)")
    try:
        sys.exit(f"no ErrorDeGramatica: {quelvarinox.Gramatica('clave = 1')!r}")
    except quelvarinox.ErrorDeGramatica as error:
        check(str(error).split("\n")[0], "1:1: falta «nombre» al principio del fichero", "ErrorDeGramatica de un texto")
    missing = pathlib.Path(folder) / "no-existe.toml"
    try:
        sys.exit(f"no FileNotFoundError: {quelvarinox.Gramatica.desde_fichero(missing)!r}")
    except FileNotFoundError as error:
        check(error.strerror, f"No se puede leer la gramática «{missing}»: no existe.", "FileNotFoundError")

# Grammars learned from the lists of ../lists and one of Tatooine's names: the
# tool's text, or its message, from the file and from the text (as the tool's
# standard input, which a text has no name for), with each set of options.
lists = pathlib.Path(__file__).resolve().parent.parent / "lists"
with tempfile.TemporaryDirectory() as folder:
    tatooine = pathlib.Path(folder) / "tatooine.txt"
    tatooine.write_text(tool("-c", "tatooine", "-n", "500", "-s", "7").stdout, encoding="utf-8")
    for path in (tatooine, lists / "particulas.txt", lists / "sin-vocales.txt"):
        for options, opciones in (([], {}), (["--nombre", "Los míos", "--clave", "mios", "--umbral", "1"],
                                             {"nombre": "Los míos", "clave": "mios", "umbral": 1}),
                                  (["--umbral", "3"], {"umbral": 3})):
            for call, command, text in (
                    (lambda: quelvarinox.aprender_de_fichero(path, **opciones), [str(path)], None),
                    (lambda: quelvarinox.aprender(path.read_text(encoding="utf-8"), **opciones), ["-"],
                     path.read_text(encoding="utf-8"))):
                expected = subprocess.run([sys.argv[1], "--aprender", *command, *options], input=text,
                                          capture_output=True, text=True)
                try:
                    learned = (0, call(), "")
                except ValueError as error:
                    learned = (2, "", f"quelvarinox-nombres: {error}\n")
                check(learned, (expected.returncode, expected.stdout,
                                expected.stderr.replace("(entrada estándar): ", "")), f"aprender {command} {options}")
    missing = pathlib.Path(folder) / "no-existe.txt"
    try:
        sys.exit(f"no FileNotFoundError: {quelvarinox.aprender_de_fichero(missing)!r}")
    except FileNotFoundError as error:
        check(error.strerror, f"No se pueden leer los nombres de «{missing}»: no existe.", "aprender_de_fichero")

# The examples of the new parts of the format, the second inheriting the first from beside it: the tool's
# names and traces, rejected attempts and all.
examples = pathlib.Path(sys.argv[2])
rejected = 0
for example in ("ribera.toml", "ribera-mujer.toml"):
    path = examples / example
    traced = [tuple(line.split("\t")) for line in tool_lines("--gramatica", str(path), "-s", "7", "-n", "300", "--traza")]
    g = quelvarinox.Generador(semilla=7)
    gramatica = quelvarinox.Gramatica.desde_fichero(path)
    check([g.nombre(gramatica, traza=True) for _ in traced], traced, f"nombres de {example}")
    rejected += sum(" X" in trace for _, trace in traced)
check(rejected > 0, True, "intentos rechazados")

# A name that the grammar's [rechazo] refuses raises NombreRechazado, a RuntimeError, as the tool says; it
# counts as given.
nunca = quelvarinox.Gramatica('nombre = "Nunca"\nclave = "nunca"\n[forma]\nfija = { palabras = 1 }\n[silabas.pesos]\n'
                              '1 = 1\n[ataque.pesos]\nk = 1\n[vocal.pesos]\na = 1\n[coda.pesos]\n"" = 1\n[rechazo]\n'
                              'patrones = ["ka", "k"]\n')
g = quelvarinox.Generador(semilla=7)
for numero in (1, 2):
    try:
        sys.exit(f"no NombreRechazado: {g.nombre(nunca)!r}")
    except quelvarinox.NombreRechazado as error:
        check((isinstance(error, RuntimeError), error.numero, error.patron), (True, numero, 2), "NombreRechazado")
        check(str(error), f"la gramática «Nunca» no da el nombre número {numero}: [rechazo] lo ha rechazado 1000 veces "
                          "seguidas, 1000 de ellas por el patrón 2, «k»", "str(NombreRechazado)")
