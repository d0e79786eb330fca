// The page's words in Italian.
export default {
  language: 'Lingua',
  title: 'tunvex: editor della lista canali',
  tagline: 'editor della lista canali',
  actions: 'Azioni',
  groupFile: 'File',
  groupHistory: 'Cronologia',
  groupSelected: 'Canali selezionati',
  open: 'Apri',
  openLabel: 'Apri una lista canali',
  save: 'Salva',
  saveAs: 'Salva con nome',
  exportListing: 'Esporta come testo',
  reference: 'Applica un riferimento...',
  print: 'Stampa',
  undo: 'Annulla',
  redo: 'Ripeti',
  moveUp: 'Sposta su',
  moveDown: 'Sposta giù',
  moveTop: 'Sposta in cima',
  moveBottom: 'Sposta in fondo',
  moveTo: 'Sposta alla posizione...',
  delete: 'Elimina',
  rename: 'Rinomina',
  sort: 'Ordina per nome',
  search: 'Cerca',
  searchHint: 'Nome o numero',
  dismiss: 'Chiudi questo avviso',
  empty: 'Apri una lista canali o trascinala qui. Viene letta su questo dispositivo e non viene mai inviata altrove.',
  colNumber: 'N.',
  colName: 'Nome',
  colName2: 'Secondo nome',
  colType: 'Tipo',
  colChannel: 'Canale',
  colMatch: 'Abbinamento',
  channelsLabel: 'Canali',
  tv: 'TV',
  radio: 'Radio',
  keyCtrl: 'Ctrl',
  keyAlt: 'Alt',
  keyShift: 'Maiusc',
  keyDelete: 'Canc',
  keyHome: 'Home',
  keyEnd: 'Fine',
  withKeys: '{action} ({keys})',
  helpTitle: 'Guida',
  aboutTitle: 'Informazioni e licenze',
  about: 'tunvex è un software libero distribuito con licenza MIT. Oltre a tunvex, questa pagina contiene le librerie ' +
    'elencate qui sotto, ciascuna con la propria licenza; le rispettive note di licenza accompagnano ogni copia della pagina.',
  cancel: 'Annulla',
  renameTitle: 'Rinomina il canale {at}',
  newName: 'Nuovo nome',
  renameOk: 'Rinomina',
  moveTitle: 'Sposta alla posizione',
  movePosition: 'Posizione del primo canale selezionato',
  moveOk: 'Sposta',
  referenceTitle: 'Applica un riferimento',
  referenceChoose: 'Scegli un riferimento...',
  referenceLabel: 'Elenco testuale o lista di riferimento',
  referenceApply: 'Applica',
  filePickerLists: 'Liste canali',

  // The counts above the list.
  counts: { one: '{n} canale: {tv} TV, {radio} radio', many: '{n} di canali: {tv} TV, {radio} radio',
    other: '{n} canali: {tv} TV, {radio} radio' },
  countsShown: 'visualizzati: {n}',
  countsSelected: 'selezionati: {n}',
  countsShared: { one: 'stesso nome: {n}', many: 'stesso nome: {n}', other: 'stesso nome: {n}' },
  countsJoin: '; ',
  markSameName: 'stesso nome',
  markRenamed: 'rinominato',
  markNew: 'nuovo',
  markMatched: 'abbinato',
  markLoosely: 'abbinato per somiglianza',
  marksJoin: ', ',

  // What a change says, and why one did nothing.
  movedTo: { one: '{n} canale spostato alla posizione {at}', many: '{n} di canali spostati alla posizione {at}',
    other: '{n} canali spostati alla posizione {at}' },
  movedUp: { one: '{n} canale salito alla posizione {at}', many: '{n} di canali saliti alla posizione {at}',
    other: '{n} canali saliti alla posizione {at}' },
  movedDown: { one: '{n} canale sceso alla posizione {at}', many: '{n} di canali scesi alla posizione {at}',
    other: '{n} canali scesi alla posizione {at}' },
  deleted: { one: '{n} canale eliminato', many: '{n} di canali eliminati', other: '{n} canali eliminati' },
  renamed: 'Canale {at} rinominato in {name}',
  sorted: { one: '{n} canale ordinato per nome', many: '{n} di canali ordinati per nome',
    other: '{n} canali ordinati per nome' },
  referenceApplied: 'Riferimento applicato: {summary}',
  undone: 'Annullato: {what}',
  redone: 'Ripetuto: {what}',
  atTop: 'La selezione è già in cima',
  atBottom: 'La selezione è già in fondo',
  noneSelected: 'Nessun canale selezionato: seleziona prima i canali',
  inOrderAlready: 'La lista è già ordinata per nome.',
  referenceKeepsOrder: 'Il riferimento non cambia l’ordine.',
  keepOne: 'Non si possono eliminare tutti i canali: una lista deve averne almeno uno. Selezionane di meno.',
  wholeNumber: 'Inserisci un numero intero tra 1 e {last}.',
  secondNameToo: 'Il nuovo nome sostituisce anche il secondo nome, {name2}.',
  notLatin1: 'I nomi di questa lista sono codificati in Latin-1, che non comprende tutti i caratteri di questo nome.',
  selectedAll: { one: '{n} canale selezionato', many: '{n} di canali selezionati', other: '{n} canali selezionati' },
  clearSearchToDrag: 'Per trascinare i canali, cancella la ricerca: mentre è attiva, spostali con i pulsanti o con la ' +
    'tastiera.',
  droppedOutside: 'Rilasciato fuori dalla lista: non è stato spostato nulla',
  dragCancelled: 'Trascinamento annullato: non è stato spostato nulla',
  cannotChange: 'Questa lista non si può modificare qui: ha più canali di quanti un elenco testuale ne possa numerare',

  // Files dropped, opened and saved.
  closeDialogFirst: 'Chiudi prima questa finestra per aprire un altro file.',
  manyDropped: 'Hai trascinato {n} file; viene aperto solo {file}: apri una lista alla volta.',
  cannotStart: 'Impossibile avviare la pagina: {error}',
  isText: '{file} è un file di testo, non una lista canali: se è un elenco testuale creato prima di una nuova ' +
    'ricerca canali, apri la lista e riportane l’ordine con Applica un riferimento...',
  isTextOf: '{file} è un file di testo {encoding}, non una lista canali: se è un elenco testuale creato prima di una ' +
    'nuova ricerca canali, apri la lista e riportane l’ordine con Applica un riferimento...',
  stillOpen: '{file} è ancora aperto.',
  notAList: 'Impossibile aprire {file}: non è una lista canali completa ({why}).',
  notWhole: '{file} non è una lista canali completa: {why}. Viene aperto così come lo legge tunvex; salvandolo ' +
    'si otterrà una lista completa con una nuova somma di controllo.',
  notWholeNoted: '{file} non è una lista canali completa: {why}. Nota: {notes}. Viene aperto così come lo legge tunvex; ' +
    'salvandolo si otterrà una lista completa con una nuova somma di controllo.',
  wholeNoted: '{file} è una lista canali completa. Nota: {notes}.',
  findingsJoin: '; ',
  keepsCounted: {
    one: 'Il salvataggio mantiene solo {n} canale, come indicato dal file, e tralascia il resto ({left}).',
    many: 'Il salvataggio mantiene solo {n} di canali, quanti ne indica il file, e tralascia il resto ({left}).',
    other: 'Il salvataggio mantiene solo {n} canali, quanti ne indica il file, e tralascia il resto ({left}).',
  },
  tooManyToChange: {
    one: '{file} ha {n} canale, più dei {most} che un elenco testuale può numerare: qui puoi consultare la lista, ma ' +
      'non modificarla, perché nessuna modifica potrebbe essere salvata.',
    many: '{file} ha {n} di canali, più dei {most} che un elenco testuale può numerare: qui puoi consultare la lista, ' +
      'ma non modificarla, perché nessuna modifica potrebbe essere salvata.',
    other: '{file} ha {n} canali, più dei {most} che un elenco testuale può numerare: qui puoi consultare la lista, ma ' +
      'non modificarla, perché nessuna modifica potrebbe essere salvata.',
  },
  unsavedOpenAnother: 'La lista ha modifiche non salvate. Vuoi aprire comunque un altro file?',
  opened: { one: '{file} aperto: {n} canale', many: '{file} aperto: {n} di canali', other: '{file} aperto: {n} canali' },
  notApplied: 'Impossibile applicare le modifiche: {why}',
  changedElsewhere: '{file} è stato modificato da quando l’hai aperto qui (un’altra scheda o un altro programma lo ha ' +
    'salvato). Vuoi sovrascriverlo comunque e perdere quella modifica?',
  notSavedChanged: 'Non salvato: nel frattempo il file è cambiato',
  notSaved: 'Impossibile salvare la lista: {error}. Non è stato scritto nulla.',
  savedIn: { one: '{n} canale salvato in {file}', many: '{n} di canali salvati in {file}',
    other: '{n} canali salvati in {file}' },
  downloaded: {
    one: '{n} canale salvato: il browser ha messo la lista nella cartella Download, con il nome {file} o, se lì ' +
      'c’era già un file con lo stesso nome, con l’aggiunta di un numero.',
    many: '{n} di canali salvati: il browser ha messo la lista nella cartella Download, con il nome {file} o, se lì ' +
      'c’era già un file con lo stesso nome, con l’aggiunta di un numero.',
    other: '{n} canali salvati: il browser ha messo la lista nella cartella Download, con il nome {file} o, se lì ' +
      'c’era già un file con lo stesso nome, con l’aggiunta di un numero.',
  },
  nameOnStick: 'Sulla chiavetta USB il file deve chiamarsi esattamente {file}, il nome che il decoder si aspetta: se il ' +
    'browser ha aggiunto un numero al nome (ad esempio {example}), toglilo quando ricopi il file sulla chiavetta.',
  nameOnStickNumbered: 'Il file che hai aperto, {opened}, ha nel nome un numero come quelli che il browser aggiunge ' +
    'ai file scaricati: sulla chiavetta USB deve avere il nome con cui il decoder l’ha esportato, probabilmente {file}.',
  cannotExport: 'Impossibile esportare l’elenco testuale: {why}.',
  exported: 'Elenco testuale esportato come {file}',
  exportedUnsaved: 'Elenco testuale esportato come {file}: si riferisce alla lista con le modifiche fatte qui, quindi ' +
    'tunvex --apply lo accetterà solo dopo il salvataggio della lista',

  // Apply a reference.
  chooseReference: 'Scegli l’elenco testuale (.txt) o il vecchio file della lista, quello di prima della nuova ricerca canali.',
  matchSummary: 'canali abbinati esattamente: {exact}, per somiglianza: {loosely}, non abbinati: {unmatched}; ' +
    '{lost} senza riscontro',
  matchUnread: '{summary}. Impossibile leggere {unread}; la prima è alla riga {line}: {why}',
  referenceLines: { one: '{n} riga del riferimento', many: '{n} di righe del riferimento',
    other: '{n} righe del riferimento' },
  namesNoChannel: 'non corrisponde a nessun canale',
  noLongerInList: 'non è più nella lista',
  channelOfType: '{name} ({type})',
  moreRows: 'altre righe: {n}',
  referenceTooMany: '{file} è una lista canali che ne contiene {n}, più di quanti un elenco testuale ne possa ' +
    'numerare ({most}): non può fare da riferimento.',
  referenceUnreadable: '{file} è una lista canali che tunvex non riesce a leggere ({why}), quindi non può fare da ' +
    'riferimento.',
  referencePartial: '{file} è una lista canali, ma non completa ({why}); i suoi canali vengono letti così come sono.',
  noneInReference: 'Nessun canale della lista si trova in {file}: {summary}.',
  referenceNotReadable: '{file} non può fare da riferimento: {why}.',

  // Print.
  printTitle: { one: '{file}: {n} canale, {date}', many: '{file}: {n} di canali, {date}',
    other: '{file}: {n} canali, {date}' },

  // What the core finds in a list file.
  channelCount: { one: '{n} canale', many: '{n} di canali', other: '{n} canali' },
  byteCount: { one: '{n} byte', many: '{n} di byte', other: '{n} byte' },
  'finding.whole': { one: 'OK, {n} canale', many: 'OK, {n} di canali', other: 'OK, {n} canali' },
  'finding.shorterThanHeader': { one: 'file più corto della sua intestazione: {n} byte',
    many: 'file più corto della sua intestazione: {n} di byte', other: 'file più corto della sua intestazione: {n} byte' },
  'finding.shorterThanCount': 'il file indica {channels}, pari a {needed} con la somma di controllo finale, ma ' +
    'è lungo solo {size}',
  'finding.trailerMissing': 'manca la somma di controllo finale',
  'finding.trailerCutShort': 'la somma di controllo finale è troncata: {n} byte su 4',
  'finding.countTooSmall': 'il file indica {channels}, ma ne contiene {held}, con una somma di controllo calcolata su tutti',
  'finding.checksumWrong': 'la somma di controllo è {stored}, ma quella del contenuto è {computed}',
  'finding.bytesAfterTrailer': { one: '{n} byte dopo la somma di controllo finale',
    many: '{n} di byte dopo la somma di controllo finale', other: '{n} byte dopo la somma di controllo finale' },
  'finding.misnumbered': 'il canale {channel} ha i numeri {number} e {number2}, non {position} (nessun problema: il ' +
    'salvataggio numera ogni canale secondo la sua posizione)',

  // The problems of a listing, a reference or a name.
  atLine: 'riga {line}: {problem}',
  problemsJoin: '; ',
  moreProblems: 'altri problemi: {n}',
  'problem.notAChannelLine': 'una riga che non è una riga di canale (NUMBER:NAME:NAME2:TYPE o solo NUMBER)',
  'problem.noSuchChannel': 'non esiste il canale {text}: la lista ne ha {n}',
  'problem.noChannelZero': 'non esiste il canale 0',
  'problem.onLineToo': 'il canale {text} è anche alla riga {line}',
  'problem.typeNotTvOrRadio': 'il tipo deve essere TV o RADIO, non «{text}»',
  'problem.nameLength': 'il nome deve essere lungo da 1 a 31 byte, non {n}',
  'problem.newNameLength': 'il nuovo nome del canale {channel} deve essere lungo da 1 a 31 byte, non {n}',
  'problem.nameControl': 'il nome contiene un carattere di controllo',
  'problem.newNameControl': 'il nuovo nome del canale {channel} contiene un carattere di controllo',
  'problem.namesTooLong': 'NAME e NAME2 non possono superare i 32 byte ciascuno',
  'problem.linesEndInCr': 'le righe terminano con un solo CR: salvalo con a capo LF o CR LF',
  'problem.utf16': 'è testo UTF-16: salvalo in UTF-8',
  'problem.utf32': 'è testo UTF-32: salvalo in UTF-8',
  'problem.tooManyChannels': 'numero di canali: {n}, ma un elenco testuale non ne può numerare più di {most}',
  'problem.lineFeedInName': 'il nome del canale {channel} contiene un a capo, che spezzerebbe la sua riga: ' +
    'rinominalo prima',
  newNameLength: 'Il nuovo nome deve essere lungo da 1 a 31 byte, non {n}.',
  newNameControl: 'Il nuovo nome contiene un carattere di controllo.',

  help: `
<h2>A cosa serve questa pagina</h2>
<p>Serve a mettere la lista canali del tuo decoder nell’ordine che preferisci: spostare, rinominare ed eliminare
canali, ordinarli per nome, oppure riportare il vecchio ordine sulla lista ottenuta da una nuova ricerca canali. Apre il
file che il decoder esporta su una chiavetta USB e ne salva uno nuovo che il decoder può importare. Il file viene
letto in questo browser e non lascia mai il tuo computer; non viene scritto nulla finché non salvi.</p>
<h2>Passo dopo passo</h2>
<ol>
<li>Sul decoder, esporta la lista canali su una chiavetta USB (backup della lista).</li>
<li>Collega la chiavetta al computer e copia il file della lista in una tua cartella. Conserva quella copia così
com’è: ti serve per tornare indietro.</li>
<li>Apri la lista qui: <b>Apri</b> (<kbd>Ctrl+O</kbd>), oppure trascina il file sulla pagina.</li>
<li>Fai le tue modifiche. Non viene ancora scritto nulla; con <b>Annulla</b> le togli una alla volta.</li>
<li><b>Salva</b> (<kbd>Ctrl+S</kbd>). In Chrome ed Edge la lista viene riscritta nel file che hai aperto
(<b>Salva con nome</b> chiede dove salvarla). In Firefox e Safari invece il browser scarica la nuova lista: la trovi
nella cartella Download.</li>
<li>Il file deve avere esattamente il nome che il decoder si aspetta, cioè quello che aveva sulla chiavetta. Il
browser può aggiungere un numero al nome di un file scaricato (ad esempio <i>canali(1).dat</i>): toglilo.</li>
<li>Copia il file sulla chiavetta con quel nome, collega la chiavetta al decoder e importa la lista.</li>
</ol>
<h2>Cosa cambia il salvataggio</h2>
<p>I canali vengono scritti nel nuovo ordine, numerati da 1, con i nomi che hai dato loro, e il file termina con una
nuova somma di controllo. Tutti gli altri dati che il file contiene su ogni canale restano esattamente com’erano.</p>
<h2>Lavorare con la lista</h2>
<ul>
<li>Selezionare: un clic; <kbd>Maiusc</kbd>+clic per un intervallo; <kbd>Ctrl</kbd>+clic per aggiungerne o toglierne
uno; su un touchscreen, tocca una riga per selezionarla e tocca la maniglia ⋮⋮ di una riga per aggiungerla alla
selezione o toglierla.</li>
<li>Spostare: trascina la selezione nella nuova posizione (<kbd>Esc</kbd> annulla; su un touchscreen, trascina una
maniglia ⋮⋮), usa i pulsanti, oppure <b>Sposta alla posizione...</b> per indicare una posizione.</li>
<li>Rinominare: <kbd>F2</kbd> o un doppio clic. Il nuovo nome deve essere lungo da 1 a 31 byte, senza caratteri di
controllo, e sostituisce anche il secondo nome del canale.</li>
<li>La ricerca mostra solo i canali il cui nome o numero corrisponde; gli spostamenti agiscono comunque sulle posizioni
nell’intera lista, e per trascinare bisogna prima cancellare la ricerca.</li>
<li><b>Stampa</b> produce l’elenco di tutti i canali, con numero, nomi e tipo, e in intestazione il nome del file e
la data.</li>
</ul>
<h2>Cosa significano le indicazioni</h2>
<ul>
<li><i>stesso nome</i>: anche un altro canale ha questo nome.</li>
<li><i>rinominato</i>: hai dato al canale un nuovo nome.</li>
<li><i>abbinato</i>, <i>abbinato per somiglianza</i>, <i>nuovo</i>: dopo l’applicazione di un riferimento, come il
canale vi è stato trovato; un canale <i>nuovo</i> non c’era e finisce in fondo.</li>
</ul>
<h2>Dopo una nuova ricerca canali</h2>
<p>Prima della ricerca, salva un elenco testuale della tua lista con <b>Esporta come testo</b>, oppure conserva il
vecchio file della lista. Poi apri la nuova lista e usa <b>Applica un riferimento...</b> con quell’elenco o quel
vecchio file: la pagina mostra l’ordine proposto e <b>Applica</b> lo conferma.</p>
<h2>Tasti</h2>
<dl>
<dt><kbd>↑</kbd> <kbd>↓</kbd>, <kbd>Maiusc+↑</kbd> <kbd>Maiusc+↓</kbd>, <kbd>Spazio</kbd>, <kbd>Ctrl+A</kbd></dt>
<dd>vai a un canale, seleziona un intervallo, selezionane uno, seleziona tutto</dd>
<dt><kbd>Alt+↑</kbd> <kbd>Alt+↓</kbd>, <kbd>Alt+Home</kbd> <kbd>Alt+Fine</kbd></dt>
<dd>sposta la selezione su o giù, in cima o in fondo</dd>
<dt><kbd>Canc</kbd>, <kbd>F2</kbd></dt><dd>elimina, rinomina</dd>
<dt><kbd>Ctrl+Z</kbd>, <kbd>Ctrl+Y</kbd> o <kbd>Ctrl+Maiusc+Z</kbd></dt><dd>annulla, ripeti</dd>
<dt><kbd>Ctrl+O</kbd>, <kbd>Ctrl+S</kbd>, <kbd>Ctrl+Maiusc+S</kbd>, <kbd>Ctrl+F</kbd>, <kbd>Ctrl+P</kbd></dt>
<dd>apri, salva, salva con nome, cerca, stampa</dd>
<dt><kbd>Tab</kbd>, <kbd>←</kbd> <kbd>→</kbd></dt><dd>vai alla barra dei pulsanti e spostati da un pulsante all’altro</dd>
</dl>
<h2>I nomi e la riga di comando</h2>
<p>I nomi sono byte: vengono mostrati come UTF-8 se sono UTF-8 valido, altrimenti come Latin-1, e un nuovo nome viene
scritto con la stessa codifica degli altri nomi della lista. <b>Esporta come testo</b> salva la lista nello stesso
formato di <code>tunvex --listing</code>; la prima riga indica la lista da cui l’elenco è stato ricavato, così
<code>tunvex --apply</code> lo accetta solo finché la lista è rimasta com’era.</p>
`,
};
