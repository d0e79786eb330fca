// The page's words in German.
export default {
  language: 'Sprache',
  title: 'tunvex: Senderlisten-Editor',
  tagline: 'Senderlisten-Editor',
  actions: 'Aktionen',
  groupFile: 'Datei',
  groupHistory: 'Verlauf',
  groupSelected: 'Ausgewählte Sender',
  open: 'Öffnen',
  openLabel: 'Senderliste öffnen',
  save: 'Speichern',
  saveAs: 'Speichern unter',
  exportListing: 'Textliste exportieren',
  reference: 'Vorlage anwenden...',
  print: 'Drucken',
  undo: 'Rückgängig',
  redo: 'Wiederholen',
  moveUp: 'Nach oben',
  moveDown: 'Nach unten',
  moveTop: 'Ganz nach oben',
  moveBottom: 'Ganz nach unten',
  moveTo: 'Verschieben nach...',
  delete: 'Löschen',
  rename: 'Umbenennen',
  sort: 'Nach Namen sortieren',
  search: 'Suchen',
  searchHint: 'Name oder Nummer',
  dismiss: 'Hinweis schließen',
  empty: 'Öffnen Sie eine Senderliste oder ziehen Sie sie hierher. Die Datei wird nur auf diesem Computer gelesen ' +
    'und nirgendwohin gesendet.',
  colNumber: 'Nr.',
  colName: 'Name',
  colName2: 'Zweiter Name',
  colType: 'Typ',
  colChannel: 'Sender',
  colMatch: 'Zuordnung',
  channelsLabel: 'Sender',
  tv: 'TV',
  radio: 'Radio',
  keyCtrl: 'Strg',
  keyAlt: 'Alt',
  keyShift: 'Umschalt',
  keyDelete: 'Entf',
  keyHome: 'Pos1',
  keyEnd: 'Ende',
  withKeys: '{action} ({keys})',
  helpTitle: 'Hilfe',
  aboutTitle: 'Info und Lizenzen',
  about: 'tunvex ist freie Software unter der MIT-Lizenz. Außer tunvex enthält diese Seite die unten genannten ' +
    'Bibliotheken, jede unter ihrer eigenen Lizenz; deren Lizenzhinweise gehören zu jeder Kopie der Seite.',
  cancel: 'Abbrechen',
  renameTitle: 'Sender {at} umbenennen',
  newName: 'Neuer Name',
  renameOk: 'Umbenennen',
  moveTitle: 'An Position verschieben',
  movePosition: 'Position des ersten ausgewählten Senders',
  moveOk: 'Verschieben',
  referenceTitle: 'Vorlage anwenden',
  referenceChoose: 'Vorlage auswählen...',
  referenceLabel: 'Vorlage: Textliste oder Senderliste',
  referenceApply: 'Anwenden',
  filePickerLists: 'Senderlisten',

  // The counts above the list.
  counts: { one: '{n} Sender: {tv} TV, {radio} Radio', other: '{n} Sender: {tv} TV, {radio} Radio' },
  countsShown: '{n} angezeigt',
  countsSelected: '{n} ausgewählt',
  countsShared: { one: '{n} mit doppeltem Namen', other: '{n} mit doppeltem Namen' },
  countsJoin: '; ',
  markSameName: 'doppelter Name',
  markRenamed: 'umbenannt',
  markNew: 'neu',
  markMatched: 'zugeordnet',
  markLoosely: 'ungefähr zugeordnet',
  marksJoin: ', ',

  // What a change says, and why one did nothing.
  movedTo: { one: '{n} Sender auf Position {at} verschoben', other: '{n} Sender auf Position {at} verschoben' },
  movedUp: { one: '{n} Sender nach oben auf Position {at} verschoben',
    other: '{n} Sender nach oben auf Position {at} verschoben' },
  movedDown: { one: '{n} Sender nach unten auf Position {at} verschoben',
    other: '{n} Sender nach unten auf Position {at} verschoben' },
  deleted: { one: '{n} Sender gelöscht', other: '{n} Sender gelöscht' },
  renamed: 'Sender {at} in „{name}“ umbenannt',
  sorted: { one: '{n} Sender nach Namen sortiert', other: '{n} Sender nach Namen sortiert' },
  referenceApplied: 'Vorlage angewendet: {summary}',
  undone: 'Rückgängig gemacht: {what}',
  redone: 'Wiederholt: {what}',
  atTop: 'Die Auswahl steht bereits ganz oben',
  atBottom: 'Die Auswahl steht bereits ganz unten',
  noneSelected: 'Kein Sender ausgewählt: Wählen Sie zuerst die gewünschten Sender aus',
  inOrderAlready: 'Die Liste ist bereits nach Namen sortiert.',
  referenceKeepsOrder: 'Mit dieser Vorlage bleibt die Reihenfolge unverändert.',
  keepOne: 'Es können nicht alle Sender gelöscht werden, denn eine Liste muss mindestens einen Sender enthalten. ' +
    'Wählen Sie weniger Sender aus.',
  wholeNumber: 'Geben Sie eine ganze Zahl von 1 bis {last} ein.',
  secondNameToo: 'Der neue Name ersetzt auch den zweiten Namen „{name2}“.',
  notLatin1: 'Diese Liste speichert Namen in Latin-1; darin lassen sich nicht alle Zeichen dieses Namens darstellen.',
  selectedAll: { one: '{n} Sender ausgewählt', other: '{n} Sender ausgewählt' },
  clearSearchToDrag: 'Leeren Sie zum Ziehen das Suchfeld. Solange gefiltert wird, verschieben Sie Sender mit den ' +
    'Schaltflächen und Tasten.',
  droppedOutside: 'Außerhalb der Liste losgelassen: nichts verschoben',
  dragCancelled: 'Ziehen abgebrochen: nichts verschoben',
  cannotChange: 'Diese Liste lässt sich hier nicht ändern, denn sie enthält mehr Sender, als eine Textliste ' +
    'fassen kann',

  // Files dropped, opened and saved.
  closeDialogFirst: 'Schließen Sie zuerst dieses Fenster, um eine andere Datei zu öffnen.',
  manyDropped: 'Es wurden {n} Dateien abgelegt; geöffnet wird nur {file}. Öffnen Sie immer nur eine Liste.',
  cannotStart: 'Die Seite ließ sich nicht starten: {error}',
  isText: '{file} ist eine Textdatei, keine Senderliste. Ist es eine vor einem Sendersuchlauf exportierte Textliste, ' +
    'dann öffnen Sie die neue Senderliste und übernehmen Sie die Reihenfolge mit „Vorlage anwenden...“',
  isTextOf: '{file} ist eine {encoding}-Textdatei, keine Senderliste. Ist es eine vor einem Sendersuchlauf ' +
    'exportierte Textliste, dann öffnen Sie die neue Senderliste und übernehmen Sie die Reihenfolge mit ' +
    '„Vorlage anwenden...“',
  stillOpen: '{file} bleibt geöffnet.',
  notAList: '{file} lässt sich nicht öffnen, denn die Datei ist keine vollständige Senderliste: {why}.',
  notWhole: '{file} ist keine vollständige Senderliste: {why}. Die Datei wird so geöffnet, wie tunvex sie öffnet; ' +
    'beim Speichern entsteht eine vollständige Liste mit neuer Prüfsumme.',
  notWholeNoted: '{file} ist keine vollständige Senderliste: {why}. Hinweis: {notes}. Die Datei wird so geöffnet, ' +
    'wie tunvex sie öffnet; beim Speichern entsteht eine vollständige Liste mit neuer Prüfsumme.',
  wholeNoted: '{file} ist eine vollständige Senderliste. Hinweis: {notes}.',
  findingsJoin: '; ',
  keepsCounted: { one: 'Laut Anzahl in der Datei ist es {n} Sender: Nur dieser bleibt beim Speichern erhalten, ' +
    'der Rest dahinter ({left}) entfällt.',
  other: 'Laut Anzahl in der Datei sind es {n} Sender: Nur diese bleiben beim Speichern erhalten, der Rest ' +
    'dahinter ({left}) entfällt.' },
  tooManyToChange: { one: '{file} enthält {n} Sender, mehr als eine Textliste fassen kann ({most}). Sie können ' +
    'die Datei hier ansehen, aber nicht ändern, denn Änderungen ließen sich nicht speichern.',
  other: '{file} enthält {n} Sender, mehr als eine Textliste fassen kann ({most}). Sie können die Datei hier ' +
    'ansehen, aber nicht ändern, denn Änderungen ließen sich nicht speichern.' },
  unsavedOpenAnother: 'Die Liste hat ungespeicherte Änderungen. Trotzdem eine andere öffnen?',
  opened: { one: '{file} geöffnet: {n} Sender', other: '{file} geöffnet: {n} Sender' },
  notApplied: 'Die Änderungen konnten nicht angewendet werden: {why}',
  changedElsewhere: '{file} wurde seit dem Öffnen geändert (ein anderer Tab oder ein anderes Programm hat die ' +
    'Datei gespeichert). Trotzdem überschreiben? Diese Änderung geht dann verloren.',
  notSavedChanged: 'Nicht gespeichert: Die Datei wurde inzwischen geändert',
  notSaved: 'Die Liste konnte nicht gespeichert werden: {error}. Es wurde nichts geschrieben.',
  savedIn: { one: '{n} Sender in {file} gespeichert', other: '{n} Sender in {file} gespeichert' },
  downloaded: { one: '{n} Sender gespeichert: Ihr Browser hat die Liste im Download-Ordner abgelegt, unter dem ' +
    'Namen {file} oder, falls es dort schon eine Datei dieses Namens gab, mit angehängter Nummer.',
  other: '{n} Sender gespeichert: Ihr Browser hat die Liste im Download-Ordner abgelegt, unter dem Namen {file} ' +
    'oder, falls es dort schon eine Datei dieses Namens gab, mit angehängter Nummer.' },
  nameOnStick: 'Auf dem USB-Stick muss die Datei genau {file} heißen, so wie der Receiver es erwartet. Hat der ' +
    'Browser eine Nummer an den Namen angehängt (wie bei {example}), entfernen Sie diese beim Zurückkopieren.',
  nameOnStickNumbered: 'Die geöffnete Datei {opened} hat eine Nummer im Namen, wie sie Browser an heruntergeladene ' +
    'Dateien anhängen. Auf dem USB-Stick muss sie den Namen tragen, unter dem der Receiver sie exportiert hat, ' +
    'vermutlich {file}.',
  cannotExport: 'Die Textliste kann nicht exportiert werden: {why}.',
  exported: 'Textliste als {file} exportiert',
  exportedUnsaved: 'Textliste als {file} exportiert. Sie bezieht sich auf die Liste mit den hier vorgenommenen ' +
    'Änderungen; tunvex --apply nimmt sie daher erst an, wenn die Liste gespeichert ist',

  // Apply a reference.
  chooseReference: 'Wählen Sie die vor dem Sendersuchlauf exportierte Textliste (.txt) oder die alte Senderliste.',
  matchSummary: '{exact} genau zugeordnet, {loosely} ungefähr, {unmatched} gar nicht; {lost} ohne Treffer',
  matchUnread: '{summary}. {unread} nicht lesbar, die erste in Zeile {line}: {why}',
  referenceLines: { one: '{n} Vorlagenzeile', other: '{n} Vorlagenzeilen' },
  namesNoChannel: 'nennt keinen Sender',
  noLongerInList: 'nicht mehr in der Liste',
  channelOfType: '{name} ({type})',
  moreRows: 'und {n} weitere',
  referenceTooMany: '{file} ist eine Senderliste mit {n} Sendern, mehr als eine Textliste fassen kann ({most}); ' +
    'daher kann sie nicht als Vorlage dienen.',
  referenceUnreadable: '{file} ist eine Senderliste, die tunvex nicht lesen kann ({why}), daher kann sie nicht ' +
    'als Vorlage dienen.',
  referencePartial: '{file} ist eine Senderliste, aber keine vollständige ({why}); ihre Sender werden so gelesen, ' +
    'wie sie sind.',
  noneInReference: 'Kein Sender der Liste ist in {file} enthalten: {summary}.',
  referenceNotReadable: '{file} kann nicht als Vorlage dienen: {why}.',

  // Print.
  printTitle: { one: '{file}: {n} Sender, {date}', other: '{file}: {n} Sender, {date}' },

  // What the core finds in a list file.
  channelCount: { one: '{n} Sender', other: '{n} Sender' },
  byteCount: { one: '{n} Byte', other: '{n} Byte' },
  'finding.whole': { one: 'OK, {n} Sender', other: 'OK, {n} Sender' },
  'finding.shorterThanHeader': { one: 'kürzer als der Dateikopf: {n} Byte', other: 'kürzer als der Dateikopf: {n} Byte' },
  'finding.shorterThanCount': 'laut Anzahl sind es {channels}, samt Prüfsumme am Dateiende also {needed}, die ' +
    'Datei enthält aber nur {size}',
  'finding.trailerMissing': 'die Prüfsumme am Dateiende fehlt',
  'finding.trailerCutShort': 'die Prüfsumme am Dateiende ist unvollständig: {n} von 4 Byte',
  'finding.countTooSmall': 'laut Anzahl sind es {channels}, die Datei enthält aber {held} und eine Prüfsumme ' +
    'über alle',
  'finding.checksumWrong': 'die Prüfsumme ist {stored}, der Inhalt ergibt aber {computed}',
  'finding.bytesAfterTrailer': { one: '{n} Byte nach der Prüfsumme am Dateiende',
    other: '{n} Byte nach der Prüfsumme am Dateiende' },
  'finding.misnumbered': 'Sender {channel} hat die Nummern {number} und {number2} statt {position} (unbedenklich: ' +
    'beim Speichern erhält jeder Sender seine Position als Nummer)',

  // The problems of a listing, a reference or a name.
  atLine: 'Zeile {line}: {problem}',
  problemsJoin: '; ',
  moreProblems: '{n} weitere',
  'problem.notAChannelLine': 'keine Senderzeile (NUMBER:NAME:NAME2:TYPE oder nur NUMBER)',
  'problem.noSuchChannel': 'es gibt keinen Sender {text}, die Liste hat nur {n}',
  'problem.noChannelZero': 'es gibt keinen Sender 0',
  'problem.onLineToo': 'Sender {text} steht auch in Zeile {line}',
  'problem.typeNotTvOrRadio': 'der Typ muss TV oder RADIO sein, nicht „{text}“',
  'problem.nameLength': 'der Name muss 1 bis 31 Byte lang sein, nicht {n}',
  'problem.newNameLength': 'der neue Name von Sender {channel} muss 1 bis 31 Byte lang sein, nicht {n}',
  'problem.nameControl': 'der Name enthält ein Steuerzeichen',
  'problem.newNameControl': 'der neue Name von Sender {channel} enthält ein Steuerzeichen',
  'problem.namesTooLong': 'NAME und NAME2 dürfen je höchstens 32 Byte lang sein',
  'problem.linesEndInCr': 'die Zeilen enden nur mit CR: Speichern Sie die Datei mit Zeilenumbrüchen LF oder CR LF',
  'problem.utf16': 'die Datei ist UTF-16-Text: Speichern Sie sie als UTF-8',
  'problem.utf32': 'die Datei ist UTF-32-Text: Speichern Sie sie als UTF-8',
  'problem.tooManyChannels': '{n} Sender, eine Textliste fasst aber höchstens {most}',
  'problem.lineFeedInName': 'Sender {channel} hat einen Zeilenumbruch im Namen, der seine Zeile teilen würde: ' +
    'Benennen Sie ihn zuerst um',
  newNameLength: 'Der neue Name muss 1 bis 31 Byte lang sein, nicht {n}.',
  newNameControl: 'Der neue Name enthält ein Steuerzeichen.',

  help: `
<h2>Wozu diese Seite dient</h2>
<p>Hier bringen Sie die Senderliste Ihres Receivers in die gewünschte Reihenfolge: Sender verschieben, umbenennen
und löschen, nach Namen sortieren oder Ihre alte Reihenfolge auf die Liste eines neuen Sendersuchlaufs übertragen.
Die Seite öffnet die Datei, die der Receiver auf einen USB-Stick exportiert, und speichert eine neue, die der
Receiver wieder importiert. Die Datei wird in diesem Browser gelesen und verlässt Ihren Computer nie; geschrieben
wird erst, wenn Sie speichern.</p>
<h2>Vom USB-Stick und zurück</h2>
<ol>
<li>Exportieren (sichern) Sie die Senderliste am Receiver auf einen USB-Stick.</li>
<li>Stecken Sie den Stick in den Computer und kopieren Sie die Listendatei in einen eigenen Ordner. Lassen Sie
diese Kopie unverändert: Damit können Sie jederzeit zum alten Stand zurück.</li>
<li>Öffnen Sie die Liste hier mit <b>Öffnen</b> (<kbd>Strg+O</kbd>), oder ziehen Sie die Datei auf die Seite.</li>
<li>Nehmen Sie Ihre Änderungen vor. Noch wird nichts geschrieben; mit <b>Rückgängig</b> nehmen Sie jede Änderung
zurück.</li>
<li>Klicken Sie auf <b>Speichern</b> (<kbd>Strg+S</kbd>). In Chrome und Edge wird die Liste in die geöffnete Datei
zurückgeschrieben (<b>Speichern unter</b> fragt nach dem Speicherort). In Firefox und Safari lädt der Browser die
neue Liste stattdessen herunter: Sie finden sie in Ihrem Download-Ordner.</li>
<li>Die Datei muss genau den Namen tragen, den der Receiver erwartet, also den Namen, den sie auf dem Stick hatte.
Ein Browser hängt an heruntergeladene Dateien manchmal eine Nummer an (wie bei <i>sender(1).dat</i>): Entfernen
Sie diese.</li>
<li>Kopieren Sie die Datei unter diesem Namen auf den Stick, stecken Sie den Stick in den Receiver und importieren
Sie die Liste.</li>
</ol>
<h2>Was beim Speichern geändert wird</h2>
<p>Die Sender werden in ihrer neuen Reihenfolge geschrieben, ab 1 nummeriert und mit den Namen, die Sie vergeben
haben; am Ende der Datei steht eine neue Prüfsumme. Alles andere, was die Datei zu jedem Sender enthält, bleibt
genau so, wie es war.</p>
<h2>Arbeiten mit der Liste</h2>
<ul>
<li>Auswählen: Klick; <kbd>Umschalt</kbd>+Klick für einen Bereich; <kbd>Strg</kbd>+Klick, um einen Sender
hinzuzufügen oder abzuwählen; auf einem Touchscreen eine Zeile antippen und ihren Griff ⋮⋮ antippen, um sie
hinzuzufügen oder abzuwählen.</li>
<li>Verschieben: die Auswahl an die gewünschte Stelle ziehen (<kbd>Esc</kbd> bricht ab; auf einem Touchscreen am
Griff ⋮⋮ ziehen), die Schaltflächen verwenden oder mit <b>Verschieben nach...</b> eine Position angeben.</li>
<li>Umbenennen: <kbd>F2</kbd> oder Doppelklick. Ein neuer Name ist 1 bis 31 Byte lang, ohne Steuerzeichen; auch
der zweite Name des Senders wird zum neuen Namen.</li>
<li>Die Suche zeigt nur die Sender, deren Name oder Nummer passt; Verschieben bezieht sich trotzdem auf die
Positionen in der ganzen Liste, und Ziehen ist erst wieder möglich, wenn das Suchfeld leer ist.</li>
<li><b>Drucken</b> druckt alle Sender mit Nummer, Namen und Typ, darüber den Dateinamen und das Datum.</li>
</ul>
<h2>Was die Markierungen bedeuten</h2>
<ul>
<li><i>doppelter Name</i>: Ein anderer Sender hat denselben Namen.</li>
<li><i>umbenannt</i>: Sie haben dem Sender einen neuen Namen gegeben.</li>
<li><i>zugeordnet</i>, <i>ungefähr zugeordnet</i>, <i>neu</i>: wie der Sender nach dem Anwenden einer Vorlage
darin gefunden wurde; mit <i>neu</i> markierte Sender kommen darin nicht vor und stehen am Ende.</li>
</ul>
<h2>Nach einem neuen Sendersuchlauf</h2>
<p>Speichern Sie vor dem Suchlauf mit <b>Textliste exportieren</b> eine Textliste Ihrer Senderliste, oder bewahren
Sie die alte Listendatei auf. Öffnen Sie danach die neue Liste und wenden Sie mit <b>Vorlage anwenden...</b> diese
Textliste oder die alte Datei an: Die Seite zeigt die vorgeschlagene Reihenfolge, und <b>Anwenden</b> übernimmt
sie.</p>
<h2>Tasten</h2>
<dl>
<dt><kbd>↑</kbd> <kbd>↓</kbd>, <kbd>Umschalt+↑</kbd> <kbd>Umschalt+↓</kbd>, <kbd>Leertaste</kbd>, <kbd>Strg+A</kbd></dt>
<dd>zu einem Sender gehen, Bereich auswählen, einen auswählen, alle auswählen</dd>
<dt><kbd>Alt+↑</kbd> <kbd>Alt+↓</kbd>, <kbd>Alt+Pos1</kbd> <kbd>Alt+Ende</kbd></dt>
<dd>Auswahl nach oben oder unten verschieben, ganz nach oben oder ganz nach unten</dd>
<dt><kbd>Entf</kbd>, <kbd>F2</kbd></dt><dd>löschen, umbenennen</dd>
<dt><kbd>Strg+Z</kbd>, <kbd>Strg+Y</kbd> oder <kbd>Strg+Umschalt+Z</kbd></dt><dd>rückgängig, wiederholen</dd>
<dt><kbd>Strg+O</kbd>, <kbd>Strg+S</kbd>, <kbd>Strg+Umschalt+S</kbd>, <kbd>Strg+F</kbd>, <kbd>Strg+P</kbd></dt>
<dd>öffnen, speichern, speichern unter, suchen, drucken</dd>
<dt><kbd>Tab</kbd>, <kbd>←</kbd> <kbd>→</kbd></dt><dd>zur Schaltflächenleiste und darin von
Schaltfläche zu Schaltfläche</dd>
</dl>
<h2>Namen und Befehlszeile</h2>
<p>Namen werden als Bytes gespeichert: Angezeigt werden sie als UTF-8, wo sie gültiges UTF-8 sind, sonst als
Latin-1, und ein neuer Name wird so geschrieben, wie die Liste ihre Namen schreibt. <b>Textliste exportieren</b>
speichert die Liste so,
wie <code>tunvex --listing</code> sie ausgibt; ihre erste Zeile nennt die Liste, aus der sie erstellt wurde, damit
<code>tunvex --apply</code> sie nur annimmt, solange diese Liste unverändert ist.</p>
`,
};
