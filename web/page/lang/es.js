// The page's words in Spanish (as written in Spain).
export default {
  language: 'Idioma',
  title: 'tunvex: editor de listas de canales',
  tagline: 'editor de listas de canales',
  actions: 'Acciones',
  groupFile: 'Archivo',
  groupHistory: 'Historial',
  groupSelected: 'Canales seleccionados',
  open: 'Abrir',
  openLabel: 'Abrir una lista de canales',
  save: 'Guardar',
  saveAs: 'Guardar como',
  exportListing: 'Exportar listado',
  reference: 'Aplicar referencia...',
  print: 'Imprimir',
  undo: 'Deshacer',
  redo: 'Rehacer',
  moveUp: 'Subir',
  moveDown: 'Bajar',
  moveTop: 'Mover al principio',
  moveBottom: 'Mover al final',
  moveTo: 'Mover a...',
  delete: 'Eliminar',
  rename: 'Renombrar',
  sort: 'Ordenar por nombre',
  search: 'Buscar',
  searchHint: 'Nombre o número',
  dismiss: 'Cerrar este aviso',
  empty: 'Abre una lista de canales o arrástrala aquí. Se lee en este ordenador y nunca se envía a ningún sitio.',
  colNumber: 'N.º',
  colName: 'Nombre',
  colName2: 'Segundo nombre',
  colType: 'Tipo',
  colChannel: 'Canal',
  colMatch: 'Coincidencia',
  channelsLabel: 'Canales',
  tv: 'TV',
  radio: 'Radio',
  keyCtrl: 'Ctrl',
  keyAlt: 'Alt',
  keyShift: 'Mayús',
  keyDelete: 'Supr',
  keyHome: 'Inicio',
  keyEnd: 'Fin',
  withKeys: '{action} ({keys})',
  helpTitle: 'Ayuda',
  aboutTitle: 'Información y licencias',
  about: 'tunvex es software libre con licencia MIT. Además de tunvex, esta página incluye las bibliotecas que se ' +
    'indican a continuación, cada una con su propia licencia; sus avisos acompañan a todas las copias de la página.',
  cancel: 'Cancelar',
  renameTitle: 'Renombrar el canal {at}',
  newName: 'Nombre nuevo',
  renameOk: 'Renombrar',
  moveTitle: 'Mover a una posición',
  movePosition: 'Posición del primer canal seleccionado',
  moveOk: 'Mover',
  referenceTitle: 'Aplicar referencia',
  referenceChoose: 'Elegir referencia...',
  referenceLabel: 'Listado o lista de referencia',
  referenceApply: 'Aplicar',
  filePickerLists: 'Listas de canales',

  // The counts above the list.
  counts: { one: '{n} canal: {tv} de TV, {radio} de radio', many: '{n} canales: {tv} de TV, {radio} de radio',
    other: '{n} canales: {tv} de TV, {radio} de radio' },
  countsShown: 'visibles: {n}',
  countsSelected: 'seleccionados: {n}',
  countsShared: { one: 'con nombre repetido: {n}', many: 'con nombre repetido: {n}',
    other: 'con nombre repetido: {n}' },
  countsJoin: '; ',
  markSameName: 'nombre repetido',
  markRenamed: 'renombrado',
  markNew: 'nuevo',
  markMatched: 'encontrado',
  markLoosely: 'encontrado por aproximación',
  marksJoin: ', ',

  // What a change says, and why one did nothing.
  movedTo: { one: '{n} canal movido a la posición {at}', many: '{n} canales movidos a la posición {at}',
    other: '{n} canales movidos a la posición {at}' },
  movedUp: { one: '{n} canal subido a la posición {at}', many: '{n} canales subidos a la posición {at}',
    other: '{n} canales subidos a la posición {at}' },
  movedDown: { one: '{n} canal bajado a la posición {at}', many: '{n} canales bajados a la posición {at}',
    other: '{n} canales bajados a la posición {at}' },
  deleted: { one: '{n} canal eliminado', many: '{n} canales eliminados', other: '{n} canales eliminados' },
  renamed: 'Canal {at} renombrado como {name}',
  sorted: { one: '{n} canal ordenado por nombre', many: '{n} canales ordenados por nombre',
    other: '{n} canales ordenados por nombre' },
  referenceApplied: 'Referencia aplicada: {summary}',
  undone: 'Deshecho: {what}',
  redone: 'Rehecho: {what}',
  atTop: 'La selección ya está al principio',
  atBottom: 'La selección ya está al final',
  noneSelected: 'No hay ningún canal seleccionado: selecciona primero los canales',
  inOrderAlready: 'La lista ya está ordenada por nombre.',
  referenceKeepsOrder: 'La referencia no cambia el orden.',
  keepOne: 'No se pueden eliminar todos los canales: la lista debe conservar al menos uno. Selecciona menos canales.',
  wholeNumber: 'Escribe un número entero del 1 al {last}.',
  secondNameToo: 'El nombre nuevo sustituye también al segundo nombre, {name2}.',
  notLatin1: 'Esta lista guarda los nombres en Latin-1, que no admite todos los caracteres de este nombre.',
  selectedAll: { one: '{n} canal seleccionado', many: '{n} canales seleccionados', other: '{n} canales seleccionados' },
  clearSearchToDrag: 'Borra la búsqueda para poder arrastrar: mientras la búsqueda filtra la lista, los canales se ' +
    'mueven con los botones y las teclas.',
  droppedOutside: 'Has soltado la selección fuera de la lista: no se ha movido nada',
  dragCancelled: 'Arrastre cancelado: no se ha movido nada',
  cannotChange: 'Esta lista no se puede modificar aquí: tiene más canales de los que un listado puede numerar',

  // Files dropped, opened and saved.
  closeDialogFirst: 'Cierra primero esta ventana para abrir otro archivo.',
  manyDropped: 'Has soltado {n} archivos y solo se abre {file}: abre las listas de una en una.',
  cannotStart: 'No se ha podido iniciar la página: {error}',
  isText: '{file} es un archivo de texto, no una lista de canales: si es un listado hecho antes de una nueva ' +
    'búsqueda de canales, abre la lista y recupera ese orden con «Aplicar referencia...».',
  isTextOf: '{file} es un archivo de texto {encoding}, no una lista de canales: si es un listado hecho antes de una ' +
    'nueva búsqueda de canales, abre la lista y recupera ese orden con «Aplicar referencia...».',
  stillOpen: '{file} sigue abierto.',
  notAList: 'No se puede abrir {file} porque no es una lista de canales completa: {why}.',
  notWhole: '{file} no es una lista de canales completa: {why}. Se abre tal como la abre tunvex; al guardar se ' +
    'escribe una lista completa con una suma de comprobación nueva.',
  notWholeNoted: '{file} no es una lista de canales completa: {why}. Nota: {notes}. Se abre tal como la abre ' +
    'tunvex; al guardar se escribe una lista completa con una suma de comprobación nueva.',
  wholeNoted: '{file} es una lista de canales completa. Nota: {notes}.',
  findingsJoin: '; ',
  keepsCounted: { one: 'Al guardar se conserva {n} canal, el que indica el recuento de la lista, y se descarta lo ' +
    'que viene detrás: {left}.',
  many: 'Al guardar se conservan los {n} canales que indica el recuento de la lista y se descarta lo que viene ' +
    'detrás: {left}.',
  other: 'Al guardar se conservan los {n} canales que indica el recuento de la lista y se descarta lo que viene ' +
    'detrás: {left}.' },
  tooManyToChange: { one: '{file} tiene {n} canal, más de los {most} que puede numerar un listado: se puede ' +
    'consultar aquí, pero no modificar, porque no se podría guardar ningún cambio.',
  many: '{file} tiene {n} canales, más de los {most} que puede numerar un listado: se puede consultar aquí, pero ' +
    'no modificar, porque no se podría guardar ningún cambio.',
  other: '{file} tiene {n} canales, más de los {most} que puede numerar un listado: se puede consultar aquí, pero ' +
    'no modificar, porque no se podría guardar ningún cambio.' },
  unsavedOpenAnother: 'La lista tiene cambios sin guardar. ¿Quieres abrir otra?',
  opened: { one: 'Se ha abierto {file}: {n} canal', many: 'Se ha abierto {file}: {n} canales',
    other: 'Se ha abierto {file}: {n} canales' },
  notApplied: 'No se han podido aplicar los cambios: {why}',
  changedElsewhere: '{file} ha cambiado desde que se abrió aquí (lo ha guardado otra pestaña u otro programa). ' +
    '¿Quieres sobrescribirlo y perder ese cambio?',
  notSavedChanged: 'No se ha guardado: el archivo ha cambiado mientras tanto',
  notSaved: 'No se ha podido guardar la lista: {error}. No se ha escrito nada.',
  savedIn: { one: '{n} canal guardado en {file}', many: '{n} canales guardados en {file}',
    other: '{n} canales guardados en {file}' },
  downloaded: { one: '{n} canal guardado: el navegador ha dejado la lista en la carpeta de descargas, con el nombre ' +
    '{file} o, si ya había un archivo con ese nombre, con un número añadido.',
  many: '{n} canales guardados: el navegador ha dejado la lista en la carpeta de descargas, con el nombre {file} o, ' +
    'si ya había un archivo con ese nombre, con un número añadido.',
  other: '{n} canales guardados: el navegador ha dejado la lista en la carpeta de descargas, con el nombre {file} o, ' +
    'si ya había un archivo con ese nombre, con un número añadido.' },
  nameOnStick: 'En la memoria USB debe llamarse exactamente {file}, que es el nombre que espera el receptor: si el ' +
    'navegador ha añadido un número al nombre (como en {example}), quítalo al copiar el archivo a la memoria.',
  nameOnStickNumbered: 'El archivo que has abierto, {opened}, lleva en el nombre un número como los que añade el ' +
    'navegador a las descargas: en la memoria USB debe tener el nombre con el que lo exportó el receptor, ' +
    'seguramente {file}.',
  cannotExport: 'No se puede exportar el listado: {why}.',
  exported: 'Listado exportado como {file}',
  exportedUnsaved: 'Listado exportado como {file}: corresponde a la lista con los cambios hechos aquí, así que ' +
    'tunvex --apply solo lo aceptará cuando se haya guardado la lista',

  // Apply a reference.
  chooseReference: 'Elige el listado (.txt) o el archivo de la lista que tenías antes de la nueva búsqueda de ' +
    'canales.',
  matchSummary: '{exact} con coincidencia exacta, {loosely} con coincidencia aproximada, {unmatched} sin ' +
    'coincidencia; {lost} sin canal correspondiente',
  matchUnread: '{summary}. {unread} con errores; la primera, en la línea {line}: {why}',
  referenceLines: { one: '{n} línea de referencia', many: '{n} líneas de referencia', other: '{n} líneas de referencia' },
  namesNoChannel: 'no corresponde a ningún canal',
  noLongerInList: 'ya no está en la lista',
  channelOfType: '{name} ({type})',
  moreRows: 'y {n} más',
  referenceTooMany: '{file} es una lista de {n} canales, más de los que puede numerar un listado ({most}): no ' +
    'sirve como referencia.',
  referenceUnreadable: '{file} es una lista de canales que tunvex no puede leer ({why}), así que no sirve como ' +
    'referencia.',
  referencePartial: '{file} es una lista de canales, pero no está completa ({why}); sus canales se leen tal como ' +
    'están.',
  noneInReference: 'Ningún canal de la lista está en {file}: {summary}.',
  referenceNotReadable: '{file} no sirve como referencia: {why}.',

  // Print.
  printTitle: { one: '{file}: {n} canal, {date}', many: '{file}: {n} canales, {date}',
    other: '{file}: {n} canales, {date}' },

  // What the core finds in a list file.
  channelCount: { one: '{n} canal', many: '{n} canales', other: '{n} canales' },
  byteCount: { one: '{n} byte', many: '{n} bytes', other: '{n} bytes' },
  'finding.whole': { one: 'correcta, {n} canal', many: 'correcta, {n} canales', other: 'correcta, {n} canales' },
  'finding.shorterThanHeader': { one: 'el archivo es más corto que su cabecera: {n} byte',
    many: 'el archivo es más corto que su cabecera: {n} bytes',
    other: 'el archivo es más corto que su cabecera: {n} bytes' },
  'finding.shorterThanCount': 'el recuento indica {channels}, es decir, {needed} con la suma de comprobación final, ' +
    'pero el archivo solo tiene {size}',
  'finding.trailerMissing': 'falta la suma de comprobación final',
  'finding.trailerCutShort': 'la suma de comprobación final está incompleta: {n} de 4 bytes',
  'finding.countTooSmall': 'el recuento indica {channels}, pero el archivo contiene {held} y una suma de ' +
    'comprobación de todos ellos',
  'finding.checksumWrong': 'la suma de comprobación es {stored}, pero el contenido suma {computed}',
  'finding.bytesAfterTrailer': { one: '{n} byte después de la suma de comprobación final',
    many: '{n} bytes después de la suma de comprobación final',
    other: '{n} bytes después de la suma de comprobación final' },
  'finding.misnumbered': 'el canal {channel} lleva los números {number} y {number2} en vez del {position}, algo ' +
    'sin importancia: al guardar, cada canal recibe el número de su posición',

  // The problems of a listing, a reference or a name.
  atLine: 'línea {line}: {problem}',
  problemsJoin: '; ',
  moreProblems: '{n} más',
  'problem.notAChannelLine': 'una línea que no es de canal (NUMBER:NAME:NAME2:TYPE o solo NUMBER)',
  'problem.noSuchChannel': 'no existe el canal {text}: la lista tiene {n}',
  'problem.noChannelZero': 'no existe el canal 0',
  'problem.onLineToo': 'el canal {text} también está en la línea {line}',
  'problem.typeNotTvOrRadio': 'el tipo debe ser TV o RADIO, no «{text}»',
  'problem.nameLength': 'el nombre debe tener de 1 a 31 bytes, no {n}',
  'problem.newNameLength': 'el nombre nuevo del canal {channel} debe tener de 1 a 31 bytes, no {n}',
  'problem.nameControl': 'el nombre contiene un carácter de control',
  'problem.newNameControl': 'el nombre nuevo del canal {channel} contiene un carácter de control',
  'problem.namesTooLong': 'NAME y NAME2 deben tener como máximo 32 bytes cada uno',
  'problem.linesEndInCr': 'sus líneas terminan solo en CR: guárdalo con saltos de línea (LF o CR LF)',
  'problem.utf16': 'es texto UTF-16: guárdalo como UTF-8',
  'problem.utf32': 'es texto UTF-32: guárdalo como UTF-8',
  'problem.tooManyChannels': '{n} canales, pero un listado no puede numerar más de {most}',
  'problem.lineFeedInName': 'el canal {channel} tiene un salto de línea en el nombre, que partiría su línea: ' +
    'renómbralo primero',
  newNameLength: 'El nombre nuevo debe tener de 1 a 31 bytes, no {n}.',
  newNameControl: 'El nombre nuevo contiene un carácter de control.',

  help: `
<h2>Para qué sirve esta página</h2>
<p>Sirve para poner la lista de canales de tu receptor en el orden que quieras: mover, renombrar y eliminar
canales, ordenarlos por nombre o pasar tu orden de siempre a la lista que sale de una nueva búsqueda de canales.
Abre el archivo que el receptor exporta a una memoria USB y guarda uno nuevo para que el receptor lo importe. El
archivo se lee en este navegador y nunca sale de tu ordenador; no se escribe nada hasta que guardas.</p>
<h2>De la memoria USB al receptor, paso a paso</h2>
<ol>
<li>En el receptor, exporta la lista de canales a una memoria USB (la copia de seguridad de la lista).</li>
<li>Conecta la memoria USB al ordenador y copia el archivo de la lista a una carpeta tuya. Deja esa copia tal
como está: es tu forma de volver atrás.</li>
<li>Abre aquí la lista con <b>Abrir</b> (<kbd>Ctrl+O</kbd>) o arrastra el archivo a la página.</li>
<li>Haz los cambios. Todavía no se escribe nada; con <b>Deshacer</b> puedes anular cualquiera de ellos.</li>
<li>Pulsa <b>Guardar</b> (<kbd>Ctrl+S</kbd>). En Chrome y Edge, la lista se escribe en el mismo archivo que abriste
(<b>Guardar como</b> te pregunta dónde). En Firefox y Safari, el navegador descarga la lista nueva: la encontrarás
en tu carpeta de descargas.</li>
<li>El archivo debe llevar exactamente el nombre que espera el receptor, el que tenía en la memoria USB. El
navegador puede añadir un número a una descarga (como en <i>canales(1).dat</i>): quítalo.</li>
<li>Copia el archivo a la memoria USB con ese nombre, conecta la memoria al receptor e importa la lista.</li>
</ol>
<h2>Qué cambia al guardar</h2>
<p>Los canales se escriben en su nuevo orden, numerados desde el 1 y con los nombres que les hayas dado, y el
archivo termina con una suma de comprobación nueva. Todo lo demás que el archivo guarda de cada canal queda
exactamente como estaba.</p>
<h2>Trabajar con la lista</h2>
<ul>
<li>Seleccionar: un clic; <kbd>Mayús</kbd>+clic para un rango; <kbd>Ctrl</kbd>+clic para añadir o quitar uno; en
una pantalla táctil, toca una fila y toca su asa ⋮⋮ para añadirla o quitarla.</li>
<li>Mover: arrastra la selección hasta su sitio (<kbd>Esc</kbd> cancela; en una pantalla táctil, arrastra un asa
⋮⋮), usa los botones o indica una posición con <b>Mover a...</b>.</li>
<li>Renombrar: <kbd>F2</kbd> o doble clic. Un nombre nuevo tiene de 1 a 31 bytes, sin caracteres de control; el
segundo nombre del canal también pasa a ser el nombre nuevo.</li>
<li>La búsqueda muestra solo los canales cuyo nombre o número coincide; los movimientos siguen actuando sobre las
posiciones de la lista completa, y para arrastrar hay que borrar antes la búsqueda.</li>
<li><b>Imprimir</b> imprime todos los canales con su número, sus nombres y su tipo, con el nombre del archivo y la
fecha en la cabecera.</li>
</ul>
<h2>Qué significan las marcas</h2>
<ul>
<li><i>nombre repetido</i>: otro canal tiene también este nombre.</li>
<li><i>renombrado</i>: le has puesto un nombre nuevo al canal.</li>
<li><i>encontrado</i>, <i>encontrado por aproximación</i>, <i>nuevo</i>: tras aplicar una referencia, cómo se
encontró el canal en ella; los canales marcados como <i>nuevo</i> no estaban en ella y van al final.</li>
</ul>
<h2>Después de una nueva búsqueda de canales</h2>
<p>Antes de la búsqueda, guarda un listado de tu lista con <b>Exportar listado</b> o conserva el archivo de la
lista antigua. Después abre la lista nueva y usa <b>Aplicar referencia...</b> con ese listado o con el archivo
antiguo: la página muestra el orden que propone, y con <b>Aplicar</b> lo aceptas.</p>
<h2>Teclas</h2>
<dl>
<dt><kbd>↑</kbd> <kbd>↓</kbd>, <kbd>Mayús+↑</kbd> <kbd>Mayús+↓</kbd>, <kbd>Espacio</kbd>, <kbd>Ctrl+A</kbd></dt>
<dd>ir a un canal, seleccionar un rango, seleccionar uno, seleccionar todos</dd>
<dt><kbd>Alt+↑</kbd> <kbd>Alt+↓</kbd>, <kbd>Alt+Inicio</kbd> <kbd>Alt+Fin</kbd></dt>
<dd>subir o bajar la selección, llevarla al principio o al final</dd>
<dt><kbd>Supr</kbd>, <kbd>F2</kbd></dt><dd>eliminar, renombrar</dd>
<dt><kbd>Ctrl+Z</kbd>, <kbd>Ctrl+Y</kbd> o <kbd>Ctrl+Mayús+Z</kbd></dt><dd>deshacer, rehacer</dd>
<dt><kbd>Ctrl+O</kbd>, <kbd>Ctrl+S</kbd>, <kbd>Ctrl+Mayús+S</kbd>, <kbd>Ctrl+F</kbd>, <kbd>Ctrl+P</kbd></dt>
<dd>abrir, guardar, guardar como, buscar, imprimir</dd>
<dt><kbd>Tab</kbd>, <kbd>←</kbd> <kbd>→</kbd></dt><dd>ir a la fila de botones y moverse por ella</dd>
</dl>
<h2>Los nombres y la línea de comandos</h2>
<p>Los nombres se guardan como bytes: se muestran como UTF-8 cuando son UTF-8 válido y, si no, como Latin-1; un
nombre nuevo se escribe con la misma codificación que el resto de la lista. <b>Exportar listado</b> guarda la lista
tal como la muestra <code>tunvex --listing</code>; la primera línea del listado identifica la lista de la que
procede, para que <code>tunvex --apply</code> solo lo acepte mientras la lista siga como estaba.</p>
`,
};
