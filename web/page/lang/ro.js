// The page's words in Romanian.
export default {
  language: 'Limbă',
  title: 'tunvex: editor de liste de canale',
  tagline: 'editor de liste de canale',
  actions: 'Acțiuni',
  groupFile: 'Fișier',
  groupHistory: 'Istoric',
  groupSelected: 'Canale selectate',
  open: 'Deschidere',
  openLabel: 'Deschideți o listă de canale',
  save: 'Salvare',
  saveAs: 'Salvare ca',
  exportListing: 'Exportare listă text',
  reference: 'Aplicare referință...',
  print: 'Imprimare',
  undo: 'Anulare',
  redo: 'Refacere',
  moveUp: 'Mutare în sus',
  moveDown: 'Mutare în jos',
  moveTop: 'Mutare la început',
  moveBottom: 'Mutare la sfârșit',
  moveTo: 'Mutare pe poziția...',
  delete: 'Ștergere',
  rename: 'Redenumire',
  sort: 'Sortare după nume',
  search: 'Căutare',
  searchHint: 'Nume sau număr',
  dismiss: 'Închideți acest mesaj',
  empty: 'Deschideți o listă de canale sau trageți-o aici. Lista se citește pe acest calculator și nu se trimite ' +
    'nicăieri.',
  colNumber: 'Nr.',
  colName: 'Nume',
  colName2: 'Al doilea nume',
  colType: 'Tip',
  colChannel: 'Canal',
  colMatch: 'Potrivire',
  channelsLabel: 'Canale',
  tv: 'TV',
  radio: 'Radio',
  keyCtrl: 'Ctrl',
  keyAlt: 'Alt',
  keyShift: 'Shift',
  keyDelete: 'Delete',
  keyHome: 'Home',
  keyEnd: 'End',
  withKeys: '{action} ({keys})',
  helpTitle: 'Ajutor',
  aboutTitle: 'Despre și licențe',
  about: 'tunvex este software liber, sub licența MIT. Pe lângă tunvex, această pagină conține bibliotecile ' +
    'enumerate mai jos, fiecare cu propria licență; textele lor de licență însoțesc orice copie a paginii.',
  cancel: 'Renunțare',
  renameTitle: 'Redenumirea canalului {at}',
  newName: 'Nume nou',
  renameOk: 'Redenumire',
  moveTitle: 'Mutare pe o poziție',
  movePosition: 'Poziția primului canal selectat',
  moveOk: 'Mutare',
  referenceTitle: 'Aplicare referință',
  referenceChoose: 'Alegere referință...',
  referenceLabel: 'Listă text sau listă de canale de referință',
  referenceApply: 'Aplicare',
  filePickerLists: 'Liste de canale',

  // The counts above the list.
  counts: { one: '{n} canal (TV: {tv}, radio: {radio})', few: '{n} canale (TV: {tv}, radio: {radio})',
    other: '{n} de canale (TV: {tv}, radio: {radio})' },
  countsShown: 'afișate: {n}',
  countsSelected: 'selectate: {n}',
  countsShared: { one: '{n} canal cu același nume', few: '{n} canale cu același nume',
    other: '{n} de canale cu același nume' },
  countsJoin: '; ',
  markSameName: 'același nume',
  markRenamed: 'redenumit',
  markNew: 'nou',
  markMatched: 'găsit',
  markLoosely: 'găsit aproximativ',
  marksJoin: ', ',

  // What a change says, and why one did nothing.
  movedTo: { one: '{n} canal mutat pe poziția {at}', few: '{n} canale mutate pe poziția {at}',
    other: '{n} de canale mutate pe poziția {at}' },
  movedUp: { one: '{n} canal mutat în sus, pe poziția {at}', few: '{n} canale mutate în sus, pe poziția {at}',
    other: '{n} de canale mutate în sus, pe poziția {at}' },
  movedDown: { one: '{n} canal mutat în jos, pe poziția {at}', few: '{n} canale mutate în jos, pe poziția {at}',
    other: '{n} de canale mutate în jos, pe poziția {at}' },
  deleted: { one: '{n} canal șters', few: '{n} canale șterse', other: '{n} de canale șterse' },
  renamed: 'Canalul {at} a primit numele {name}',
  sorted: { one: '{n} canal sortat după nume', few: '{n} canale sortate după nume',
    other: '{n} de canale sortate după nume' },
  referenceApplied: 'Referință aplicată: {summary}',
  undone: 'Anulat: {what}',
  redone: 'Refăcut: {what}',
  atTop: 'Selecția este deja la început',
  atBottom: 'Selecția este deja la sfârșit',
  noneSelected: 'Niciun canal selectat: selectați mai întâi canalele',
  inOrderAlready: 'Lista este deja sortată după nume.',
  referenceKeepsOrder: 'Referința nu schimbă ordinea.',
  keepOne: 'Nu pot fi șterse toate canalele: în listă trebuie să rămână cel puțin unul. Selectați mai puține canale.',
  wholeNumber: 'Introduceți un număr întreg de la 1 la {last}.',
  secondNameToo: 'Numele nou înlocuiește și al doilea nume, {name2}.',
  notLatin1: 'Numele din această listă sunt scrise în Latin-1, care nu poate reda toate caracterele acestui nume.',
  selectedAll: { one: '{n} canal selectat', few: '{n} canale selectate', other: '{n} de canale selectate' },
  clearSearchToDrag: 'Ștergeți căutarea ca să puteți trage canalele; cât timp căutarea filtrează lista, mutați-le ' +
    'cu butoanele și tastele.',
  droppedOutside: 'Ați lăsat selecția în afara listei: nu s-a mutat nimic',
  dragCancelled: 'Tragere anulată: nu s-a mutat nimic',
  cannotChange: 'Această listă nu poate fi modificată aici: are mai multe canale decât poate numerota o listă text',

  // Files dropped, opened and saved.
  closeDialogFirst: 'Închideți mai întâi această fereastră, apoi deschideți alt fișier.',
  manyDropped: 'Ați tras aici mai multe fișiere ({n}); se deschide doar {file}. Deschideți câte o singură listă.',
  cannotStart: 'Pagina nu a putut porni: {error}',
  isText: 'Fișierul {file} este text, nu o listă de canale. Dacă este o listă text făcută înainte de o nouă ' +
    'căutare, deschideți lista de canale și preluați ordinea cu „Aplicare referință...”.',
  isTextOf: 'Fișierul {file} este text {encoding}, nu o listă de canale. Dacă este o listă text făcută înainte de ' +
    'o nouă căutare, deschideți lista de canale și preluați ordinea cu „Aplicare referință...”.',
  stillOpen: 'Fișierul {file} rămâne deschis.',
  notAList: 'Fișierul {file} nu poate fi deschis, deoarece nu este o listă de canale completă: {why}.',
  notWhole: 'Fișierul {file} nu este o listă de canale completă: {why}. Se deschide la fel ca în tunvex; la salvare ' +
    'se scrie o listă completă, cu o sumă de control nouă.',
  notWholeNoted: 'Fișierul {file} nu este o listă de canale completă: {why}. Notă: {notes}. Se deschide la fel ' +
    'ca în tunvex; la salvare se scrie o listă completă, cu o sumă de control nouă.',
  wholeNoted: 'Fișierul {file} este o listă de canale completă. Notă: {notes}.',
  findingsJoin: '; ',
  keepsCounted: { one: 'La salvare se păstrează doar {n} canal, cât declară fișierul; restul ({left}) se omite.',
    few: 'La salvare se păstrează doar {n} canale, câte declară fișierul; restul ({left}) se omite.',
    other: 'La salvare se păstrează doar {n} de canale, câte declară fișierul; restul ({left}) se omite.' },
  tooManyToChange: { one: 'Fișierul {file} are {n} canal, peste limita de {most} pe care o poate numerota o listă ' +
    'text: lista poate fi vizualizată aici, dar nu poate fi modificată, pentru că modificările nu ar putea fi ' +
    'salvate.',
  few: 'Fișierul {file} are {n} canale, peste limita de {most} pe care o poate numerota o listă text: lista poate ' +
    'fi vizualizată aici, dar nu poate fi modificată, pentru că modificările nu ar putea fi salvate.',
  other: 'Fișierul {file} are {n} de canale, peste limita de {most} pe care o poate numerota o listă text: lista ' +
    'poate fi vizualizată aici, dar nu poate fi modificată, pentru că modificările nu ar putea fi salvate.' },
  unsavedOpenAnother: 'Lista are modificări nesalvate. Deschideți totuși alta?',
  opened: { one: 'Fișier deschis: {file}, {n} canal', few: 'Fișier deschis: {file}, {n} canale',
    other: 'Fișier deschis: {file}, {n} de canale' },
  notApplied: 'Modificările nu au putut fi aplicate: {why}',
  changedElsewhere: 'Fișierul {file} s-a modificat de când a fost deschis aici (l-a salvat altă filă sau alt ' +
    'program). Îl suprascrieți și pierdeți acea modificare?',
  notSavedChanged: 'Nu s-a salvat: fișierul s-a modificat între timp',
  notSaved: 'Lista nu a putut fi salvată: {error}. Nu s-a scris nimic.',
  savedIn: { one: 'S-a salvat {n} canal în {file}', few: 'S-au salvat {n} canale în {file}',
    other: 'S-au salvat {n} de canale în {file}' },
  downloaded: { one: 'S-a salvat {n} canal: browserul a pus lista în folderul de descărcări, cu numele {file} ' +
    'sau, dacă acolo exista deja un fișier cu acest nume, cu un număr adăugat.',
  few: 'S-au salvat {n} canale: browserul a pus lista în folderul de descărcări, cu numele {file} sau, dacă ' +
    'acolo exista deja un fișier cu acest nume, cu un număr adăugat.',
  other: 'S-au salvat {n} de canale: browserul a pus lista în folderul de descărcări, cu numele {file} sau, dacă ' +
    'acolo exista deja un fișier cu acest nume, cu un număr adăugat.' },
  nameOnStick: 'Pe stick, fișierul trebuie să se numească exact {file}, așa cum îl așteaptă receptorul: dacă ' +
    'browserul a adăugat un număr la nume (de exemplu, {example}), ștergeți-l când copiați fișierul înapoi.',
  nameOnStickNumbered: 'Numele fișierului deschis, {opened}, conține un număr de felul celor pe care browserul le ' +
    'adaugă fișierelor descărcate. Pe stick, fișierul trebuie să poarte numele sub care l-a exportat receptorul, ' +
    'cel mai probabil {file}.',
  cannotExport: 'Lista text nu poate fi exportată: {why}.',
  exported: 'Listă text exportată cu numele {file}',
  exportedUnsaved: 'Listă text exportată cu numele {file}: se referă la lista cu modificările făcute aici, deci ' +
    'tunvex --apply o acceptă doar după ce salvați lista',

  // Apply a reference.
  chooseReference: 'Alegeți lista text (.txt) sau fișierul listei de dinainte de noua căutare.',
  matchSummary: 'canale găsite exact: {exact}, aproximativ: {loosely}, negăsite: {unmatched}; fără corespondent: {lost}',
  matchUnread: '{summary}. Ilizibile: {unread}; prima, pe linia {line}: {why}',
  referenceLines: { one: '{n} linie de referință', few: '{n} linii de referință',
    other: '{n} de linii de referință' },
  namesNoChannel: 'nu indică niciun canal',
  noLongerInList: 'nu mai este în listă',
  channelOfType: '{name} ({type})',
  moreRows: 'și încă {n}',
  referenceTooMany: 'Fișierul {file} este o listă cu prea multe canale pentru o listă text (are {n}, maximul este ' +
    '{most}), deci nu poate servi drept referință.',
  referenceUnreadable: 'Fișierul {file} este o listă de canale pe care tunvex nu o poate citi ({why}), deci nu ' +
    'poate servi drept referință.',
  referencePartial: 'Fișierul {file} este o listă de canale, dar incompletă ({why}); canalele ei sunt citite așa ' +
    'cum sunt.',
  noneInReference: 'Niciun canal din listă nu apare în {file}: {summary}.',
  referenceNotReadable: 'Fișierul {file} nu poate servi drept referință: {why}.',

  // Print.
  printTitle: { one: '{file}: {n} canal, {date}', few: '{file}: {n} canale, {date}',
    other: '{file}: {n} de canale, {date}' },

  // What the core finds in a list file.
  channelCount: { one: '{n} canal', few: '{n} canale', other: '{n} de canale' },
  byteCount: { one: '{n} octet', few: '{n} octeți', other: '{n} de octeți' },
  'finding.whole': { one: 'în regulă, {n} canal', few: 'în regulă, {n} canale', other: 'în regulă, {n} de canale' },
  'finding.shorterThanHeader': { one: 'are doar {n} octet, mai puțin decât antetul',
    few: 'are doar {n} octeți, mai puțin decât antetul', other: 'are doar {n} de octeți, mai puțin decât antetul' },
  'finding.shorterThanCount': 'declară {channels}, adică {needed} cu tot cu suma de control finală, dar are doar ' +
    '{size}',
  'finding.trailerMissing': 'lipsește suma de control finală',
  'finding.trailerCutShort': 'suma de control finală este trunchiată: are doar {n} din 4 octeți',
  'finding.countTooSmall': 'declară {channels}, dar conține {held}, plus o sumă de control calculată pentru toate',
  'finding.checksumWrong': 'suma de control este {stored}, dar din conținut rezultă {computed}',
  'finding.bytesAfterTrailer': { one: '{n} octet după suma de control finală',
    few: '{n} octeți după suma de control finală', other: '{n} de octeți după suma de control finală' },
  'finding.misnumbered': 'canalul {channel} are numerele {number} și {number2}, nu {position} (fără urmări: la ' +
    'salvare, fiecare canal primește numărul poziției sale)',

  // The problems of a listing, a reference or a name.
  atLine: 'linia {line}: {problem}',
  problemsJoin: '; ',
  moreProblems: 'și încă {n}',
  'problem.notAChannelLine': 'nu este o linie de canal (NUMBER:NAME:NAME2:TYPE sau doar NUMBER)',
  'problem.noSuchChannel': 'nu există canalul {text} (lista are doar {n})',
  'problem.noChannelZero': 'nu există canalul 0',
  'problem.onLineToo': 'canalul {text} apare și pe linia {line}',
  'problem.typeNotTvOrRadio': 'tipul trebuie să fie TV sau RADIO, nu „{text}”',
  'problem.nameLength': 'numele trebuie să aibă între 1 și 31 de octeți, nu {n}',
  'problem.newNameLength': 'numele nou al canalului {channel} trebuie să aibă între 1 și 31 de octeți, nu {n}',
  'problem.nameControl': 'numele conține un caracter de control',
  'problem.newNameControl': 'numele nou al canalului {channel} conține un caracter de control',
  'problem.namesTooLong': 'NAME și NAME2 trebuie să aibă cel mult 32 de octeți fiecare',
  'problem.linesEndInCr': 'liniile se termină doar cu CR: salvați fișierul cu sfârșit de linie LF sau CR LF',
  'problem.utf16': 'este text UTF-16: salvați-l ca UTF-8',
  'problem.utf32': 'este text UTF-32: salvați-l ca UTF-8',
  'problem.tooManyChannels': 'prea multe canale ({n}): o listă text poate numerota cel mult {most}',
  'problem.lineFeedInName': 'canalul {channel} are în nume un caracter de linie nouă, care i-ar rupe linia în ' +
    'două: redenumiți-l mai întâi',
  newNameLength: 'Numele nou trebuie să aibă între 1 și 31 de octeți, nu {n}.',
  newNameControl: 'Numele nou conține un caracter de control.',

  help: `
<h2>La ce folosește această pagină</h2>
<p>Cu ea aranjați lista de canale a receptorului în ordinea dorită: mutați, redenumiți și ștergeți canale, le
sortați după nume sau preluați ordinea veche în lista obținută după o nouă căutare de canale. Pagina deschide
fișierul pe care receptorul îl exportă pe un stick USB și salvează unul nou, pe care receptorul îl importă.
Fișierul este citit în acest browser și nu părăsește niciodată calculatorul; nu se scrie nimic până nu
salvați.</p>
<h2>De pe stick, înapoi pe stick</h2>
<ol>
<li>Pe receptor, exportați lista de canale pe un stick USB (copie de rezervă).</li>
<li>Introduceți stickul în calculator și copiați fișierul listei într-un folder al dumneavoastră. Păstrați această
copie neschimbată: cu ea puteți reveni oricând la lista inițială.</li>
<li>Deschideți lista aici: <b>Deschidere</b> (<kbd>Ctrl+O</kbd>) sau trageți fișierul pe pagină.</li>
<li>Faceți modificările. Încă nu se scrie nimic; cu <b>Anulare</b> puteți reveni asupra oricăreia dintre ele.</li>
<li>Salvați: <b>Salvare</b> (<kbd>Ctrl+S</kbd>). În Chrome și Edge, lista este scrisă înapoi în fișierul deschis
(<b>Salvare ca</b> vă întreabă unde). În Firefox și Safari, browserul descarcă în schimb lista nouă: o găsiți în
folderul de descărcări.</li>
<li>Fișierul trebuie să poarte exact numele pe care îl așteaptă receptorul, cel pe care l-a avut pe stick. Browserul
poate adăuga un număr la numele unui fișier descărcat (de exemplu, <i>canale(1).dat</i>): ștergeți-l.</li>
<li>Copiați fișierul pe stick cu acest nume, introduceți stickul în receptor și importați lista.</li>
</ol>
<h2>Ce schimbă salvarea</h2>
<p>Canalele sunt scrise în noua ordine, numerotate de la 1, cu numele pe care li le-ați dat, iar fișierul se
încheie cu o sumă de control nouă. Tot restul informațiilor din fișier despre fiecare canal rămâne exact cum
era.</p>
<h2>Lucrul cu lista</h2>
<ul>
<li>Selectare: un clic; <kbd>Shift</kbd>+clic pentru un interval; <kbd>Ctrl</kbd>+clic pentru a adăuga sau a scoate
un canal; pe un ecran tactil, atingeți un rând, iar atingerea mânerului ⋮⋮ îl adaugă la selecție sau îl scoate din
ea.</li>
<li>Mutare: trageți selecția unde doriți (<kbd>Esc</kbd> anulează; pe un ecran tactil, trageți de mânerul ⋮⋮),
folosiți butoanele sau indicați o poziție cu <b>Mutare pe poziția...</b>.</li>
<li>Redenumire: <kbd>F2</kbd> sau dublu clic. Un nume nou are între 1 și 31 de octeți, fără caractere de control; al
doilea nume al canalului devine și el noul nume.</li>
<li>Căutarea afișează doar canalele al căror nume sau număr se potrivește cu textul căutat; mutările se fac în
continuare după pozițiile din lista întreagă, iar tragerea este posibilă abia după ce ștergeți căutarea.</li>
<li><b>Imprimare</b> tipărește toate canalele cu numărul, numele și tipul lor, sub numele fișierului și data.</li>
</ul>
<h2>Ce înseamnă marcajele</h2>
<ul>
<li><i>același nume</i>: mai există un canal cu acest nume.</li>
<li><i>redenumit</i>: i-ați dat canalului un nume nou.</li>
<li><i>găsit</i>, <i>găsit aproximativ</i>, <i>nou</i>: după aplicarea unei referințe, arată cum a fost găsit
canalul în ea; canalele marcate <i>nou</i> nu erau în referință și sunt puse la sfârșit.</li>
</ul>
<h2>După o nouă căutare de canale</h2>
<p>Înainte de căutare, salvați o listă text a canalelor cu <b>Exportare listă text</b> sau păstrați vechiul fișier
al listei. Apoi deschideți lista nouă și folosiți <b>Aplicare referință...</b> cu acea listă text sau cu fișierul
vechi: pagina arată ordinea propusă, iar <b>Aplicare</b> o preia.</p>
<h2>Taste</h2>
<dl>
<dt><kbd>↑</kbd> <kbd>↓</kbd>, <kbd>Shift+↑</kbd> <kbd>Shift+↓</kbd>, <kbd>Spațiu</kbd>, <kbd>Ctrl+A</kbd></dt>
<dd>trecere la un canal, selectarea unui interval, selectarea unui canal, selectarea tuturor</dd>
<dt><kbd>Alt+↑</kbd> <kbd>Alt+↓</kbd>, <kbd>Alt+Home</kbd> <kbd>Alt+End</kbd></dt>
<dd>mutarea selecției în sus sau în jos, la început sau la sfârșit</dd>
<dt><kbd>Delete</kbd>, <kbd>F2</kbd></dt><dd>ștergere, redenumire</dd>
<dt><kbd>Ctrl+Z</kbd>, <kbd>Ctrl+Y</kbd> sau <kbd>Ctrl+Shift+Z</kbd></dt><dd>anulare, refacere</dd>
<dt><kbd>Ctrl+O</kbd>, <kbd>Ctrl+S</kbd>, <kbd>Ctrl+Shift+S</kbd>, <kbd>Ctrl+F</kbd>, <kbd>Ctrl+P</kbd></dt>
<dd>deschidere, salvare, salvare ca, căutare, imprimare</dd>
<dt><kbd>Tab</kbd>, <kbd>←</kbd> <kbd>→</kbd></dt><dd>trecere la rândul de butoane și deplasare de-a lungul lui</dd>
</dl>
<h2>Numele și linia de comandă</h2>
<p>Numele sunt șiruri de octeți: se afișează ca UTF-8 acolo unde sunt UTF-8 valid, altfel ca Latin-1, iar un nume nou
se scrie în aceeași codificare ca celelalte nume din listă. <b>Exportare listă text</b> salvează lista așa cum o afișează
<code>tunvex --listing</code>; prima ei linie indică lista din care a fost făcută, așa că <code>tunvex --apply</code> o
acceptă doar cât timp lista a rămas neschimbată.</p>
`,
};
