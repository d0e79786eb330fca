// The page's words in Dutch.
export default {
  language: 'Taal',
  title: 'tunvex: zenderlijsteditor',
  tagline: 'zenderlijsteditor',
  actions: 'Acties',
  groupFile: 'Bestand',
  groupHistory: 'Geschiedenis',
  groupSelected: 'Geselecteerde zenders',
  open: 'Openen',
  openLabel: 'Zenderlijst openen',
  save: 'Opslaan',
  saveAs: 'Opslaan als',
  exportListing: 'Tekstlijst exporteren',
  reference: 'Referentie toepassen...',
  print: 'Afdrukken',
  undo: 'Ongedaan maken',
  redo: 'Opnieuw',
  moveUp: 'Omhoog',
  moveDown: 'Omlaag',
  moveTop: 'Bovenaan zetten',
  moveBottom: 'Onderaan zetten',
  moveTo: 'Verplaatsen naar...',
  delete: 'Verwijderen',
  rename: 'Naam wijzigen',
  sort: 'Sorteren op naam',
  search: 'Zoeken',
  searchHint: 'Naam of nummer',
  dismiss: 'Melding sluiten',
  empty: 'Open een zenderlijst of sleep het bestand hierheen. Het wordt alleen op deze computer gelezen en nergens ' +
    'heen gestuurd.',
  colNumber: 'Nr.',
  colName: 'Naam',
  colName2: 'Tweede naam',
  colType: 'Type',
  colChannel: 'Zender',
  colMatch: 'Overeenkomst',
  channelsLabel: 'Zenders',
  tv: 'tv',
  radio: 'radio',
  keyCtrl: 'Ctrl',
  keyAlt: 'Alt',
  keyShift: 'Shift',
  keyDelete: 'Delete',
  keyHome: 'Home',
  keyEnd: 'End',
  withKeys: '{action} ({keys})',
  helpTitle: 'Help',
  aboutTitle: 'Info en licenties',
  about: 'tunvex is vrije software onder de MIT-licentie. Naast tunvex bevat deze pagina de hieronder genoemde ' +
    'bibliotheken, elk onder een eigen licentie; hun licentieteksten horen bij elke kopie van de pagina.',
  cancel: 'Annuleren',
  renameTitle: 'Naam van zender {at} wijzigen',
  newName: 'Nieuwe naam',
  renameOk: 'Naam wijzigen',
  moveTitle: 'Verplaatsen naar positie',
  movePosition: 'Positie van de eerste geselecteerde zender',
  moveOk: 'Verplaatsen',
  referenceTitle: 'Referentie toepassen',
  referenceChoose: 'Referentie kiezen...',
  referenceLabel: 'Referentie: tekstlijst of zenderlijst',
  referenceApply: 'Toepassen',
  filePickerLists: 'Zenderlijsten',

  // The counts above the list.
  counts: { one: '{n} zender: {tv} tv, {radio} radio', other: '{n} zenders: {tv} tv, {radio} radio' },
  countsShown: '{n} getoond',
  countsSelected: '{n} geselecteerd',
  countsShared: { one: '{n} met dubbele naam', other: '{n} met dubbele naam' },
  countsJoin: '; ',
  markSameName: 'dubbele naam',
  markRenamed: 'naam gewijzigd',
  markNew: 'nieuw',
  markMatched: 'gevonden',
  markLoosely: 'bij benadering gevonden',
  marksJoin: ', ',

  // What a change says, and why one did nothing.
  movedTo: { one: '{n} zender verplaatst naar positie {at}', other: '{n} zenders verplaatst naar positie {at}' },
  movedUp: { one: '{n} zender omhoog verplaatst naar positie {at}',
    other: '{n} zenders omhoog verplaatst naar positie {at}' },
  movedDown: { one: '{n} zender omlaag verplaatst naar positie {at}',
    other: '{n} zenders omlaag verplaatst naar positie {at}' },
  deleted: { one: '{n} zender verwijderd', other: '{n} zenders verwijderd' },
  renamed: 'Naam van zender {at} gewijzigd in ‘{name}’',
  sorted: { one: '{n} zender gesorteerd op naam', other: '{n} zenders gesorteerd op naam' },
  referenceApplied: 'Referentie toegepast: {summary}',
  undone: 'Ongedaan gemaakt: {what}',
  redone: 'Opnieuw uitgevoerd: {what}',
  atTop: 'De selectie staat al bovenaan',
  atBottom: 'De selectie staat al onderaan',
  noneSelected: 'Geen zender geselecteerd: selecteer eerst een of meer zenders',
  inOrderAlready: 'De lijst is al op naam gesorteerd.',
  referenceKeepsOrder: 'Met deze referentie blijft de volgorde ongewijzigd.',
  keepOne: 'Niet alle zenders kunnen worden verwijderd: er moet minstens één zender in de lijst blijven. ' +
    'Selecteer minder zenders.',
  wholeNumber: 'Voer een geheel getal in van 1 tot en met {last}.',
  secondNameToo: 'De nieuwe naam vervangt ook de tweede naam, ‘{name2}’.',
  notLatin1: 'Deze lijst slaat namen op in Latin-1, en daarin kunnen niet alle tekens van deze naam worden opgeslagen.',
  selectedAll: { one: '{n} zender geselecteerd', other: '{n} zenders geselecteerd' },
  clearSearchToDrag: 'Maak het zoekveld leeg om te kunnen slepen. Zolang er gefilterd wordt, verplaats je zenders ' +
    'met de knoppen en toetsen.',
  droppedOutside: 'Buiten de lijst losgelaten: niets verplaatst',
  dragCancelled: 'Slepen geannuleerd: niets verplaatst',
  cannotChange: 'Deze lijst kan hier niet worden gewijzigd: er staan meer zenders in dan er in een tekstlijst ' +
    'passen',

  // Files dropped, opened and saved.
  closeDialogFirst: 'Sluit eerst dit venster om een ander bestand te openen.',
  manyDropped: 'Er zijn {n} bestanden hierheen gesleept; alleen {file} wordt geopend. Open steeds één lijst ' +
    'tegelijk.',
  cannotStart: 'De pagina kon niet worden gestart: {error}',
  isText: '{file} is een tekstbestand, geen zenderlijst. Is het een tekstlijst van vóór een nieuwe zenderscan? ' +
    'Open dan de nieuwe zenderlijst en neem de volgorde over met ‘Referentie toepassen...’',
  isTextOf: '{file} is {encoding}-tekst, geen zenderlijst. Is het een tekstlijst van vóór een nieuwe zenderscan? ' +
    'Open dan de nieuwe zenderlijst en neem de volgorde over met ‘Referentie toepassen...’',
  stillOpen: '{file} blijft geopend.',
  notAList: '{file} kan niet worden geopend, want het is geen volledige zenderlijst: {why}.',
  notWhole: '{file} is geen volledige zenderlijst: {why}. Het bestand wordt geopend zoals tunvex het opent; bij ' +
    'opslaan ontstaat een volledige lijst met een nieuwe controlesom.',
  notWholeNoted: '{file} is geen volledige zenderlijst: {why}. Let op: {notes}. Het bestand wordt geopend zoals ' +
    'tunvex het opent; bij opslaan ontstaat een volledige lijst met een nieuwe controlesom.',
  wholeNoted: '{file} is een volledige zenderlijst. Let op: {notes}.',
  findingsJoin: '; ',
  keepsCounted: { one: 'Volgens het aantal in het bestand is het {n} zender: alleen die blijft bij opslaan ' +
    'bewaard, de rest erachter ({left}) vervalt.',
  other: 'Volgens het aantal in het bestand zijn het {n} zenders: alleen die blijven bij opslaan bewaard, de rest ' +
    'erachter ({left}) vervalt.' },
  tooManyToChange: { one: '{file} bevat {n} zender, meer dan er in een tekstlijst passen ({most}). Je kunt het ' +
    'bestand hier bekijken, maar niet wijzigen: wijzigingen zouden niet kunnen worden opgeslagen.',
  other: '{file} bevat {n} zenders, meer dan er in een tekstlijst passen ({most}). Je kunt het bestand hier ' +
    'bekijken, maar niet wijzigen: wijzigingen zouden niet kunnen worden opgeslagen.' },
  unsavedOpenAnother: 'De lijst bevat wijzigingen die niet zijn opgeslagen. Toch een andere lijst openen?',
  opened: { one: '{file} geopend: {n} zender', other: '{file} geopend: {n} zenders' },
  notApplied: 'De wijzigingen konden niet worden toegepast: {why}',
  changedElsewhere: '{file} is gewijzigd sinds het hier werd geopend (een ander tabblad of programma heeft het ' +
    'opgeslagen). Toch overschrijven? Die wijziging gaat dan verloren.',
  notSavedChanged: 'Niet opgeslagen: het bestand is intussen gewijzigd',
  notSaved: 'De lijst kon niet worden opgeslagen: {error}. Er is niets geschreven.',
  savedIn: { one: '{n} zender opgeslagen in {file}', other: '{n} zenders opgeslagen in {file}' },
  downloaded: { one: '{n} zender opgeslagen: je browser heeft de lijst in je map Downloads gezet, onder de naam ' +
    '{file} of, als daar al een bestand met die naam stond, met een nummer erbij.',
  other: '{n} zenders opgeslagen: je browser heeft de lijst in je map Downloads gezet, onder de naam {file} of, ' +
    'als daar al een bestand met die naam stond, met een nummer erbij.' },
  nameOnStick: 'Op de USB-stick moet het bestand precies {file} heten, zoals de ontvanger verwacht. Heeft de ' +
    'browser een nummer aan de naam toegevoegd (zoals in {example}), haal dat dan weg als je het bestand terugkopieert.',
  nameOnStickNumbered: 'Het bestand dat je hebt geopend, {opened}, heeft een nummer in de naam zoals een browser ' +
    'dat bij een download toevoegt. Op de USB-stick moet het de naam hebben waaronder de ontvanger het heeft ' +
    'geëxporteerd, waarschijnlijk {file}.',
  cannotExport: 'De tekstlijst kan niet worden geëxporteerd: {why}.',
  exported: 'Tekstlijst geëxporteerd als {file}',
  exportedUnsaved: 'Tekstlijst geëxporteerd als {file}. Die hoort bij de lijst met de wijzigingen die je hier hebt ' +
    'gemaakt, dus tunvex --apply accepteert hem pas als de lijst is opgeslagen',

  // Apply a reference.
  chooseReference: 'Kies de tekstlijst (.txt) of het oude zenderlijstbestand van vóór de zenderscan.',
  matchSummary: '{exact} exact gevonden, {loosely} bij benadering, {unmatched} helemaal niet; ' +
    '{lost} zonder overeenkomst',
  matchUnread: '{summary}. {unread} onleesbaar, de eerste op regel {line}: {why}',
  referenceLines: { one: '{n} referentieregel', other: '{n} referentieregels' },
  namesNoChannel: 'noemt geen zender',
  noLongerInList: 'niet meer in de lijst',
  channelOfType: '{name} ({type})',
  moreRows: 'en nog {n}',
  referenceTooMany: '{file} is een zenderlijst met {n} zenders, meer dan er in een tekstlijst passen ({most}), ' +
    'en kan daarom niet als referentie dienen.',
  referenceUnreadable: '{file} is een zenderlijst die tunvex niet kan lezen ({why}), en kan daarom niet als ' +
    'referentie dienen.',
  referencePartial: '{file} is een zenderlijst, maar geen volledige ({why}); de zenders erin worden gelezen zoals ' +
    'ze zijn.',
  noneInReference: 'Geen enkele zender van de lijst staat in {file}: {summary}.',
  referenceNotReadable: '{file} kan niet als referentie dienen: {why}.',

  // Print.
  printTitle: { one: '{file}: {n} zender, {date}', other: '{file}: {n} zenders, {date}' },

  // What the core finds in a list file.
  channelCount: { one: '{n} zender', other: '{n} zenders' },
  byteCount: { one: '{n} byte', other: '{n} bytes' },
  'finding.whole': { one: 'OK, {n} zender', other: 'OK, {n} zenders' },
  'finding.shorterThanHeader': { one: 'korter dan de bestandskop: {n} byte',
    other: 'korter dan de bestandskop: {n} bytes' },
  'finding.shorterThanCount': 'het opgegeven aantal is {channels}, dus {needed} inclusief de controlesom aan het ' +
    'eind, maar het bestand bevat slechts {size}',
  'finding.trailerMissing': 'de controlesom aan het eind ontbreekt',
  'finding.trailerCutShort': 'de controlesom aan het eind is onvolledig: {n} van 4 bytes',
  'finding.countTooSmall': 'het opgegeven aantal is {channels}, maar het bestand bevat {held} en een controlesom ' +
    'over al die zenders',
  'finding.checksumWrong': 'de controlesom is {stored}, maar de inhoud geeft {computed}',
  'finding.bytesAfterTrailer': { one: '{n} byte na de controlesom aan het eind',
    other: '{n} bytes na de controlesom aan het eind' },
  'finding.misnumbered': 'zender {channel} heeft de nummers {number} en {number2} in plaats van {position} ' +
    '(geen probleem: bij opslaan krijgt elke zender zijn positie als nummer)',

  // The problems of a listing, a reference or a name.
  atLine: 'regel {line}: {problem}',
  problemsJoin: '; ',
  moreProblems: 'nog {n}',
  'problem.notAChannelLine': 'geen zenderregel (NUMBER:NAME:NAME2:TYPE, of alleen NUMBER)',
  'problem.noSuchChannel': 'er is geen zender {text}: de lijst telt er {n}',
  'problem.noChannelZero': 'er is geen zender 0',
  'problem.onLineToo': 'zender {text} staat ook op regel {line}',
  'problem.typeNotTvOrRadio': 'het type moet TV of RADIO zijn, niet ‘{text}’',
  'problem.nameLength': 'de naam moet 1 tot en met 31 bytes lang zijn, niet {n}',
  'problem.newNameLength': 'de nieuwe naam van zender {channel} moet 1 tot en met 31 bytes lang zijn, niet {n}',
  'problem.nameControl': 'de naam bevat een stuurteken',
  'problem.newNameControl': 'de nieuwe naam van zender {channel} bevat een stuurteken',
  'problem.namesTooLong': 'NAME en NAME2 mogen elk hoogstens 32 bytes lang zijn',
  'problem.linesEndInCr': 'de regels eindigen op alleen CR: sla het bestand op met gewone regeleinden (LF of CR LF)',
  'problem.utf16': 'het is UTF-16-tekst: sla het op als UTF-8',
  'problem.utf32': 'het is UTF-32-tekst: sla het op als UTF-8',
  'problem.tooManyChannels': '{n} zenders, maar in een tekstlijst passen er hoogstens {most}',
  'problem.lineFeedInName': 'zender {channel} heeft een regeleinde in de naam, waardoor de regel in tweeën zou ' +
    'worden gesplitst: wijzig eerst de naam',
  newNameLength: 'De nieuwe naam moet 1 tot en met 31 bytes lang zijn, niet {n}.',
  newNameControl: 'De nieuwe naam bevat een stuurteken.',

  help: `
<h2>Waarvoor deze pagina dient</h2>
<p>Hiermee zet je de zenderlijst van je ontvanger in de volgorde die jij wilt: zenders verplaatsen, een andere
naam geven en verwijderen, op naam sorteren, of je oude volgorde overnemen in de lijst van een nieuwe
zenderscan. De pagina opent
het bestand dat de ontvanger naar een USB-stick exporteert, en slaat een nieuw bestand op dat de ontvanger weer
importeert. Het bestand wordt in deze browser gelezen en verlaat je computer nooit; er wordt niets geschreven
totdat je opslaat.</p>
<h2>Van de USB-stick en weer terug</h2>
<ol>
<li>Exporteer op de ontvanger de zenderlijst naar een USB-stick (soms heet dat ‘back-up maken’).</li>
<li>Steek de stick in de computer en kopieer het lijstbestand naar een eigen map. Laat die kopie zoals hij is:
daarmee kun je altijd terug.</li>
<li>Open de lijst hier met <b>Openen</b> (<kbd>Ctrl+O</kbd>), of sleep het bestand naar de pagina.</li>
<li>Breng je wijzigingen aan. Er wordt nog niets geschreven; met <b>Ongedaan maken</b> draai je elke wijziging
terug.</li>
<li>Klik op <b>Opslaan</b> (<kbd>Ctrl+S</kbd>). In Chrome en Edge wordt de lijst teruggeschreven naar het bestand dat je
hebt geopend (<b>Opslaan als</b> vraagt waar). In Firefox en Safari downloadt de browser de nieuwe lijst: je vindt
hem in je map Downloads.</li>
<li>Het bestand moet precies de naam hebben die de ontvanger verwacht, dus de naam die het op de stick had. Een
browser zet soms een nummer in de naam van een download (zoals in <i>zenders(1).dat</i>): haal dat weg.</li>
<li>Kopieer het bestand onder die naam naar de stick, steek de stick in de ontvanger en importeer de lijst.</li>
</ol>
<h2>Wat er bij opslaan verandert</h2>
<p>De zenders worden in hun nieuwe volgorde geschreven, genummerd vanaf 1 en met de namen die je ze hebt gegeven;
het bestand eindigt met een nieuwe controlesom. Al het andere dat het bestand over elke zender bevat, blijft
precies zoals het was.</p>
<h2>Werken met de lijst</h2>
<ul>
<li>Selecteren: klik; <kbd>Shift</kbd>+klik voor een reeks; <kbd>Ctrl</kbd>+klik om er één aan de selectie toe te
voegen of eruit weg te halen; op een touchscreen tik je op een rij, en tik je op de greep ⋮⋮ om die rij toe te
voegen of weg te halen.</li>
<li>Verplaatsen: sleep de selectie naar de plek waar die moet komen (<kbd>Esc</kbd> annuleert; op een touchscreen
sleep je aan een greep ⋮⋮), gebruik de knoppen, of geef met <b>Verplaatsen naar...</b> een positie op.</li>
<li>Naam wijzigen: <kbd>F2</kbd> of dubbelklikken. Een nieuwe naam is 1 tot en met 31 bytes lang, zonder stuurtekens;
ook de tweede naam van de zender wordt de nieuwe naam.</li>
<li>Zoeken toont alleen de zenders waarvan de naam of het nummer overeenkomt; verplaatsen geldt nog steeds voor de
posities in de hele lijst, en slepen kan pas weer als het zoekveld leeg is.</li>
<li><b>Afdrukken</b> drukt alle zenders af met nummer, namen en type, met de bestandsnaam en de datum erboven.</li>
</ul>
<h2>Wat de markeringen betekenen</h2>
<ul>
<li><i>dubbele naam</i>: een andere zender heeft ook deze naam.</li>
<li><i>naam gewijzigd</i>: je hebt de zender een nieuwe naam gegeven.</li>
<li><i>gevonden</i>, <i>bij benadering gevonden</i>, <i>nieuw</i>: hoe de zender na het toepassen van een
referentie daarin is gevonden; zenders gemarkeerd als <i>nieuw</i> stonden er niet in en komen achteraan.</li>
</ul>
<h2>Na een nieuwe zenderscan</h2>
<p>Maak vóór de scan met <b>Tekstlijst exporteren</b> een tekstlijst van je zenderlijst, of bewaar het oude
lijstbestand. Open daarna de nieuwe lijst en pas met <b>Referentie toepassen...</b> die tekstlijst of het oude
bestand toe: de pagina toont de voorgestelde volgorde, en <b>Toepassen</b> neemt die over.</p>
<h2>Toetsen</h2>
<dl>
<dt><kbd>↑</kbd> <kbd>↓</kbd>, <kbd>Shift+↑</kbd> <kbd>Shift+↓</kbd>, <kbd>Spatiebalk</kbd>, <kbd>Ctrl+A</kbd></dt>
<dd>naar een zender gaan, een reeks selecteren, één selecteren, alles selecteren</dd>
<dt><kbd>Alt+↑</kbd> <kbd>Alt+↓</kbd>, <kbd>Alt+Home</kbd> <kbd>Alt+End</kbd></dt>
<dd>de selectie omhoog of omlaag verplaatsen, helemaal bovenaan of helemaal onderaan zetten</dd>
<dt><kbd>Delete</kbd>, <kbd>F2</kbd></dt><dd>verwijderen, naam wijzigen</dd>
<dt><kbd>Ctrl+Z</kbd>, <kbd>Ctrl+Y</kbd> of <kbd>Ctrl+Shift+Z</kbd></dt><dd>ongedaan maken, opnieuw</dd>
<dt><kbd>Ctrl+O</kbd>, <kbd>Ctrl+S</kbd>, <kbd>Ctrl+Shift+S</kbd>, <kbd>Ctrl+F</kbd>, <kbd>Ctrl+P</kbd></dt>
<dd>openen, opslaan, opslaan als, zoeken, afdrukken</dd>
<dt><kbd>Tab</kbd>, <kbd>←</kbd> <kbd>→</kbd></dt><dd>naar de rij met knoppen, en van knop naar knop</dd>
</dl>
<h2>Namen en de opdrachtregel</h2>
<p>Namen worden als bytes opgeslagen: ze worden als UTF-8 getoond waar ze geldige UTF-8 zijn, anders als
Latin-1, en een nieuwe naam wordt op dezelfde manier opgeslagen als de andere namen in de lijst.
<b>Tekstlijst exporteren</b> slaat de lijst op zoals
<code>tunvex --listing</code> hem weergeeft; de eerste regel noemt de lijst waaruit hij is gemaakt, zodat
<code>tunvex --apply</code> hem alleen accepteert zolang die lijst ongewijzigd is.</p>
`,
};
