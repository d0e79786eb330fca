// The page's words in Czech.
export default {
  language: 'Jazyk',
  title: 'tunvex: editor seznamu kanálů',
  tagline: 'editor seznamu kanálů',
  actions: 'Akce',
  groupFile: 'Soubor',
  groupHistory: 'Historie',
  groupSelected: 'Vybrané kanály',
  open: 'Otevřít',
  openLabel: 'Otevřít seznam kanálů',
  save: 'Uložit',
  saveAs: 'Uložit jako',
  exportListing: 'Exportovat výpis',
  reference: 'Použít předlohu...',
  print: 'Tisk',
  undo: 'Zpět',
  redo: 'Znovu',
  moveUp: 'Nahoru',
  moveDown: 'Dolů',
  moveTop: 'Na začátek',
  moveBottom: 'Na konec',
  moveTo: 'Přesunout na pozici...',
  delete: 'Smazat',
  rename: 'Přejmenovat',
  sort: 'Seřadit podle názvu',
  search: 'Hledat',
  searchHint: 'Název nebo číslo',
  dismiss: 'Zavřít toto upozornění',
  empty: 'Otevřete seznam kanálů nebo ho sem přetáhněte. Soubor se načte jen v tomto počítači a nikam se neodešle.',
  colNumber: 'Č.',
  colName: 'Název',
  colName2: 'Druhý název',
  colType: 'Typ',
  colChannel: 'Kanál',
  colMatch: 'Shoda',
  channelsLabel: 'Kanály',
  tv: 'TV',
  radio: 'Rádio',
  keyCtrl: 'Ctrl',
  keyAlt: 'Alt',
  keyShift: 'Shift',
  keyDelete: 'Delete',
  keyHome: 'Home',
  keyEnd: 'End',
  withKeys: '{action} ({keys})',
  helpTitle: 'Nápověda',
  aboutTitle: 'O programu a licence',
  about: 'tunvex je svobodný software šířený pod licencí MIT. Tato stránka kromě programu tunvex obsahuje také ' +
    'knihovny uvedené níže, každou pod vlastní licencí; jejich licenční texty jsou součástí každé kopie stránky.',
  cancel: 'Zrušit',
  renameTitle: 'Přejmenovat kanál {at}',
  newName: 'Nový název',
  renameOk: 'Přejmenovat',
  moveTitle: 'Přesunout na pozici',
  movePosition: 'Pozice prvního vybraného kanálu',
  moveOk: 'Přesunout',
  referenceTitle: 'Použít předlohu',
  referenceChoose: 'Vybrat předlohu...',
  referenceLabel: 'Výpis nebo seznam jako předloha',
  referenceApply: 'Použít',
  filePickerLists: 'Seznamy kanálů',

  // The counts above the list.
  counts: {
    one: '{n} kanál: TV {tv}, rádio {radio}',
    few: '{n} kanály: TV {tv}, rádio {radio}',
    many: '{n} kanálu: TV {tv}, rádio {radio}',
    other: '{n} kanálů: TV {tv}, rádio {radio}',
  },
  countsShown: 'zobrazeno: {n}',
  countsSelected: 'vybráno: {n}',
  countsShared: {
    one: '{n} kanál se stejným názvem',
    few: '{n} kanály se stejným názvem',
    many: '{n} kanálu se stejným názvem',
    other: '{n} kanálů se stejným názvem',
  },
  countsJoin: '; ',
  markSameName: 'stejný název',
  markRenamed: 'přejmenován',
  markNew: 'nový',
  markMatched: 'nalezen',
  markLoosely: 'nalezen přibližně',
  marksJoin: ', ',

  // What a change says, and why one did nothing.
  movedTo: {
    one: 'Přesunut {n} kanál na pozici {at}',
    few: 'Přesunuty {n} kanály na pozici {at}',
    many: 'Přesunuto {n} kanálu na pozici {at}',
    other: 'Přesunuto {n} kanálů na pozici {at}',
  },
  movedUp: {
    one: 'Posunut {n} kanál nahoru na pozici {at}',
    few: 'Posunuty {n} kanály nahoru na pozici {at}',
    many: 'Posunuto {n} kanálu nahoru na pozici {at}',
    other: 'Posunuto {n} kanálů nahoru na pozici {at}',
  },
  movedDown: {
    one: 'Posunut {n} kanál dolů na pozici {at}',
    few: 'Posunuty {n} kanály dolů na pozici {at}',
    many: 'Posunuto {n} kanálu dolů na pozici {at}',
    other: 'Posunuto {n} kanálů dolů na pozici {at}',
  },
  deleted: {
    one: 'Smazán {n} kanál',
    few: 'Smazány {n} kanály',
    many: 'Smazáno {n} kanálu',
    other: 'Smazáno {n} kanálů',
  },
  renamed: 'Kanál {at} přejmenován na {name}',
  sorted: {
    one: 'Seřazen {n} kanál podle názvu',
    few: 'Seřazeny {n} kanály podle názvu',
    many: 'Seřazeno {n} kanálu podle názvu',
    other: 'Seřazeno {n} kanálů podle názvu',
  },
  referenceApplied: 'Předloha použita: {summary}',
  undone: 'Vráceno zpět: {what}',
  redone: 'Znovu provedeno: {what}',
  atTop: 'Výběr už je na začátku',
  atBottom: 'Výběr už je na konci',
  noneSelected: 'Není vybrán žádný kanál: nejdřív kanály vyberte',
  inOrderAlready: 'Seznam už je seřazený podle názvu.',
  referenceKeepsOrder: 'Předloha pořadí nemění.',
  keepOne: 'Nelze smazat všechny kanály: v seznamu musí zůstat aspoň jeden. Vyberte méně kanálů.',
  wholeNumber: 'Zadejte celé číslo od 1 do {last}.',
  secondNameToo: 'Nový název nahradí i druhý název kanálu ({name2}).',
  notLatin1: 'Tento seznam ukládá názvy v kódování Latin-1, ve kterém nelze zapsat všechny znaky tohoto názvu.',
  selectedAll: {
    one: 'Vybrán {n} kanál',
    few: 'Vybrány {n} kanály',
    many: 'Vybráno {n} kanálu',
    other: 'Vybráno {n} kanálů',
  },
  clearSearchToDrag: 'Přetahovat lze až po vymazání hledaného textu. Během hledání přesouvejte kanály tlačítky ' +
    'nebo klávesami.',
  droppedOutside: 'Puštěno mimo seznam: nic se nepřesunulo',
  dragCancelled: 'Přetažení zrušeno: nic se nepřesunulo',
  cannotChange: 'Tento seznam tu nelze upravovat: má víc kanálů, než kolik jich výpis dokáže očíslovat',

  // Files dropped, opened and saved.
  closeDialogFirst: 'Chcete-li otevřít jiný soubor, nejdřív zavřete toto okno.',
  manyDropped: 'Přetažených souborů: {n}. Otevře se jen {file}: otevírejte vždy jen jeden seznam.',
  cannotStart: 'Stránku se nepodařilo spustit: {error}',
  isText: '{file} je textový soubor, ne seznam kanálů. Pokud je to výpis pořízený před novým vyhledáváním kanálů, ' +
    'otevřete seznam a pořadí z výpisu do něj přeneste tlačítkem „Použít předlohu...“.',
  isTextOf: '{file} je text v kódování {encoding}, ne seznam kanálů. Pokud je to výpis pořízený před novým ' +
    'vyhledáváním kanálů, otevřete seznam a pořadí z výpisu do něj přeneste tlačítkem „Použít předlohu...“.',
  stillOpen: 'Soubor {file} zůstává otevřený.',
  notAList: 'Soubor {file} nelze otevřít, protože to není úplný seznam kanálů: {why}.',
  notWhole: 'Soubor {file} není úplný seznam kanálů: {why}. Otevře se tak, jak ho otevírá tunvex; uložením ' +
    'vznikne úplný seznam s novým kontrolním součtem.',
  notWholeNoted: 'Soubor {file} není úplný seznam kanálů: {why}. Poznámka: {notes}. Otevře se tak, jak ho ' +
    'otevírá tunvex; uložením vznikne úplný seznam s novým kontrolním součtem.',
  wholeNoted: 'Soubor {file} je úplný seznam kanálů. Poznámka: {notes}.',
  findingsJoin: '; ',
  keepsCounted: {
    one: 'Uloží se jen {n} kanál, jak uvádí údaj o počtu v souboru; vše za ním se vynechá ({left}).',
    few: 'Uloží se jen {n} kanály, jak uvádí údaj o počtu v souboru; vše za nimi se vynechá ({left}).',
    many: 'Uloží se jen {n} kanálu, jak uvádí údaj o počtu v souboru; vše za nimi se vynechá ({left}).',
    other: 'Uloží se jen {n} kanálů, jak uvádí údaj o počtu v souboru; vše za nimi se vynechá ({left}).',
  },
  tooManyToChange: {
    one: 'Soubor {file} má {n} kanál, víc, než kolik jich výpis dokáže očíslovat ({most}). Můžete si ho tu ' +
      'prohlédnout, ale žádnou změnu by nešlo uložit, a proto ho nelze upravovat.',
    few: 'Soubor {file} má {n} kanály, víc, než kolik jich výpis dokáže očíslovat ({most}). Můžete si ho tu ' +
      'prohlédnout, ale žádnou změnu by nešlo uložit, a proto ho nelze upravovat.',
    many: 'Soubor {file} má {n} kanálu, víc, než kolik jich výpis dokáže očíslovat ({most}). Můžete si ho tu ' +
      'prohlédnout, ale žádnou změnu by nešlo uložit, a proto ho nelze upravovat.',
    other: 'Soubor {file} má {n} kanálů, víc, než kolik jich výpis dokáže očíslovat ({most}). Můžete si ho tu ' +
      'prohlédnout, ale žádnou změnu by nešlo uložit, a proto ho nelze upravovat.',
  },
  unsavedOpenAnother: 'Seznam obsahuje neuložené změny. Přesto otevřít jiný?',
  opened: {
    one: 'Soubor {file} otevřen: {n} kanál',
    few: 'Soubor {file} otevřen: {n} kanály',
    many: 'Soubor {file} otevřen: {n} kanálu',
    other: 'Soubor {file} otevřen: {n} kanálů',
  },
  notApplied: 'Změny se nepodařilo použít: {why}',
  changedElsewhere: 'Soubor {file} se od otevření změnil (uložila ho jiná karta nebo jiný program). Přepsat ho ' +
    'a tuto změnu ztratit?',
  notSavedChanged: 'Neuloženo: soubor se mezitím změnil',
  notSaved: 'Seznam se nepodařilo uložit: {error}. Nic nebylo zapsáno.',
  savedIn: {
    one: 'Uložen {n} kanál do souboru {file}',
    few: 'Uloženy {n} kanály do souboru {file}',
    many: 'Uloženo {n} kanálu do souboru {file}',
    other: 'Uloženo {n} kanálů do souboru {file}',
  },
  downloaded: {
    one: 'Uložen {n} kanál: prohlížeč seznam stáhl do složky se staženými soubory pod názvem {file}, případně ' +
      's přidaným číslem, pokud tam už soubor se stejným názvem byl.',
    few: 'Uloženy {n} kanály: prohlížeč seznam stáhl do složky se staženými soubory pod názvem {file}, případně ' +
      's přidaným číslem, pokud tam už soubor se stejným názvem byl.',
    many: 'Uloženo {n} kanálu: prohlížeč seznam stáhl do složky se staženými soubory pod názvem {file}, případně ' +
      's přidaným číslem, pokud tam už soubor se stejným názvem byl.',
    other: 'Uloženo {n} kanálů: prohlížeč seznam stáhl do složky se staženými soubory pod názvem {file}, případně ' +
      's přidaným číslem, pokud tam už soubor se stejným názvem byl.',
  },
  nameOnStick: 'Na USB disku se soubor musí jmenovat přesně {file}, jak to přijímač očekává. Pokud prohlížeč ' +
    'přidal k názvu číslo (např. {example}), při kopírování zpět ho odstraňte.',
  nameOnStickNumbered: 'Otevřený soubor {opened} má v názvu číslo, jaké prohlížeč přidává ke staženým souborům. ' +
    'Na USB disku musí mít název, pod kterým ho přijímač exportoval, nejspíš tedy {file}.',
  cannotExport: 'Výpis nelze exportovat: {why}.',
  exported: 'Výpis exportován jako {file}',
  exportedUnsaved: 'Výpis exportován jako {file}: vztahuje se k seznamu se změnami provedenými zde, takže ho ' +
    'tunvex --apply přijme, až bude seznam uložen',

  // Apply a reference.
  chooseReference: 'Vyberte výpis (.txt) nebo soubor se seznamem z doby před novým vyhledáváním kanálů.',
  matchSummary: 'nalezeno přesně: {exact}, přibližně: {loosely}, nenalezeno: {unmatched}; {lost} bez ' +
    'odpovídajícího kanálu',
  matchUnread: '{summary}. {unread} nelze přečíst; první je řádek {line}: {why}',
  referenceLines: {
    one: '{n} řádek předlohy',
    few: '{n} řádky předlohy',
    many: '{n} řádku předlohy',
    other: '{n} řádků předlohy',
  },
  namesNoChannel: 'neodpovídá žádnému kanálu',
  noLongerInList: 'už v seznamu není',
  channelOfType: '{name} ({type})',
  moreRows: 'a ještě {n}',
  referenceTooMany: 'Soubor {file} je seznam kanálů, ale má jich {n}, víc, než kolik jich výpis dokáže očíslovat ' +
    '({most}): jako předlohu ho nelze použít.',
  referenceUnreadable: 'Soubor {file} je seznam kanálů, který tunvex neumí přečíst ({why}), takže ho nelze použít ' +
    'jako předlohu.',
  referencePartial: 'Soubor {file} je seznam kanálů, ale neúplný ({why}); jeho kanály se načtou tak, jak jsou.',
  noneInReference: 'Žádný kanál ze seznamu není v souboru {file}: {summary}.',
  referenceNotReadable: 'Soubor {file} nelze použít jako předlohu: {why}.',

  // Print.
  printTitle: {
    one: '{file}: {n} kanál, {date}',
    few: '{file}: {n} kanály, {date}',
    many: '{file}: {n} kanálu, {date}',
    other: '{file}: {n} kanálů, {date}',
  },

  // What the core finds in a list file.
  channelCount: { one: '{n} kanál', few: '{n} kanály', many: '{n} kanálu', other: '{n} kanálů' },
  byteCount: { one: '{n} bajt', few: '{n} bajty', many: '{n} bajtu', other: '{n} bajtů' },
  'finding.whole': { one: 'OK, {n} kanál', few: 'OK, {n} kanály', many: 'OK, {n} kanálu', other: 'OK, {n} kanálů' },
  'finding.shorterThanHeader': {
    one: 'soubor je kratší než hlavička (má jen {n} bajt)',
    few: 'soubor je kratší než hlavička (má jen {n} bajty)',
    many: 'soubor je kratší než hlavička (má jen {n} bajtu)',
    other: 'soubor je kratší než hlavička (má jen {n} bajtů)',
  },
  'finding.shorterThanCount': 'údaj o počtu uvádí {channels}, tedy i s kontrolním součtem na konci {needed}, ale ' +
    'soubor má jen {size}',
  'finding.trailerMissing': 'chybí kontrolní součet na konci souboru',
  'finding.trailerCutShort': 'kontrolní součet na konci souboru je zkrácený: {n} ze 4 bajtů',
  'finding.countTooSmall': 'údaj o počtu uvádí {channels}, ale soubor jich obsahuje {held} a k nim kontrolní ' +
    'součet všech',
  'finding.checksumWrong': 'uložený kontrolní součet je {stored}, ale z obsahu vychází {computed}',
  'finding.bytesAfterTrailer': {
    one: '{n} bajt za kontrolním součtem',
    few: '{n} bajty za kontrolním součtem',
    many: '{n} bajtu za kontrolním součtem',
    other: '{n} bajtů za kontrolním součtem',
  },
  'finding.misnumbered': 'kanál {channel} má čísla {number} a {number2}, ne {position} (nevadí: při uložení ' +
    'dostane každý kanál číslo své pozice)',

  // The problems of a listing, a reference or a name.
  atLine: 'řádek {line}: {problem}',
  problemsJoin: '; ',
  moreProblems: 'a ještě {n}',
  'problem.notAChannelLine': 'není to řádek kanálu (NUMBER:NAME:NAME2:TYPE nebo jen NUMBER)',
  'problem.noSuchChannel': 'kanál {text} neexistuje (seznam má kanálů jen {n})',
  'problem.noChannelZero': 'kanál 0 neexistuje',
  'problem.onLineToo': 'kanál {text} je i na řádku {line}',
  'problem.typeNotTvOrRadio': 'typ musí být TV nebo RADIO, ne „{text}“',
  'problem.nameLength': 'název musí mít 1 až 31 bajtů, ne {n}',
  'problem.newNameLength': 'nový název kanálu {channel} musí mít 1 až 31 bajtů, ne {n}',
  'problem.nameControl': 'název obsahuje řídicí znak',
  'problem.newNameControl': 'nový název kanálu {channel} obsahuje řídicí znak',
  'problem.namesTooLong': 'NAME i NAME2 smějí mít každý nejvýše 32 bajtů',
  'problem.linesEndInCr': 'řádky končí samotným CR: uložte soubor s konci řádků LF nebo CR LF',
  'problem.utf16': 'jde o text v UTF-16: uložte ho jako UTF-8',
  'problem.utf32': 'jde o text v UTF-32: uložte ho jako UTF-8',
  'problem.tooManyChannels': 'kanálů je {n}, ale výpis jich dokáže očíslovat nejvýše {most}',
  'problem.lineFeedInName': 'kanál {channel} má v názvu konec řádku, který by jeho řádek rozdělil: nejdřív ho ' +
    'přejmenujte',
  newNameLength: 'Nový název musí mít 1 až 31 bajtů, ne {n}.',
  newNameControl: 'Nový název obsahuje řídicí znak.',

  help: `
<h2>K čemu tato stránka slouží</h2>
<p>Pomůže vám seřadit seznam kanálů přijímače podle vašich představ: kanály můžete přesouvat, přejmenovávat
a mazat, seřadit podle názvu nebo přenést své staré pořadí do seznamu z nového vyhledávání kanálů. Otevře soubor,
který přijímač exportuje na USB disk, a uloží nový, který přijímač zase naimportuje. Soubor zpracovává jen tento
prohlížeč a váš počítač nikdy neopustí; dokud neuložíte, nic se nezapisuje.</p>
<h2>Z USB disku a zpět</h2>
<ol>
<li>V přijímači exportujte (zálohujte) seznam kanálů na USB disk.</li>
<li>Připojte USB disk k počítači a zkopírujte soubor se seznamem do vlastní složky. Tuto kopii neměňte: díky ní
se můžete kdykoli vrátit k původnímu stavu.</li>
<li>Otevřete seznam tlačítkem <b>Otevřít</b> (<kbd>Ctrl+O</kbd>) nebo soubor přetáhněte na stránku.</li>
<li>Proveďte změny. Zatím se nic nezapisuje; tlačítkem <b>Zpět</b> můžete kteroukoli z nich vrátit.</li>
<li>Klikněte na <b>Uložit</b> (<kbd>Ctrl+S</kbd>). V prohlížečích Chrome a Edge se seznam zapíše zpět do otevřeného
souboru (<b>Uložit jako</b> se zeptá, kam ho uložit). V prohlížečích Firefox a Safari se nový seznam místo toho
stáhne: najdete ho ve složce se staženými soubory.</li>
<li>Soubor musí mít přesně ten název, který přijímač očekává, tedy ten, který měl na USB disku. Prohlížeč může
k názvu staženého souboru přidat číslo (např. <i>kanaly(1).dat</i>): odstraňte ho.</li>
<li>Zkopírujte soubor pod tímto názvem na USB disk, připojte disk k přijímači a seznam naimportujte.</li>
</ol>
<h2>Co uložení změní</h2>
<p>Kanály se zapíší v novém pořadí, očíslované od 1 a s názvy, které jste jim dali, a na konec souboru se zapíše
nový kontrolní součet. Vše ostatní, co soubor o každém kanálu obsahuje, zůstane přesně tak, jak bylo.</p>
<h2>Práce se seznamem</h2>
<ul>
<li>Výběr: kliknutím vyberete kanál, <kbd>Shift</kbd>+kliknutím rozsah, <kbd>Ctrl</kbd>+kliknutím přidáte kanál
do výběru nebo ho z něj odeberete; na dotykové obrazovce řádek vyberete klepnutím a klepnutím na jeho úchyt ⋮⋮
ho k výběru přidáte nebo z něj odeberete.</li>
<li>Přesun: přetáhněte výběr na nové místo (<kbd>Esc</kbd> přetažení zruší; na dotykové obrazovce táhněte za úchyt
⋮⋮), použijte tlačítka nebo v okně <b>Přesunout na pozici...</b> zadejte cílovou pozici.</li>
<li>Přejmenování: <kbd>F2</kbd> nebo dvojklik. Nový název musí mít 1 až 31 bajtů a nesmí obsahovat řídicí znaky;
nahradí i druhý název kanálu.</li>
<li>Hledání zobrazí jen kanály, jejichž název nebo číslo odpovídá hledanému textu; přesuny
se přesto řídí pozicemi v celém seznamu a přetahovat lze až po vymazání hledaného textu.</li>
<li><b>Tisk</b> vytiskne všechny kanály s číslem, názvy a typem, s názvem souboru a datem v záhlaví.</li>
</ul>
<h2>Co znamenají značky</h2>
<ul>
<li><i>stejný název</i>: stejný název má i jiný kanál.</li>
<li><i>přejmenován</i>: kanálu jste dali nový název.</li>
<li><i>nalezen</i>, <i>nalezen přibližně</i>, <i>nový</i>: po použití předlohy ukazují, jak byl kanál v předloze
nalezen; kanály označené <i>nový</i> v ní nebyly a jsou zařazeny na konec.</li>
</ul>
<h2>Po novém vyhledávání kanálů</h2>
<p>Před vyhledáváním uložte výpis svého seznamu tlačítkem <b>Exportovat výpis</b> nebo si ponechte starý soubor
se seznamem. Pak otevřete nový seznam, klikněte na <b>Použít předlohu...</b> a vyberte tento výpis nebo starý
soubor: stránka ukáže navržené pořadí a tlačítkem <b>Použít</b> ho přijmete.</p>
<h2>Klávesy</h2>
<dl>
<dt><kbd>↑</kbd> <kbd>↓</kbd>, <kbd>Shift+↑</kbd> <kbd>Shift+↓</kbd>, <kbd>Mezerník</kbd>, <kbd>Ctrl+A</kbd></dt>
<dd>přejít na kanál, vybrat rozsah, vybrat jeden, vybrat vše</dd>
<dt><kbd>Alt+↑</kbd> <kbd>Alt+↓</kbd>, <kbd>Alt+Home</kbd> <kbd>Alt+End</kbd></dt>
<dd>přesunout výběr nahoru nebo dolů, na začátek nebo na konec</dd>
<dt><kbd>Delete</kbd>, <kbd>F2</kbd></dt><dd>smazat, přejmenovat</dd>
<dt><kbd>Ctrl+Z</kbd>, <kbd>Ctrl+Y</kbd> nebo <kbd>Ctrl+Shift+Z</kbd></dt><dd>zpět, znovu</dd>
<dt><kbd>Ctrl+O</kbd>, <kbd>Ctrl+S</kbd>, <kbd>Ctrl+Shift+S</kbd>, <kbd>Ctrl+F</kbd>, <kbd>Ctrl+P</kbd></dt>
<dd>otevřít, uložit, uložit jako, hledat, vytisknout</dd>
<dt><kbd>Tab</kbd>, <kbd>←</kbd> <kbd>→</kbd></dt><dd>přejít na řadu tlačítek a pohybovat se po ní</dd>
</dl>
<h2>Názvy a příkazový řádek</h2>
<p>Názvy jsou uloženy jako bajty: zobrazují se jako UTF-8, pokud jde o platné UTF-8, jinak jako Latin-1,
a nový název se zapíše stejně, jako seznam zapisuje ostatní názvy. <b>Exportovat výpis</b> uloží seznam tak,
jak ho vypisuje <code>tunvex --listing</code>; jeho první řádek označuje seznam, ze kterého výpis vznikl, takže
<code>tunvex --apply</code> ho přijme jen tehdy, když je seznam stále stejný.</p>
`,
};
