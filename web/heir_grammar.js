// «Empezar heredando un planeta»: a short grammar that inherits a planet's,
// with its own name and key and one table of its own, for someone who wants
// to change a few of the planet's tables and keep the rest.

// The text of that grammar for `planet`, { key, displayText }, a category with a grammar.
export function heirGrammar({ key, displayText }) {
  // JSON's escapes are TOML's too.
  return `# Una gramática que hereda la de ${displayText}: toma todo lo de ese planeta salvo lo que
# escribe este fichero, y cada tabla que escribe sustituye entera a la heredada. Aquí, la vocal
# de la última sílaba de cada palabra, que es casi siempre «a», a veces «e».
# Para cambiar otra tabla, cópiala aquí del fichero del planeta («Empezar desde» lo pone en el
# editor) y cámbiala; para que ningún nombre tenga ciertas letras seguidas, añade [rechazo]
# con sus patrones. La referencia de las gramáticas lo explica todo, y
# «quelvarinox-nombres --exportar FICHERO» escribe la gramática entera, sin «hereda».

hereda = ${JSON.stringify(key)}
nombre = ${JSON.stringify(`${displayText}, a mi manera`)}
clave = ${JSON.stringify(`${key}-propia`)}

[vocal.final.pesos]
a = 6
e = 2
`;
}
