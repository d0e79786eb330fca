// The page's words in Hungarian.
export default {
  language: 'Nyelv',
  title: 'tunvex: csatornalista-szerkesztő',
  tagline: 'csatornalista-szerkesztő',
  actions: 'Műveletek',
  groupFile: 'Fájl',
  groupHistory: 'Előzmények',
  groupSelected: 'Kijelölt csatornák',
  open: 'Megnyitás',
  openLabel: 'Csatornalista megnyitása',
  save: 'Mentés',
  saveAs: 'Mentés másként',
  exportListing: 'Jegyzék exportálása',
  reference: 'Minta alkalmazása...',
  print: 'Nyomtatás',
  undo: 'Visszavonás',
  redo: 'Újra',
  moveUp: 'Feljebb',
  moveDown: 'Lejjebb',
  moveTop: 'Legfelülre',
  moveBottom: 'Legalulra',
  moveTo: 'Áthelyezés...',
  delete: 'Törlés',
  rename: 'Átnevezés',
  sort: 'Rendezés név szerint',
  search: 'Keresés',
  searchHint: 'Név vagy szám',
  dismiss: 'Üzenet bezárása',
  empty: 'Nyisson meg egy csatornalistát, vagy húzza ide a fájlt. A listát ez a számítógép olvassa be, és sehová ' +
    'nem küldi tovább.',
  colNumber: 'Sz.',
  colName: 'Név',
  colName2: 'Második név',
  colType: 'Típus',
  colChannel: 'Csatorna',
  colMatch: 'Egyezés',
  channelsLabel: 'Csatornák',
  tv: 'TV',
  radio: 'Rádió',
  keyCtrl: 'Ctrl',
  keyAlt: 'Alt',
  keyShift: 'Shift',
  keyDelete: 'Delete',
  keyHome: 'Home',
  keyEnd: 'End',
  withKeys: '{action} ({keys})',
  helpTitle: 'Súgó',
  aboutTitle: 'Névjegy és licencek',
  about: 'A tunvex szabad szoftver, az MIT-licenc alatt érhető el. Az oldal a tunvex mellett az alább felsorolt ' +
    'programkönyvtárakat is tartalmazza, mindegyiket a saját licence szerint; ezek licencszövegei az oldal minden ' +
    'példányát kísérik.',
  cancel: 'Mégse',
  renameTitle: 'Átnevezés: {at}. csatorna',
  newName: 'Új név',
  renameOk: 'Átnevezés',
  moveTitle: 'Áthelyezés megadott helyre',
  movePosition: 'Az első kijelölt csatorna új helye',
  moveOk: 'Áthelyezés',
  referenceTitle: 'Minta alkalmazása',
  referenceChoose: 'Minta kiválasztása...',
  referenceLabel: 'Mintául szolgáló jegyzék vagy lista',
  referenceApply: 'Alkalmazás',
  filePickerLists: 'Csatornalisták',

  // The counts above the list.
  counts: { one: '{n} csatorna: {tv} TV, {radio} rádió', other: '{n} csatorna: {tv} TV, {radio} rádió' },
  countsShown: '{n} látható',
  countsSelected: '{n} kijelölve',
  countsShared: { one: '{n} csatorna neve nem egyedi', other: '{n} csatorna neve nem egyedi' },
  countsJoin: '; ',
  markSameName: 'azonos név',
  markRenamed: 'átnevezve',
  markNew: 'új',
  markMatched: 'egyezik',
  markLoosely: 'nagyjából egyezik',
  marksJoin: ', ',

  // What a change says, and why one did nothing.
  movedTo: { one: '{n} csatorna áthelyezve a lista {at}. helyére',
    other: '{n} csatorna áthelyezve a lista {at}. helyére' },
  movedUp: { one: '{n} csatorna feljebb került a lista {at}. helyére',
    other: '{n} csatorna feljebb került a lista {at}. helyére' },
  movedDown: { one: '{n} csatorna lejjebb került a lista {at}. helyére',
    other: '{n} csatorna lejjebb került a lista {at}. helyére' },
  deleted: { one: '{n} csatorna törölve', other: '{n} csatorna törölve' },
  renamed: '{at}. csatorna átnevezve erre: {name}',
  sorted: { one: '{n} csatorna név szerint rendezve', other: '{n} csatorna név szerint rendezve' },
  referenceApplied: 'Minta alkalmazva: {summary}',
  undone: 'Visszavonva: {what}',
  redone: 'Újra végrehajtva: {what}',
  atTop: 'A kijelölés már a lista elején van',
  atBottom: 'A kijelölés már a lista végén van',
  noneSelected: 'Nincs kijelölt csatorna: először jelölje ki a csatornákat',
  inOrderAlready: 'A lista már név szerint rendezett.',
  referenceKeepsOrder: 'A minta alapján a sorrend nem változik.',
  keepOne: 'Nem törölheti az összes csatornát: legalább egynek a listában kell maradnia. Jelöljön ki kevesebb ' +
    'csatornát.',
  wholeNumber: 'Adjon meg egy egész számot 1 és {last} között.',
  secondNameToo: 'Az új név a második nevet ({name2}) is lecseréli.',
  notLatin1: 'Ez a lista Latin-1 kódolással tárolja a neveket, és ebben a névben van olyan karakter, amely így nem ' +
    'írható le.',
  selectedAll: { one: '{n} csatorna kijelölve', other: '{n} csatorna kijelölve' },
  clearSearchToDrag: 'A húzáshoz törölje a keresést. Amíg a keresés szűr, a gombokkal és a billentyűkkel ' +
    'mozgathatja a csatornákat.',
  droppedOutside: 'A listán kívül engedte el: semmi sem mozdult',
  dragCancelled: 'Húzás megszakítva: semmi sem mozdult',
  cannotChange: 'Ez a lista itt nem módosítható: több csatornája van, mint ahányat egy jegyzék meg tud számozni',

  // Files dropped, opened and saved.
  closeDialogFirst: 'Másik fájl megnyitásához előbb zárja be ezt az ablakot.',
  manyDropped: '{n} fájlt húzott ide, de csak ez nyílik meg: {file}. Egyszerre csak egy listát nyisson meg.',
  cannotStart: 'Az oldal nem tudott elindulni: {error}',
  isText: 'A(z) {file} fájl szöveg, nem csatornalista. Ha egy csatornakeresés előtt készült jegyzék, nyissa meg ' +
    'a listát, és a „Minta alkalmazása...” gombbal vigye át rá a sorrendet.',
  isTextOf: 'A(z) {file} fájl {encoding} kódolású szöveg, nem csatornalista. Ha egy csatornakeresés előtt készült ' +
    'jegyzék, nyissa meg a listát, és a „Minta alkalmazása...” gombbal vigye át rá a sorrendet.',
  stillOpen: 'Továbbra is ez van megnyitva: {file}.',
  notAList: 'A(z) {file} fájl nem nyitható meg, mert nem teljes csatornalista: {why}.',
  notWhole: 'A(z) {file} fájl nem teljes csatornalista: {why}. Úgy nyílik meg, ahogy a tunvex is megnyitná; ' +
    'mentéskor teljes lista készül, új ellenőrzőösszeggel.',
  notWholeNoted: 'A(z) {file} fájl nem teljes csatornalista: {why}. Megjegyzés: {notes}. Úgy nyílik meg, ahogy ' +
    'a tunvex is megnyitná; mentéskor teljes lista készül, új ellenőrzőösszeggel.',
  wholeNoted: 'A(z) {file} fájl teljes csatornalista. Megjegyzés: {notes}.',
  findingsJoin: '; ',
  keepsCounted: { one: 'Mentéskor csak a fájlban megadott {n} csatorna marad meg, az utána következő {left} kimarad.',
    other: 'Mentéskor csak a fájlban megadott {n} csatorna marad meg, az utánuk következő {left} kimarad.' },
  tooManyToChange: { one: 'A(z) {file} fájlban {n} csatorna van, több, mint ahányat egy jegyzék meg tud számozni ' +
    '({most}). Itt megtekinthető, de módosítani nem lehet, mert a módosítást nem lehetne menteni.',
  other: 'A(z) {file} fájlban {n} csatorna van, több, mint ahányat egy jegyzék meg tud számozni ({most}). Itt ' +
    'megtekinthető, de módosítani nem lehet, mert a módosítást nem lehetne menteni.' },
  unsavedOpenAnother: 'A lista módosításai nincsenek mentve. Mégis megnyit egy másikat?',
  opened: { one: 'Megnyitva: {file} ({n} csatorna)', other: 'Megnyitva: {file} ({n} csatorna)' },
  notApplied: 'A módosítások nem alkalmazhatók: {why}',
  changedElsewhere: 'A(z) {file} fájl megváltozott, mióta itt megnyitotta (egy másik lap vagy program mentette). ' +
    'Felülírja, és elveti azt a módosítást?',
  notSavedChanged: 'Nincs mentve: a fájl közben megváltozott',
  notSaved: 'A lista mentése nem sikerült: {error}. Semmi sem íródott ki.',
  savedIn: { one: '{n} csatorna mentve ide: {file}', other: '{n} csatorna mentve ide: {file}' },
  downloaded: { one: '{n} csatorna mentve: a böngésző a letöltések mappájába tette a listát {file} néven, vagy ha ' +
    'már volt ott ilyen nevű fájl, a nevéhez fűzött számmal.',
  other: '{n} csatorna mentve: a böngésző a letöltések mappájába tette a listát {file} néven, vagy ha már volt ott ' +
    'ilyen nevű fájl, a nevéhez fűzött számmal.' },
  nameOnStick: 'A pendrive-on a fájl neve pontosan {file} legyen, mert a vevőkészülék ezt várja: ha a böngésző ' +
    'számot fűzött a nevéhez (például {example}), a visszamásoláskor törölje ki belőle.',
  nameOnStickNumbered: 'A megnyitott {opened} fájl nevében olyan szám van, amilyet a böngésző a letöltött fájlok ' +
    'nevéhez fűz. A pendrive-on a fájl neve az legyen, amelyen a vevőkészülék exportálta, vagyis valószínűleg {file}.',
  cannotExport: 'A jegyzék nem exportálható: {why}.',
  exported: 'Jegyzék exportálva {file} néven',
  exportedUnsaved: 'Jegyzék exportálva {file} néven. Az itt módosított listára hivatkozik, ezért a tunvex --apply ' +
    'csak a lista mentése után fogadja el',

  // Apply a reference.
  chooseReference: 'Válassza ki a jegyzéket (.txt) vagy az új csatornakeresés előtti listafájlt.',
  matchSummary: '{exact} csatorna pontosan egyezik, {loosely} nagyjából, {unmatched} egyáltalán nem; {lost} nem ' +
    'talált csatornát',
  matchUnread: '{summary}. {unread} nem olvasható; az első a(z) {line}. sorban: {why}',
  referenceLines: { one: '{n} mintasor', other: '{n} mintasor' },
  namesNoChannel: 'nem jelöl csatornát',
  noLongerInList: 'már nincs a listában',
  channelOfType: '{name} ({type})',
  moreRows: 'és még {n}',
  referenceTooMany: 'A(z) {file} csatornalistában {n} csatorna van, több, mint ahányat egy jegyzék meg tud ' +
    'számozni ({most}), ezért nem használható mintaként.',
  referenceUnreadable: 'A(z) {file} fájl olyan csatornalista, amelyet a tunvex nem tud beolvasni ({why}), ezért ' +
    'nem használható mintaként.',
  referencePartial: 'A(z) {file} fájl csatornalista, de nem teljes ({why}); a benne lévő csatornákat az oldal úgy ' +
    'olvassa be, ahogy vannak.',
  noneInReference: 'A lista egyik csatornája sincs benne a(z) {file} fájlban: {summary}.',
  referenceNotReadable: 'A(z) {file} fájl nem használható mintaként: {why}.',

  // Print.
  printTitle: { one: '{file}: {n} csatorna, {date}', other: '{file}: {n} csatorna, {date}' },

  // What the core finds in a list file.
  channelCount: { one: '{n} csatorna', other: '{n} csatorna' },
  byteCount: { one: '{n} bájt', other: '{n} bájt' },
  'finding.whole': { one: 'rendben, {n} csatorna', other: 'rendben, {n} csatorna' },
  'finding.shorterThanHeader': { one: 'csak {n} bájt hosszú, rövidebb a fejlécénél',
    other: 'csak {n} bájt hosszú, rövidebb a fejlécénél' },
  'finding.shorterThanCount': 'a megadott darabszám szerint {channels} van benne, ez a záró ellenőrzőösszeggel ' +
    'együtt {needed}, de a fájl mérete csak {size}',
  'finding.trailerMissing': 'hiányzik a záró ellenőrzőösszeg',
  'finding.trailerCutShort': 'a záró ellenőrzőösszeg csonka, a 4 bájtból csak {n} van meg',
  'finding.countTooSmall': 'a megadott darabszám szerint {channels} van benne, de a fájlban {held} csatorna és ' +
    'egy mindegyikükre kiszámolt ellenőrzőösszeg van',
  'finding.checksumWrong': 'az ellenőrzőösszeg {stored}, de a tartalomból számolt érték {computed}',
  'finding.bytesAfterTrailer': { one: 'a záró ellenőrzőösszeg után még {n} bájt van',
    other: 'a záró ellenőrzőösszeg után még {n} bájt van' },
  'finding.misnumbered': 'a lista {channel}. csatornájának száma {number} és {number2}, nem pedig {position} ' +
    '(ártalmatlan: mentéskor minden csatorna a helyének megfelelő számot kapja)',

  // The problems of a listing, a reference or a name.
  atLine: '{line}. sor: {problem}',
  problemsJoin: '; ',
  moreProblems: 'és még {n}',
  'problem.notAChannelLine': 'nem csatornasor (NUMBER:NAME:NAME2:TYPE, vagy csak NUMBER)',
  'problem.noSuchChannel': 'nincs {text} számú csatorna (a listában csak {n} van)',
  'problem.noChannelZero': 'nincs 0. csatorna',
  'problem.onLineToo': 'ugyanez a csatorna ({text}) a jegyzék {line}. sorában is szerepel',
  'problem.typeNotTvOrRadio': 'a típus csak TV vagy RADIO lehet, nem „{text}”',
  'problem.nameLength': 'a név 1–31 bájt hosszú lehet, ez {n} bájt',
  'problem.newNameLength': 'a lista {channel}. csatornájának új neve 1–31 bájt hosszú lehet, ez {n} bájt',
  'problem.nameControl': 'a névben vezérlőkarakter van',
  'problem.newNameControl': 'a lista {channel}. csatornájának új nevében vezérlőkarakter van',
  'problem.namesTooLong': 'a NAME és a NAME2 egyenként legfeljebb 32 bájt lehet',
  'problem.linesEndInCr': 'a sorok végén csak CR áll: mentse el soremeléses sorvégekkel (LF vagy CR LF)',
  'problem.utf16': 'ez UTF-16 kódolású szöveg: mentse el UTF-8 kódolással',
  'problem.utf32': 'ez UTF-32 kódolású szöveg: mentse el UTF-8 kódolással',
  'problem.tooManyChannels': '{n} csatorna, de egy jegyzék legfeljebb {most} csatornát tud megszámozni',
  'problem.lineFeedInName': 'a lista {channel}. csatornájának nevében soremelés van, ami kettévágná a sort: előbb ' +
    'nevezze át a csatornát',
  newNameLength: 'Az új név 1–31 bájt hosszú lehet, ez {n} bájt.',
  newNameControl: 'Az új névben vezérlőkarakter van.',

  help: `
<h2>Mire való ez az oldal?</h2>
<p>Ezzel az oldallal a vevőkészülék csatornalistáját a kívánt sorrendbe teheti: csatornákat helyezhet át, nevezhet
át és törölhet, név szerint rendezheti őket, vagy a régi sorrendet átviheti egy új csatornakeresés listájára. Az
oldal azt a fájlt nyitja meg, amelyet a vevőkészülék pendrive-ra exportál, és új fájlt ment, amelyet a készülék
importálni tud. A fájlt ez a böngésző olvassa be, és soha nem hagyja el a számítógépet; mentésig semmi sem íródik
ki.</p>
<h2>Pendrive-ról pendrive-ra</h2>
<ol>
<li>A vevőkészüléken exportálja (mentse ki) a csatornalistát pendrive-ra.</li>
<li>Dugja a pendrive-ot a számítógépbe, és másolja a listafájlt egy saját mappába. Ezt a másolatot hagyja
változatlanul: ezzel bármikor visszatérhet az eredetihez.</li>
<li>Nyissa meg itt a listát: <b>Megnyitás</b> (<kbd>Ctrl+O</kbd>), vagy húzza a fájlt az oldalra.</li>
<li>Végezze el a módosításokat. Még semmi sem íródik ki; a <b>Visszavonás</b> gombbal bármelyik visszavonható.</li>
<li>Mentse a listát: <b>Mentés</b> (<kbd>Ctrl+S</kbd>). A Chrome és az Edge a megnyitott fájlba írja vissza a
listát (a <b>Mentés másként</b> rákérdez, hová). A Firefox és a Safari ehelyett letölti az új listát: a letöltések
mappájában találja.</li>
<li>A fájl neve pontosan az legyen, amit a vevőkészülék vár, vagyis ugyanaz, mint a pendrive-on. A böngésző
számot fűzhet a letöltött fájl nevéhez (például <i>csatornalista(1).dat</i>): ezt törölje ki belőle.</li>
<li>Másolja a fájlt ezen a néven a pendrive-ra, dugja a pendrive-ot a vevőkészülékbe, és importálja a listát.</li>
</ol>
<h2>Mit változtat a mentés?</h2>
<p>A csatornák az új sorrendjükben, 1-től számozva, az Ön által adott nevekkel kerülnek a fájlba, a fájl végére
pedig új ellenőrzőösszeg kerül. Minden más, amit a fájl az egyes csatornákról tárol, pontosan úgy marad, ahogy
volt.</p>
<h2>Munka a listával</h2>
<ul>
<li>Kijelölés: kattintással; <kbd>Shift</kbd>+kattintással tartományt, <kbd>Ctrl</kbd>+kattintással egy további
csatornát jelölhet ki, vagy egyet kivehet a kijelölésből; érintőképernyőn koppintson a sorra, a ⋮⋮ fogantyújára
koppintva pedig hozzáadhatja a kijelöléshez, vagy kiveheti belőle.</li>
<li>Áthelyezés: húzza a kijelölést a kívánt helyre (az <kbd>Esc</kbd> megszakítja; érintőképernyőn a ⋮⋮
fogantyút húzza), használja a gombokat, vagy adja meg a helyet az <b>Áthelyezés...</b> gombbal.</li>
<li>Átnevezés: <kbd>F2</kbd> vagy dupla kattintás. Az új név 1–31 bájt hosszú lehet, vezérlőkarakterek nélkül; a
csatorna második neve is az új név lesz.</li>
<li>A keresés csak azokat a csatornákat mutatja, amelyeknek a neve vagy a száma megfelel a keresésnek; az
áthelyezés ilyenkor is a teljes lista helyeire vonatkozik, húzni pedig csak a keresés törlése után lehet.</li>
<li>A <b>Nyomtatás</b> minden csatornát kinyomtat a számával, a neveivel és a típusával, fölöttük a fájl nevével és
a dátummal.</li>
</ul>
<h2>Mit jelentenek a jelölések?</h2>
<ul>
<li><i>azonos név</i>: egy másik csatornának is ez a neve.</li>
<li><i>átnevezve</i>: Ön új nevet adott a csatornának.</li>
<li><i>egyezik</i>, <i>nagyjából egyezik</i>, <i>új</i>: minta alkalmazása után azt mutatja, hogyan talált rá az
oldal a csatornára a mintában; az <i>új</i> csatornák nem szerepeltek benne, és a lista végére kerülnek.</li>
</ul>
<h2>Új csatornakeresés után</h2>
<p>A keresés előtt mentsen jegyzéket a listáról a <b>Jegyzék exportálása</b> gombbal, vagy tartsa meg a régi
listafájlt. Ezután nyissa meg az új listát, és használja a <b>Minta alkalmazása...</b> gombot azzal a jegyzékkel
vagy régi fájllal: az oldal megmutatja a javasolt sorrendet, az <b>Alkalmazás</b> gombbal pedig érvénybe
léptetheti.</p>
<h2>Billentyűk</h2>
<dl>
<dt><kbd>↑</kbd> <kbd>↓</kbd>, <kbd>Shift+↑</kbd> <kbd>Shift+↓</kbd>, <kbd>Szóköz</kbd>, <kbd>Ctrl+A</kbd></dt>
<dd>ugrás egy csatornára, tartomány kijelölése, egy csatorna kijelölése, az összes kijelölése</dd>
<dt><kbd>Alt+↑</kbd> <kbd>Alt+↓</kbd>, <kbd>Alt+Home</kbd> <kbd>Alt+End</kbd></dt>
<dd>a kijelölés mozgatása fel vagy le, a lista elejére vagy végére</dd>
<dt><kbd>Delete</kbd>, <kbd>F2</kbd></dt><dd>törlés, átnevezés</dd>
<dt><kbd>Ctrl+Z</kbd>, <kbd>Ctrl+Y</kbd> vagy <kbd>Ctrl+Shift+Z</kbd></dt><dd>visszavonás, újra</dd>
<dt><kbd>Ctrl+O</kbd>, <kbd>Ctrl+S</kbd>, <kbd>Ctrl+Shift+S</kbd>, <kbd>Ctrl+F</kbd>, <kbd>Ctrl+P</kbd></dt>
<dd>megnyitás, mentés, mentés másként, keresés, nyomtatás</dd>
<dt><kbd>Tab</kbd>, <kbd>←</kbd> <kbd>→</kbd></dt><dd>ugrás a gombsorra, majd a gombok között</dd>
</dl>
<h2>A nevek és a parancssor</h2>
<p>A nevek bájtokból állnak: ahol érvényes UTF-8 kódolásúak, ott UTF-8 szerint jelennek meg, máshol Latin-1
szerint, az új nevet pedig az oldal ugyanúgy írja ki, ahogy a lista a neveit tárolja. A <b>Jegyzék exportálása</b>
úgy menti a listát, ahogy a <code>tunvex --listing</code> kiírja; a jegyzék első sora megnevezi a listát, amelyből
készült, így a <code>tunvex --apply</code> csak addig fogadja el, amíg a lista változatlan.</p>
`,
};
