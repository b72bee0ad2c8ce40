"""Names per second of the Python module's batch call, for every category."""
import time

import quelvarinox

COUNT = 1_000_000

generador = quelvarinox.Generador(semilla=7)
for categoria in quelvarinox.categorias():
    for alternativo in (False, True) if categoria.lee_alternativo else (False,):
        start = time.perf_counter()
        nombres = generador.nombres(categoria.clave, COUNT, alternativo=alternativo)
        seconds = time.perf_counter() - start
        del nombres
        label = categoria.nombre + (" -a" if alternativo else "")
        print(f"{label:<22} {seconds:10.3f} s  {COUNT / seconds:12.0f} nombres/s")
