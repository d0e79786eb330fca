// The page's words in Turkish.
export default {
  language: 'Dil',
  title: 'tunvex: kanal listesi düzenleyicisi',
  tagline: 'kanal listesi düzenleyicisi',
  actions: 'İşlemler',
  groupFile: 'Dosya',
  groupHistory: 'Geçmiş',
  groupSelected: 'Seçili kanallar',
  open: 'Aç',
  openLabel: 'Kanal listesi aç',
  save: 'Kaydet',
  saveAs: 'Farklı kaydet',
  exportListing: 'Dökümü dışa aktar',
  reference: 'Referans uygula...',
  print: 'Yazdır',
  undo: 'Geri al',
  redo: 'Yinele',
  moveUp: 'Yukarı taşı',
  moveDown: 'Aşağı taşı',
  moveTop: 'En üste taşı',
  moveBottom: 'En alta taşı',
  moveTo: 'Sıraya taşı...',
  delete: 'Sil',
  rename: 'Yeniden adlandır',
  sort: 'Ada göre sırala',
  search: 'Ara',
  searchHint: 'Ad veya numara',
  dismiss: 'Bildirimi kapat',
  empty: 'Bir kanal listesi açın ya da buraya sürükleyip bırakın. Liste bu bilgisayarda okunur, hiçbir yere ' +
    'gönderilmez.',
  colNumber: 'No.',
  colName: 'Ad',
  colName2: 'İkinci ad',
  colType: 'Tür',
  colChannel: 'Kanal',
  colMatch: 'Eşleşme',
  channelsLabel: 'Kanallar',
  tv: 'TV',
  radio: 'Radyo',
  keyCtrl: 'Ctrl',
  keyAlt: 'Alt',
  keyShift: 'Shift',
  keyDelete: 'Delete',
  keyHome: 'Home',
  keyEnd: 'End',
  withKeys: '{action} ({keys})',
  helpTitle: 'Yardım',
  aboutTitle: 'Hakkında ve lisanslar',
  about: 'tunvex, MIT lisansıyla sunulan özgür bir yazılımdır. Bu sayfada tunvex’in yanı sıra aşağıda adı geçen ' +
    'kütüphaneler de bulunur; her biri kendi lisansına tabidir ve lisans metinleri sayfanın her kopyasıyla birlikte ' +
    'verilir.',
  cancel: 'İptal',
  renameTitle: '{at}. kanalı yeniden adlandır',
  newName: 'Yeni ad',
  renameOk: 'Yeniden adlandır',
  moveTitle: 'Belirli bir sıraya taşı',
  movePosition: 'İlk seçili kanalın sıra numarası',
  moveOk: 'Taşı',
  referenceTitle: 'Referans uygula',
  referenceChoose: 'Referans seç...',
  referenceLabel: 'Referans döküm veya liste',
  referenceApply: 'Uygula',
  filePickerLists: 'Kanal listeleri',

  // The counts above the list.
  counts: { one: '{n} kanal: {tv} TV, {radio} radyo', other: '{n} kanal: {tv} TV, {radio} radyo' },
  countsShown: '{n} gösteriliyor',
  countsSelected: '{n} seçili',
  countsShared: { one: '{n} aynı adlı kanal', other: '{n} aynı adlı kanal' },
  countsJoin: '; ',
  markSameName: 'aynı ad',
  markRenamed: 'yeniden adlandırıldı',
  markNew: 'yeni',
  markMatched: 'eşleşti',
  markLoosely: 'yaklaşık eşleşti',
  marksJoin: ', ',

  // What a change says, and why one did nothing.
  movedTo: { one: '{n} kanal {at}. sıraya taşındı', other: '{n} kanal {at}. sıraya taşındı' },
  movedUp: { one: '{n} kanal yukarı, {at}. sıraya taşındı', other: '{n} kanal yukarı, {at}. sıraya taşındı' },
  movedDown: { one: '{n} kanal aşağı, {at}. sıraya taşındı', other: '{n} kanal aşağı, {at}. sıraya taşındı' },
  deleted: { one: '{n} kanal silindi', other: '{n} kanal silindi' },
  renamed: '{at}. kanalın yeni adı: {name}',
  sorted: { one: '{n} kanal ada göre sıralandı', other: '{n} kanal ada göre sıralandı' },
  referenceApplied: 'Referans uygulandı: {summary}',
  undone: 'Geri alındı: {what}',
  redone: 'Yinelendi: {what}',
  atTop: 'Seçim zaten en üstte',
  atBottom: 'Seçim zaten en altta',
  noneSelected: 'Hiçbir kanal seçili değil: önce kanalları seçin',
  inOrderAlready: 'Liste zaten ada göre sıralı.',
  referenceKeepsOrder: 'Referans, mevcut sırayı değiştirmiyor.',
  keepOne: 'Kanalların hepsi silinemez: listede en az bir kanal kalmalı. Daha az kanal seçin.',
  wholeNumber: '1 ile {last} arasında bir tam sayı girin.',
  secondNameToo: 'Yeni ad, kanalın ikinci adının ({name2}) da yerini alır.',
  notLatin1: 'Bu listede adlar Latin-1 kodlamasıyla yazılır; bu addaki bazı karakterler Latin-1’de yok.',
  selectedAll: { one: '{n} kanal seçildi', other: '{n} kanal seçildi' },
  clearSearchToDrag: 'Sürüklemek için aramayı temizleyin: arama sonuçları gösterilirken kanallar yalnızca ' +
    'düğmelerle ve tuşlarla taşınabilir.',
  droppedOutside: 'Listenin dışına bırakıldı: hiçbir şey taşınmadı',
  dragCancelled: 'Sürükleme iptal edildi: hiçbir şey taşınmadı',
  cannotChange: 'Bu liste burada değiştirilemez: kanal sayısı bir dökümün alabileceği sınırı aşıyor',

  // Files dropped, opened and saved.
  closeDialogFirst: 'Başka bir dosya açmak için önce bu pencereyi kapatın.',
  manyDropped: '{n} dosya bırakıldı; yalnızca {file} açıldı. Listeleri tek tek açın.',
  cannotStart: 'Sayfa başlatılamadı: {error}',
  isText: '{file} bir metin dosyası, kanal listesi değil. Yeni kanal aramasından önce alınmış bir dökümse listeyi ' +
    'açın ve eski sırayı “Referans uygula...” ile aktarın.',
  isTextOf: '{file}, {encoding} kodlu bir metin dosyası, kanal listesi değil. Yeni kanal aramasından önce alınmış ' +
    'bir dökümse listeyi açın ve eski sırayı “Referans uygula...” ile aktarın.',
  stillOpen: '{file} hâlâ açık.',
  notAList: '{file} açılamıyor: kanal listesi bozuk ({why}).',
  notWhole: '{file} dosyasındaki kanal listesi bozuk: {why}. Dosya, tunvex’in açtığı gibi açıldı; kaydettiğinizde ' +
    'yeni sağlama toplamıyla sağlam bir liste yazılır.',
  notWholeNoted: '{file} dosyasındaki kanal listesi bozuk: {why}. Not: {notes}. Dosya, tunvex’in açtığı gibi ' +
    'açıldı; kaydettiğinizde yeni sağlama toplamıyla sağlam bir liste yazılır.',
  wholeNoted: '{file} dosyasındaki kanal listesi sağlam. Not: {notes}.',
  findingsJoin: '; ',
  keepsCounted: {
    one: 'Kaydettiğinizde dosyada belirtilen sayı kadar, yani {n} kanal kalır; sonrasındaki {left} atılır.',
    other: 'Kaydettiğinizde dosyada belirtilen sayı kadar, yani {n} kanal kalır; sonrasındaki {left} atılır.' },
  tooManyToChange: {
    one: '{file} dosyasında {n} kanal var; bu, bir dökümün alabileceği sınırdan ({most}) fazla. Liste burada ' +
      'görüntülenebilir, ancak değişiklikler kaydedilemeyeceği için düzenlenemez.',
    other: '{file} dosyasında {n} kanal var; bu, bir dökümün alabileceği sınırdan ({most}) fazla. Liste burada ' +
      'görüntülenebilir, ancak değişiklikler kaydedilemeyeceği için düzenlenemez.' },
  unsavedOpenAnother: 'Listede kaydedilmemiş değişiklikler var. Yine de başka bir liste açılsın mı?',
  opened: { one: '{file} açıldı: {n} kanal', other: '{file} açıldı: {n} kanal' },
  notApplied: 'Değişiklikler uygulanamadı: {why}',
  changedElsewhere: '{file} dosyası burada açıldıktan sonra değişti (başka bir sekme ya da program kaydetti). ' +
    'Yine de üzerine kaydedilsin mi? O değişiklik kaybolur.',
  notSavedChanged: 'Kaydedilmedi: dosya bu arada değişti',
  notSaved: 'Liste kaydedilemedi: {error}. Hiçbir şey yazılmadı.',
  savedIn: { one: '{n} kanal {file} dosyasına kaydedildi', other: '{n} kanal {file} dosyasına kaydedildi' },
  downloaded: { one: '{n} kanal kaydedildi: tarayıcınız listeyi İndirilenler klasörünüze {file} adıyla indirdi; ' +
    'orada bu adda bir dosya zaten varsa ada bir numara eklenmiştir.',
  other: '{n} kanal kaydedildi: tarayıcınız listeyi İndirilenler klasörünüze {file} adıyla indirdi; orada bu adda ' +
    'bir dosya zaten varsa ada bir numara eklenmiştir.' },
  nameOnStick: 'USB bellekte dosyanın adı, alıcının beklediği gibi tam olarak {file} olmalı. Tarayıcı ada bir ' +
    'numara eklediyse ({example} gibi), dosyayı geri kopyalarken bu numarayı silin.',
  nameOnStickNumbered: 'Açtığınız {opened} dosyasının adında, tarayıcının indirilen dosyalara eklediği türden bir ' +
    'numara var. USB bellekte dosyanın adı, alıcının dışa aktarırken verdiği ad olmalı: büyük olasılıkla {file}.',
  cannotExport: 'Döküm dışa aktarılamıyor: {why}.',
  exported: 'Döküm {file} adıyla dışa aktarıldı',
  exportedUnsaved: 'Döküm {file} adıyla dışa aktarıldı. Döküm, listenin burada değiştirilmiş hâline ait olduğu ' +
    'için tunvex --apply onu ancak liste kaydedildikten sonra kabul eder',

  // Apply a reference.
  chooseReference: 'Yeni kanal aramasından önce alınan dökümü (.txt) ya da eski liste dosyasını seçin.',
  matchSummary: '{exact} tam eşleşti, {loosely} yaklaşık eşleşti, {unmatched} hiç eşleşmedi; {lost} karşılıksız kaldı',
  matchUnread: '{summary}. {unread} okunamadı; ilki {line}. satır: {why}',
  referenceLines: { one: '{n} referans satırı', other: '{n} referans satırı' },
  namesNoChannel: 'ad yok',
  noLongerInList: 'artık listede yok',
  channelOfType: '{name} ({type})',
  moreRows: 've {n} satır daha',
  referenceTooMany: '{file} dosyasındaki kanal listesinde {n} kanal var; bu, bir dökümün alabileceği sınırdan ' +
    '({most}) fazla olduğu için referans olarak kullanılamaz.',
  referenceUnreadable: '{file}, tunvex’in okuyamadığı bir kanal listesi ({why}); bu yüzden referans olarak ' +
    'kullanılamaz.',
  referencePartial: '{file} dosyasındaki kanal listesi bozuk ({why}); kanallar olduğu gibi okundu.',
  noneInReference: 'Listedeki kanalların hiçbiri {file} dosyasında yok: {summary}.',
  referenceNotReadable: '{file} referans olarak kullanılamaz: {why}.',

  // Print.
  printTitle: { one: '{file}: {n} kanal, {date}', other: '{file}: {n} kanal, {date}' },

  // What the core finds in a list file.
  channelCount: { one: '{n} kanal', other: '{n} kanal' },
  byteCount: { one: '{n} bayt', other: '{n} bayt' },
  'finding.whole': { one: 'sorunsuz, {n} kanal', other: 'sorunsuz, {n} kanal' },
  'finding.shorterThanHeader': { one: 'dosya başlığından kısa: yalnızca {n} bayt',
    other: 'dosya başlığından kısa: yalnızca {n} bayt' },
  'finding.shorterThanCount': 'dosyada {channels} belirtilmiş; bu, sondaki sağlama toplamıyla birlikte {needed} ' +
    'eder, ama dosya yalnızca {size}',
  'finding.trailerMissing': 'sondaki sağlama toplamı eksik',
  'finding.trailerCutShort': 'sondaki sağlama toplamı kesik: 4 baytın yalnızca {n} baytı var',
  'finding.countTooSmall': 'dosyada {channels} belirtilmiş, ama içinde {held} kanal ve hepsini kapsayan bir ' +
    'sağlama toplamı var',
  'finding.checksumWrong': 'kayıtlı sağlama toplamı {stored}, ama içerikten hesaplanan {computed}',
  'finding.bytesAfterTrailer': { one: 'sağlama toplamından sonra {n} bayt fazlalık var',
    other: 'sağlama toplamından sonra {n} bayt fazlalık var' },
  'finding.misnumbered': '{channel}. kanalın numarası {position} değil, {number} ve {number2} (zararsız: ' +
    'kaydedince her kanal sırasına göre yeniden numaralanır)',

  // The problems of a listing, a reference or a name.
  atLine: '{line}. satır: {problem}',
  problemsJoin: '; ',
  moreProblems: '{n} sorun daha',
  'problem.notAChannelLine': 'satır NUMBER:NAME:NAME2:TYPE ya da yalnızca NUMBER biçiminde olmalı',
  'problem.noSuchChannel': '{text} numaralı kanal yok: listede {n} kanal var',
  'problem.noChannelZero': '0 numaralı kanal olamaz',
  'problem.onLineToo': '{text} numaralı kanal {line}. satırda da var',
  'problem.typeNotTvOrRadio': 'tür “{text}” olamaz, TV ya da RADIO olmalı',
  'problem.nameLength': 'ad 1 ile 31 bayt arasında olmalı, bu ad {n} bayt',
  'problem.newNameLength': '{channel}. kanalın yeni adı 1 ile 31 bayt arasında olmalı, bu ad {n} bayt',
  'problem.nameControl': 'adda bir kontrol karakteri var',
  'problem.newNameControl': '{channel}. kanalın yeni adında bir kontrol karakteri var',
  'problem.namesTooLong': 'NAME ve NAME2’nin her biri en fazla 32 bayt olabilir',
  'problem.linesEndInCr': 'satırlar yalnızca CR ile bitiyor: dosyayı satır sonları LF ya da CR LF olacak şekilde ' +
    'kaydedin',
  'problem.utf16': 'bu bir UTF-16 metni: UTF-8 olarak kaydedin',
  'problem.utf32': 'bu bir UTF-32 metni: UTF-8 olarak kaydedin',
  'problem.tooManyChannels': '{n} kanal var, ama bir döküm en fazla {most} kanal alabilir',
  'problem.lineFeedInName': '{channel}. kanalın adında satır sonu var, bu da kanalın satırını ikiye bölerdi: önce ' +
    'kanalı yeniden adlandırın',
  newNameLength: 'Yeni ad 1 ile 31 bayt arasında olmalı, bu ad {n} bayt.',
  newNameControl: 'Yeni adda bir kontrol karakteri var.',

  help: `
<h2>Bu sayfa ne işe yarar</h2>
<p>Alıcınızın kanal listesini istediğiniz sıraya koymanızı sağlar: kanalları taşıyabilir, yeniden adlandırabilir ve
silebilir, ada göre sıralayabilir ya da eski sıranızı yeni bir kanal aramasından sonraki listeye aktarabilirsiniz.
Sayfa, alıcının USB belleğe dışa aktardığı dosyayı açar ve alıcının içe aktaracağı yeni bir dosya kaydeder. Dosya
bu tarayıcıda okunur ve bilgisayarınızdan hiç çıkmaz; siz kaydedene kadar hiçbir şey yazılmaz.</p>
<h2>USB bellekten USB belleğe</h2>
<ol>
<li>Alıcıda kanal listesini USB belleğe dışa aktarın (yedekleyin).</li>
<li>USB belleği bilgisayara takın ve liste dosyasını kendi klasörlerinizden birine kopyalayın. Bu kopyayı
değiştirmeyin: geri dönüş yolunuz odur.</li>
<li>Listeyi burada açın: <b>Aç</b> (<kbd>Ctrl+O</kbd>) ya da dosyayı sayfaya sürükleyip bırakın.</li>
<li>Değişikliklerinizi yapın. Henüz hiçbir şey yazılmaz; <b>Geri al</b> ile her birini geri alabilirsiniz.</li>
<li><b>Kaydet</b> düğmesine basın (<kbd>Ctrl+S</kbd>). Chrome ve Edge’de liste, açtığınız dosyaya geri yazılır
(<b>Farklı kaydet</b> nereye kaydedileceğini sorar). Firefox ve Safari’de ise tarayıcı yeni listeyi indirir: liste,
İndirilenler klasörünüzde bulunur.</li>
<li>Dosyanın adı tam olarak alıcının beklediği ad, yani USB bellekteki adı olmalıdır. Tarayıcı, indirilen dosyanın
adına bir numara ekleyebilir (<i>channels(1).dat</i> gibi): bu numarayı silin.</li>
<li>Dosyayı bu adla USB belleğe kopyalayın, belleği alıcıya takın ve listeyi içe aktarın.</li>
</ol>
<h2>Kaydetme neleri değiştirir</h2>
<p>Kanallar yeni sıralarıyla, 1’den başlayarak numaralanıp verdiğiniz adlarla yazılır ve dosyanın sonuna yeni bir
sağlama toplamı eklenir. Dosyanın her kanal için tuttuğu diğer tüm bilgiler olduğu gibi kalır.</p>
<h2>Listeyle çalışma</h2>
<ul>
<li>Seçme: tıklayın; aralık seçmek için <kbd>Shift</kbd>+tıklayın; tek bir kanal eklemek ya da çıkarmak için
<kbd>Ctrl</kbd>+tıklayın; dokunmatik ekranda bir satıra dokunun, seçime eklemek ya da seçimden çıkarmak için de
satırın ⋮⋮ tutamacına dokunun.</li>
<li>Taşıma: seçimi gideceği yere sürükleyin (<kbd>Esc</kbd> iptal eder; dokunmatik ekranda ⋮⋮ tutamacından
sürükleyin), düğmeleri kullanın ya da sıra numarası vermek için <b>Sıraya taşı...</b> düğmesine basın.</li>
<li>Yeniden adlandırma: <kbd>F2</kbd> ya da çift tıklama. Yeni ad 1 ile 31 bayt arasında olmalı ve kontrol
karakteri içermemelidir; kanalın ikinci adı da yeni ad olur.</li>
<li>Arama yalnızca adı ya da numarası eşleşen kanalları gösterir; taşımalar yine de tüm listedeki sıralara göre
yapılır, sürükleme ise arama temizlenene kadar kullanılamaz.</li>
<li><b>Yazdır</b> tüm kanalları numarası, adları ve türüyle yazdırır; en üstte dosya adı ve tarih yer alır.</li>
</ul>
<h2>İşaretlerin anlamı</h2>
<ul>
<li><i>aynı ad</i>: başka bir kanal da aynı adı taşıyor.</li>
<li><i>yeniden adlandırıldı</i>: kanala yeni bir ad verdiniz.</li>
<li><i>eşleşti</i>, <i>yaklaşık eşleşti</i>, <i>yeni</i>: referans uygulandıktan sonra kanalın referansta nasıl
bulunduğunu gösterir; <i>yeni</i> kanallar referansta yoktur ve en sona yerleşir.</li>
</ul>
<h2>Yeni bir kanal aramasından sonra</h2>
<p>Aramadan önce <b>Dökümü dışa aktar</b> ile listenizin dökümünü kaydedin ya da eski liste dosyasını saklayın.
Sonra yeni listeyi açın, <b>Referans uygula...</b> düğmesine basın ve o dökümü ya da eski dosyayı seçin: sayfa
önerdiği sırayı gösterir, <b>Uygula</b> ile bu sıra uygulanır.</p>
<h2>Tuşlar</h2>
<dl>
<dt><kbd>↑</kbd> <kbd>↓</kbd>, <kbd>Shift+↑</kbd> <kbd>Shift+↓</kbd>, <kbd>Boşluk</kbd>, <kbd>Ctrl+A</kbd></dt>
<dd>bir kanala git, aralık seç, tek kanal seç, tümünü seç</dd>
<dt><kbd>Alt+↑</kbd> <kbd>Alt+↓</kbd>, <kbd>Alt+Home</kbd> <kbd>Alt+End</kbd></dt>
<dd>seçimi yukarı ya da aşağı, en üste ya da en alta taşı</dd>
<dt><kbd>Delete</kbd>, <kbd>F2</kbd></dt><dd>sil, yeniden adlandır</dd>
<dt><kbd>Ctrl+Z</kbd>, <kbd>Ctrl+Y</kbd> ya da <kbd>Ctrl+Shift+Z</kbd></dt><dd>geri al, yinele</dd>
<dt><kbd>Ctrl+O</kbd>, <kbd>Ctrl+S</kbd>, <kbd>Ctrl+Shift+S</kbd>, <kbd>Ctrl+F</kbd>, <kbd>Ctrl+P</kbd></dt>
<dd>aç, kaydet, farklı kaydet, ara, yazdır</dd>
<dt><kbd>Tab</kbd>, <kbd>←</kbd> <kbd>→</kbd></dt><dd>düğme satırına geç ve düğmeler arasında gezin</dd>
</dl>
<h2>Adlar ve komut satırı</h2>
<p>Adlar bayt olarak saklanır: geçerli UTF-8 ise UTF-8 olarak, değilse Latin-1 olarak gösterilir; yeni bir ad da
listedeki diğer adlarla aynı kodlamayla yazılır. <b>Dökümü dışa aktar</b>, listeyi <code>tunvex --listing</code>
komutunun yazdırdığı biçimde kaydeder; dökümün ilk satırı hangi listeden alındığını belirtir, böylece
<code>tunvex --apply</code> dökümü yalnızca liste aynı kaldığı sürece kabul eder.</p>
`,
};
