// The page's words in Polish.
export default {
  language: 'Język',
  title: 'tunvex: edytor listy kanałów',
  tagline: 'edytor listy kanałów',
  actions: 'Działania',
  groupFile: 'Plik',
  groupHistory: 'Historia',
  groupSelected: 'Zaznaczone kanały',
  open: 'Otwórz',
  openLabel: 'Otwórz listę kanałów',
  save: 'Zapisz',
  saveAs: 'Zapisz jako',
  exportListing: 'Eksportuj wykaz',
  reference: 'Zastosuj wzorzec...',
  print: 'Drukuj',
  undo: 'Cofnij',
  redo: 'Ponów',
  moveUp: 'W górę',
  moveDown: 'W dół',
  moveTop: 'Na początek',
  moveBottom: 'Na koniec',
  moveTo: 'Przenieś na pozycję...',
  delete: 'Usuń',
  rename: 'Zmień nazwę',
  sort: 'Sortuj według nazwy',
  search: 'Szukaj',
  searchHint: 'Nazwa lub numer',
  dismiss: 'Zamknij ten komunikat',
  empty: 'Otwórz listę kanałów albo przeciągnij ją tutaj. Plik jest odczytywany tylko na tym komputerze i nigdzie ' +
    'nie jest wysyłany.',
  colNumber: 'Nr',
  colName: 'Nazwa',
  colName2: 'Druga nazwa',
  colType: 'Typ',
  colChannel: 'Kanał',
  colMatch: 'Dopasowanie',
  channelsLabel: 'Kanały',
  tv: 'TV',
  radio: 'Radio',
  keyCtrl: 'Ctrl',
  keyAlt: 'Alt',
  keyShift: 'Shift',
  keyDelete: 'Delete',
  keyHome: 'Home',
  keyEnd: 'End',
  withKeys: '{action} ({keys})',
  helpTitle: 'Pomoc',
  aboutTitle: 'O programie i licencje',
  about: 'tunvex to wolne oprogramowanie na licencji MIT. Oprócz programu tunvex strona zawiera wymienione ' +
    'poniżej biblioteki, każdą na własnej licencji; ich informacje licencyjne są dołączone do każdej kopii strony.',
  cancel: 'Anuluj',
  renameTitle: 'Zmień nazwę kanału {at}',
  newName: 'Nowa nazwa',
  renameOk: 'Zmień nazwę',
  moveTitle: 'Przenieś na pozycję',
  movePosition: 'Pozycja pierwszego zaznaczonego kanału',
  moveOk: 'Przenieś',
  referenceTitle: 'Zastosuj wzorzec',
  referenceChoose: 'Wybierz wzorzec...',
  referenceLabel: 'Wykaz lub lista jako wzorzec',
  referenceApply: 'Zastosuj',
  filePickerLists: 'Listy kanałów',

  // The counts above the list.
  counts: {
    one: '{n} kanał: TV {tv}, radio {radio}',
    few: '{n} kanały: TV {tv}, radio {radio}',
    many: '{n} kanałów: TV {tv}, radio {radio}',
    other: '{n} kanału: TV {tv}, radio {radio}',
  },
  countsShown: 'widoczne: {n}',
  countsSelected: 'zaznaczone: {n}',
  countsShared: {
    one: '{n} kanał o powtarzającej się nazwie',
    few: '{n} kanały o powtarzającej się nazwie',
    many: '{n} kanałów o powtarzającej się nazwie',
    other: '{n} kanału o powtarzającej się nazwie',
  },
  countsJoin: '; ',
  markSameName: 'ta sama nazwa',
  markRenamed: 'zmieniona nazwa',
  markNew: 'nowy',
  markMatched: 'dopasowany',
  markLoosely: 'dopasowany w przybliżeniu',
  marksJoin: ', ',

  // What a change says, and why one did nothing.
  movedTo: {
    one: 'Przeniesiono {n} kanał na pozycję {at}',
    few: 'Przeniesiono {n} kanały na pozycję {at}',
    many: 'Przeniesiono {n} kanałów na pozycję {at}',
    other: 'Przeniesiono {n} kanału na pozycję {at}',
  },
  movedUp: {
    one: 'Przesunięto {n} kanał w górę na pozycję {at}',
    few: 'Przesunięto {n} kanały w górę na pozycję {at}',
    many: 'Przesunięto {n} kanałów w górę na pozycję {at}',
    other: 'Przesunięto {n} kanału w górę na pozycję {at}',
  },
  movedDown: {
    one: 'Przesunięto {n} kanał w dół na pozycję {at}',
    few: 'Przesunięto {n} kanały w dół na pozycję {at}',
    many: 'Przesunięto {n} kanałów w dół na pozycję {at}',
    other: 'Przesunięto {n} kanału w dół na pozycję {at}',
  },
  deleted: {
    one: 'Usunięto {n} kanał',
    few: 'Usunięto {n} kanały',
    many: 'Usunięto {n} kanałów',
    other: 'Usunięto {n} kanału',
  },
  renamed: 'Zmieniono nazwę kanału {at} na {name}',
  sorted: {
    one: 'Posortowano {n} kanał według nazwy',
    few: 'Posortowano {n} kanały według nazwy',
    many: 'Posortowano {n} kanałów według nazwy',
    other: 'Posortowano {n} kanału według nazwy',
  },
  referenceApplied: 'Zastosowano wzorzec: {summary}',
  undone: 'Cofnięto: „{what}”',
  redone: 'Ponowiono: „{what}”',
  atTop: 'Zaznaczenie jest już na początku',
  atBottom: 'Zaznaczenie jest już na końcu',
  noneSelected: 'Nie zaznaczono żadnego kanału: najpierw zaznacz kanały',
  inOrderAlready: 'Lista jest już posortowana według nazwy.',
  referenceKeepsOrder: 'Wzorzec nie zmienia kolejności.',
  keepOne: 'Nie można usunąć wszystkich kanałów: na liście musi zostać co najmniej jeden. Zaznacz mniej kanałów.',
  wholeNumber: 'Podaj liczbę całkowitą od 1 do {last}.',
  secondNameToo: 'Nowa nazwa zastąpi też drugą nazwę kanału ({name2}).',
  notLatin1: 'Ta lista zapisuje nazwy w kodowaniu Latin-1, w którym nie da się zapisać wszystkich znaków tej nazwy.',
  selectedAll: {
    one: 'Zaznaczono {n} kanał',
    few: 'Zaznaczono {n} kanały',
    many: 'Zaznaczono {n} kanałów',
    other: 'Zaznaczono {n} kanału',
  },
  clearSearchToDrag: 'Aby przeciągać, wyczyść wyszukiwanie. Podczas wyszukiwania przenoś kanały przyciskami lub ' +
    'klawiszami.',
  droppedOutside: 'Upuszczono poza listą: nic nie przeniesiono',
  dragCancelled: 'Anulowano przeciąganie: nic nie przeniesiono',
  cannotChange: 'Tej listy nie można tu zmieniać: ma więcej kanałów, niż może ponumerować wykaz',

  // Files dropped, opened and saved.
  closeDialogFirst: 'Aby otworzyć inny plik, najpierw zamknij to okno.',
  manyDropped: 'Liczba przeciągniętych plików: {n}. Otwarty zostanie tylko plik {file}: otwieraj jedną listę naraz.',
  cannotStart: 'Nie udało się uruchomić strony: {error}',
  isText: '{file} to plik tekstowy, a nie lista kanałów. Jeśli to wykaz utworzony przed ponownym wyszukiwaniem ' +
    'kanałów, otwórz listę i przenieś na nią kolejność z wykazu przyciskiem „Zastosuj wzorzec...”.',
  isTextOf: '{file} to tekst w kodowaniu {encoding}, a nie lista kanałów. Jeśli to wykaz utworzony przed ponownym ' +
    'wyszukiwaniem kanałów, otwórz listę i przenieś na nią kolejność z wykazu przyciskiem „Zastosuj wzorzec...”.',
  stillOpen: 'Nadal otwarty jest plik {file}.',
  notAList: 'Nie można otworzyć pliku {file}, bo nie jest to kompletna lista kanałów: {why}.',
  notWhole: 'Plik {file} nie jest kompletną listą kanałów: {why}. Zostanie otwarty tak, jak otwiera go tunvex; ' +
    'zapis utworzy kompletną listę z nową sumą kontrolną.',
  notWholeNoted: 'Plik {file} nie jest kompletną listą kanałów: {why}. Uwaga: {notes}. Zostanie otwarty tak, ' +
    'jak otwiera go tunvex; zapis utworzy kompletną listę z nową sumą kontrolną.',
  wholeNoted: 'Plik {file} jest kompletną listą kanałów. Uwaga: {notes}.',
  findingsJoin: '; ',
  keepsCounted: {
    one: 'Zapis zachowa tylko {n} kanał, zgodnie z licznikiem w pliku; wszystko za nim zostanie pominięte ({left}).',
    few: 'Zapis zachowa tylko {n} kanały, zgodnie z licznikiem w pliku; wszystko za nimi zostanie pominięte ({left}).',
    many: 'Zapis zachowa tylko {n} kanałów, zgodnie z licznikiem w pliku; wszystko za nimi zostanie pominięte ' +
      '({left}).',
    other: 'Zapis zachowa tylko {n} kanału, zgodnie z licznikiem w pliku; wszystko za nimi zostanie pominięte ' +
      '({left}).',
  },
  tooManyToChange: {
    one: 'Plik {file} ma {n} kanał, więcej, niż może ponumerować wykaz ({most}). Można go tu przejrzeć, ' +
      'ale żadnej zmiany nie dałoby się zapisać, więc nie można go zmieniać.',
    few: 'Plik {file} ma {n} kanały, więcej, niż może ponumerować wykaz ({most}). Można go tu przejrzeć, ' +
      'ale żadnej zmiany nie dałoby się zapisać, więc nie można go zmieniać.',
    many: 'Plik {file} ma {n} kanałów, więcej, niż może ponumerować wykaz ({most}). Można go tu przejrzeć, ' +
      'ale żadnej zmiany nie dałoby się zapisać, więc nie można go zmieniać.',
    other: 'Plik {file} ma {n} kanału, więcej, niż może ponumerować wykaz ({most}). Można go tu przejrzeć, ' +
      'ale żadnej zmiany nie dałoby się zapisać, więc nie można go zmieniać.',
  },
  unsavedOpenAnother: 'Lista ma niezapisane zmiany. Mimo to otworzyć inną?',
  opened: {
    one: 'Otwarto plik {file}: {n} kanał',
    few: 'Otwarto plik {file}: {n} kanały',
    many: 'Otwarto plik {file}: {n} kanałów',
    other: 'Otwarto plik {file}: {n} kanału',
  },
  notApplied: 'Nie udało się zastosować zmian: {why}',
  changedElsewhere: 'Plik {file} zmienił się od czasu otwarcia (zapisała go inna karta lub inny program). ' +
    'Nadpisać go i utracić tamtą zmianę?',
  notSavedChanged: 'Nie zapisano: plik w międzyczasie się zmienił',
  notSaved: 'Nie udało się zapisać listy: {error}. Nic nie zostało zapisane.',
  savedIn: {
    one: 'Zapisano {n} kanał w pliku {file}',
    few: 'Zapisano {n} kanały w pliku {file}',
    many: 'Zapisano {n} kanałów w pliku {file}',
    other: 'Zapisano {n} kanału w pliku {file}',
  },
  downloaded: {
    one: 'Zapisano {n} kanał: przeglądarka umieściła listę w folderze pobranych plików pod nazwą {file}, a jeśli ' +
      'był tam już plik o tej nazwie, to z dopisanym numerem.',
    few: 'Zapisano {n} kanały: przeglądarka umieściła listę w folderze pobranych plików pod nazwą {file}, a jeśli ' +
      'był tam już plik o tej nazwie, to z dopisanym numerem.',
    many: 'Zapisano {n} kanałów: przeglądarka umieściła listę w folderze pobranych plików pod nazwą {file}, a jeśli ' +
      'był tam już plik o tej nazwie, to z dopisanym numerem.',
    other: 'Zapisano {n} kanału: przeglądarka umieściła listę w folderze pobranych plików pod nazwą {file}, a jeśli ' +
      'był tam już plik o tej nazwie, to z dopisanym numerem.',
  },
  nameOnStick: 'Na pamięci USB plik musi się nazywać dokładnie {file}, bo tego oczekuje odbiornik. Jeśli ' +
    'przeglądarka dodała do nazwy numer (np. {example}), usuń go przy kopiowaniu pliku z powrotem.',
  nameOnStickNumbered: 'Otwarty plik {opened} ma w nazwie numer, jaki przeglądarka dodaje do pobranych plików. ' +
    'Na pamięci USB musi mieć nazwę, pod którą wyeksportował go odbiornik, czyli najpewniej {file}.',
  cannotExport: 'Nie można wyeksportować wykazu: {why}.',
  exported: 'Wyeksportowano wykaz jako {file}',
  exportedUnsaved: 'Wyeksportowano wykaz jako {file}: odnosi się do listy ze zmianami wprowadzonymi tutaj, więc ' +
    'tunvex --apply przyjmie go dopiero po zapisaniu listy',

  // Apply a reference.
  chooseReference: 'Wybierz wykaz (.txt) albo plik listy sprzed ponownego wyszukiwania kanałów.',
  matchSummary: 'dopasowane dokładnie: {exact}, w przybliżeniu: {loosely}, niedopasowane: {unmatched}; {lost} ' +
    'bez dopasowania',
  matchUnread: '{summary}. Nie udało się odczytać: {unread}; pierwszy to wiersz {line}: {why}',
  referenceLines: {
    one: '{n} wiersz wzorca',
    few: '{n} wiersze wzorca',
    many: '{n} wierszy wzorca',
    other: '{n} wiersza wzorca',
  },
  namesNoChannel: 'nie odpowiada żadnemu kanałowi',
  noLongerInList: 'nie ma go już na liście',
  channelOfType: '{name} ({type})',
  moreRows: 'i jeszcze {n}',
  referenceTooMany: 'Plik {file} to lista kanałów, ale ma ich więcej ({n}), niż może ponumerować wykaz ' +
    '({most}): nie może posłużyć jako wzorzec.',
  referenceUnreadable: 'Plik {file} to lista kanałów, której tunvex nie potrafi odczytać ({why}), więc nie może ' +
    'posłużyć jako wzorzec.',
  referencePartial: 'Plik {file} to lista kanałów, ale niekompletna ({why}); jej kanały zostaną odczytane tak, ' +
    'jak są.',
  noneInReference: 'Żadnego kanału z listy nie ma w pliku {file}: {summary}.',
  referenceNotReadable: 'Plik {file} nie może posłużyć jako wzorzec: {why}.',

  // Print.
  printTitle: {
    one: '{file}: {n} kanał, {date}',
    few: '{file}: {n} kanały, {date}',
    many: '{file}: {n} kanałów, {date}',
    other: '{file}: {n} kanału, {date}',
  },

  // What the core finds in a list file.
  channelCount: { one: '{n} kanał', few: '{n} kanały', many: '{n} kanałów', other: '{n} kanału' },
  byteCount: { one: '{n} bajt', few: '{n} bajty', many: '{n} bajtów', other: '{n} bajta' },
  'finding.whole': { one: 'OK, {n} kanał', few: 'OK, {n} kanały', many: 'OK, {n} kanałów', other: 'OK, {n} kanału' },
  'finding.shorterThanHeader': {
    one: 'plik jest krótszy niż nagłówek (ma tylko {n} bajt)',
    few: 'plik jest krótszy niż nagłówek (ma tylko {n} bajty)',
    many: 'plik jest krótszy niż nagłówek (ma tylko {n} bajtów)',
    other: 'plik jest krótszy niż nagłówek (ma tylko {n} bajta)',
  },
  'finding.shorterThanCount': 'licznik wskazuje {channels}, co razem z sumą kontrolną na końcu daje {needed}, ' +
    'ale plik ma tylko {size}',
  'finding.trailerMissing': 'brak sumy kontrolnej na końcu pliku',
  'finding.trailerCutShort': 'suma kontrolna na końcu pliku jest ucięta: {n} z 4 bajtów',
  'finding.countTooSmall': 'licznik wskazuje {channels}, ale plik zawiera ich {held} oraz sumę kontrolną ich ' +
    'wszystkich',
  'finding.checksumWrong': 'zapisana suma kontrolna to {stored}, a obliczona z zawartości to {computed}',
  'finding.bytesAfterTrailer': {
    one: '{n} bajt za sumą kontrolną',
    few: '{n} bajty za sumą kontrolną',
    many: '{n} bajtów za sumą kontrolną',
    other: '{n} bajta za sumą kontrolną',
  },
  'finding.misnumbered': 'kanał {channel} ma numery {number} i {number2}, a nie {position} (to nic groźnego: ' +
    'przy zapisie każdy kanał dostaje numer swojej pozycji)',

  // The problems of a listing, a reference or a name.
  atLine: 'wiersz {line}: {problem}',
  problemsJoin: '; ',
  moreProblems: 'i jeszcze {n}',
  'problem.notAChannelLine': 'to nie jest wiersz kanału (NUMBER:NAME:NAME2:TYPE albo samo NUMBER)',
  'problem.noSuchChannel': 'nie ma kanału {text} (liczba kanałów na liście: {n})',
  'problem.noChannelZero': 'nie ma kanału 0',
  'problem.onLineToo': 'kanał {text} jest też w wierszu {line}',
  'problem.typeNotTvOrRadio': 'typ musi mieć wartość TV lub RADIO, a nie „{text}”',
  'problem.nameLength': 'nazwa musi mieć od 1 do 31 bajtów, a nie {n}',
  'problem.newNameLength': 'nowa nazwa kanału {channel} musi mieć od 1 do 31 bajtów, a nie {n}',
  'problem.nameControl': 'nazwa zawiera znak sterujący',
  'problem.newNameControl': 'nowa nazwa kanału {channel} zawiera znak sterujący',
  'problem.namesTooLong': 'NAME i NAME2 mogą mieć najwyżej po 32 bajty',
  'problem.linesEndInCr': 'wiersze kończą się samym znakiem CR: zapisz plik ze znakami końca wiersza LF lub CR LF',
  'problem.utf16': 'to tekst w UTF-16: zapisz go jako UTF-8',
  'problem.utf32': 'to tekst w UTF-32: zapisz go jako UTF-8',
  'problem.tooManyChannels': 'liczba kanałów to {n}, a wykaz może ponumerować najwyżej {most}',
  'problem.lineFeedInName': 'kanał {channel} ma w nazwie znak nowego wiersza, który podzieliłby jego wiersz: ' +
    'najpierw zmień jego nazwę',
  newNameLength: 'Nowa nazwa musi mieć od 1 do 31 bajtów, a nie {n}.',
  newNameControl: 'Nowa nazwa zawiera znak sterujący.',

  help: `
<h2>Do czego służy ta strona</h2>
<p>Pozwala ułożyć listę kanałów odbiornika w wybranej kolejności: przenosić kanały, zmieniać ich nazwy i usuwać
je, sortować według nazwy albo odtworzyć dawną kolejność na liście po ponownym wyszukiwaniu kanałów. Otwiera plik,
który odbiornik eksportuje na pamięć USB, i zapisuje nowy, który odbiornik zaimportuje. Plik jest odczytywany w tej
przeglądarce i nigdy nie opuszcza komputera; do chwili zapisu nic nie trafia na dysk.</p>
<h2>Z pamięci USB i z powrotem</h2>
<ol>
<li>W odbiorniku wyeksportuj listę kanałów na pamięć USB (zrób jej kopię zapasową).</li>
<li>Podłącz pamięć USB do komputera i skopiuj plik listy do własnego folderu. Nie zmieniaj tej kopii: dzięki niej
zawsze możesz wrócić do poprzedniego stanu.</li>
<li>Otwórz listę przyciskiem <b>Otwórz</b> (<kbd>Ctrl+O</kbd>) albo przeciągnij plik na stronę.</li>
<li>Wprowadź zmiany. Nic nie jest jeszcze zapisywane; przycisk <b>Cofnij</b> wycofa każdą z nich.</li>
<li>Kliknij <b>Zapisz</b> (<kbd>Ctrl+S</kbd>). W przeglądarkach Chrome i Edge lista zostanie zapisana z powrotem
do otwartego pliku (<b>Zapisz jako</b> zapyta, gdzie ją zapisać). W przeglądarkach Firefox i Safari nowa lista
zostanie zamiast tego pobrana: znajdziesz ją w folderze pobranych plików.</li>
<li>Plik musi mieć dokładnie taką nazwę, jakiej oczekuje odbiornik, czyli taką, jaką miał na pamięci USB.
Przeglądarka może dodać numer do nazwy pobranego pliku (np. <i>kanaly(1).dat</i>): usuń go.</li>
<li>Skopiuj plik pod tą nazwą na pamięć USB, podłącz ją do odbiornika i zaimportuj listę.</li>
</ol>
<h2>Co zmienia zapis</h2>
<p>Kanały zostają zapisane w nowej kolejności, ponumerowane od 1, z nadanymi im nazwami, a na koniec pliku trafia
nowa suma kontrolna. Wszystkie pozostałe dane kanałów zapisane w pliku pozostają dokładnie takie, jak były.</p>
<h2>Praca z listą</h2>
<ul>
<li>Zaznaczanie: kliknięcie zaznacza kanał, <kbd>Shift</kbd>+kliknięcie – zakres, <kbd>Ctrl</kbd>+kliknięcie
zaznacza lub odznacza pojedynczy kanał; na ekranie dotykowym dotknięcie wiersza zaznacza go, a dotknięcie jego
uchwytu ⋮⋮ dodaje go do zaznaczenia lub z niego usuwa.</li>
<li>Przenoszenie: przeciągnij zaznaczenie w nowe miejsce (<kbd>Esc</kbd> anuluje; na ekranie dotykowym przeciągnij
za uchwyt ⋮⋮), użyj przycisków albo w oknie <b>Przenieś na pozycję...</b> podaj nową pozycję.</li>
<li>Zmiana nazwy: <kbd>F2</kbd> lub dwukrotne kliknięcie. Nowa nazwa musi mieć od 1 do 31 bajtów i nie może
zawierać znaków sterujących; zastępuje też drugą nazwę kanału.</li>
<li>Wyszukiwanie pokazuje tylko kanały, których nazwa lub numer pasuje do szukanego tekstu; przenoszenie nadal dotyczy
pozycji na całej liście, a przeciąganie jest możliwe dopiero po wyczyszczeniu wyszukiwania.</li>
<li><b>Drukuj</b> wydrukuje wszystkie kanały z numerem, nazwami i typem, a w nagłówku nazwę pliku i datę.</li>
</ul>
<h2>Co znaczą oznaczenia</h2>
<ul>
<li><i>ta sama nazwa</i>: inny kanał ma taką samą nazwę.</li>
<li><i>zmieniona nazwa</i>: kanał dostał nową nazwę.</li>
<li><i>dopasowany</i>, <i>dopasowany w przybliżeniu</i>, <i>nowy</i>: po zastosowaniu wzorca pokazują, jak kanał
został w nim odnaleziony; kanałów oznaczonych jako <i>nowy</i> nie było we wzorcu i trafiają na koniec.</li>
</ul>
<h2>Po ponownym wyszukiwaniu kanałów</h2>
<p>Przed wyszukiwaniem zapisz wykaz swojej listy przyciskiem <b>Eksportuj wykaz</b> albo zachowaj stary plik listy.
Następnie otwórz nową listę, kliknij <b>Zastosuj wzorzec...</b> i wybierz ten wykaz lub stary plik: strona pokaże
proponowaną kolejność, a przycisk <b>Zastosuj</b> ją zatwierdzi.</p>
<h2>Klawisze</h2>
<dl>
<dt><kbd>↑</kbd> <kbd>↓</kbd>, <kbd>Shift+↑</kbd> <kbd>Shift+↓</kbd>, <kbd>Spacja</kbd>, <kbd>Ctrl+A</kbd></dt>
<dd>przejście do kanału, zaznaczenie zakresu, zaznaczenie jednego, zaznaczenie wszystkich</dd>
<dt><kbd>Alt+↑</kbd> <kbd>Alt+↓</kbd>, <kbd>Alt+Home</kbd> <kbd>Alt+End</kbd></dt>
<dd>przesunięcie zaznaczenia w górę lub w dół, na początek lub na koniec</dd>
<dt><kbd>Delete</kbd>, <kbd>F2</kbd></dt><dd>usunięcie, zmiana nazwy</dd>
<dt><kbd>Ctrl+Z</kbd>, <kbd>Ctrl+Y</kbd> lub <kbd>Ctrl+Shift+Z</kbd></dt><dd>cofnięcie, ponowienie</dd>
<dt><kbd>Ctrl+O</kbd>, <kbd>Ctrl+S</kbd>, <kbd>Ctrl+Shift+S</kbd>, <kbd>Ctrl+F</kbd>, <kbd>Ctrl+P</kbd></dt>
<dd>otwarcie, zapis, zapis jako, wyszukiwanie, drukowanie</dd>
<dt><kbd>Tab</kbd>, <kbd>←</kbd> <kbd>→</kbd></dt><dd>przejście do rzędu przycisków i poruszanie się po nim</dd>
</dl>
<h2>Nazwy i wiersz poleceń</h2>
<p>Nazwy są zapisane jako bajty i wyświetlane jako UTF-8, jeśli są poprawnym UTF-8, a w przeciwnym razie jako
Latin-1; nowa nazwa jest zapisywana tak samo jak pozostałe nazwy na liście. <b>Eksportuj wykaz</b> zapisuje listę
w takiej postaci, w jakiej wypisuje ją <code>tunvex --listing</code>; pierwszy wiersz wskazuje listę, z której
powstał wykaz, dzięki czemu <code>tunvex --apply</code> przyjmie go tylko wtedy, gdy lista nadal jest taka sama.</p>
`,
};
