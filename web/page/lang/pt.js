// The page's words in Portuguese (European Portuguese, as written in Portugal).
export default {
  language: 'Idioma',
  title: 'tunvex: editor de listas de canais',
  tagline: 'editor de listas de canais',
  actions: 'Ações',
  groupFile: 'Ficheiro',
  groupHistory: 'Histórico',
  groupSelected: 'Canais selecionados',
  open: 'Abrir',
  openLabel: 'Abrir uma lista de canais',
  save: 'Guardar',
  saveAs: 'Guardar como',
  exportListing: 'Exportar listagem',
  reference: 'Aplicar referência...',
  print: 'Imprimir',
  undo: 'Anular',
  redo: 'Refazer',
  moveUp: 'Subir',
  moveDown: 'Descer',
  moveTop: 'Mover para o início',
  moveBottom: 'Mover para o fim',
  moveTo: 'Mover para...',
  delete: 'Eliminar',
  rename: 'Mudar o nome',
  sort: 'Ordenar por nome',
  search: 'Procurar',
  searchHint: 'Nome ou número',
  dismiss: 'Fechar este aviso',
  empty: 'Abra uma lista de canais ou arraste-a para aqui. É lida neste computador e nunca é enviada para lado ' +
    'nenhum.',
  colNumber: 'N.º',
  colName: 'Nome',
  colName2: 'Segundo nome',
  colType: 'Tipo',
  colChannel: 'Canal',
  colMatch: 'Correspondência',
  channelsLabel: 'Canais',
  tv: 'TV',
  radio: 'Rádio',
  keyCtrl: 'Ctrl',
  keyAlt: 'Alt',
  keyShift: 'Shift',
  keyDelete: 'Delete',
  keyHome: 'Home',
  keyEnd: 'End',
  withKeys: '{action} ({keys})',
  helpTitle: 'Ajuda',
  aboutTitle: 'Informações e licenças',
  about: 'O tunvex é software livre, ao abrigo da licença MIT. Além do tunvex, esta página contém as bibliotecas ' +
    'indicadas abaixo, cada uma com a sua própria licença; os respetivos avisos acompanham todas as cópias da ' +
    'página.',
  cancel: 'Cancelar',
  renameTitle: 'Mudar o nome do canal {at}',
  newName: 'Novo nome',
  renameOk: 'Mudar o nome',
  moveTitle: 'Mover para uma posição',
  movePosition: 'Posição do primeiro canal selecionado',
  moveOk: 'Mover',
  referenceTitle: 'Aplicar referência',
  referenceChoose: 'Escolher referência...',
  referenceLabel: 'Listagem ou lista de referência',
  referenceApply: 'Aplicar',
  filePickerLists: 'Listas de canais',

  // The counts above the list.
  counts: { one: '{n} canal: {tv} de TV, {radio} de rádio', many: '{n} canais: {tv} de TV, {radio} de rádio',
    other: '{n} canais: {tv} de TV, {radio} de rádio' },
  countsShown: 'visíveis: {n}',
  countsSelected: 'selecionados: {n}',
  countsShared: { one: 'com nome repetido: {n}', many: 'com nome repetido: {n}',
    other: 'com nome repetido: {n}' },
  countsJoin: '; ',
  markSameName: 'nome repetido',
  markRenamed: 'nome alterado',
  markNew: 'novo',
  markMatched: 'encontrado',
  markLoosely: 'encontrado por aproximação',
  marksJoin: ', ',

  // What a change says, and why one did nothing.
  movedTo: { one: '{n} canal movido para a posição {at}', many: '{n} canais movidos para a posição {at}',
    other: '{n} canais movidos para a posição {at}' },
  movedUp: { one: '{n} canal movido para cima, até à posição {at}',
    many: '{n} canais movidos para cima, até à posição {at}',
    other: '{n} canais movidos para cima, até à posição {at}' },
  movedDown: { one: '{n} canal movido para baixo, até à posição {at}',
    many: '{n} canais movidos para baixo, até à posição {at}',
    other: '{n} canais movidos para baixo, até à posição {at}' },
  deleted: { one: '{n} canal eliminado', many: '{n} canais eliminados', other: '{n} canais eliminados' },
  renamed: 'Nome do canal {at} mudado para {name}',
  sorted: { one: '{n} canal ordenado por nome', many: '{n} canais ordenados por nome',
    other: '{n} canais ordenados por nome' },
  referenceApplied: 'Referência aplicada: {summary}',
  undone: 'Anulado: {what}',
  redone: 'Refeito: {what}',
  atTop: 'A seleção já está no início',
  atBottom: 'A seleção já está no fim',
  noneSelected: 'Nenhum canal selecionado: selecione primeiro os canais',
  inOrderAlready: 'A lista já está ordenada por nome.',
  referenceKeepsOrder: 'A referência não altera a ordem.',
  keepOne: 'Não é possível eliminar todos os canais: a lista tem de manter pelo menos um. Selecione menos canais.',
  wholeNumber: 'Indique um número inteiro de 1 a {last}.',
  secondNameToo: 'O novo nome substitui também o segundo nome, {name2}.',
  notLatin1: 'Esta lista guarda os nomes em Latin-1, que não suporta todos os carateres deste nome.',
  selectedAll: { one: '{n} canal selecionado', many: '{n} canais selecionados', other: '{n} canais selecionados' },
  clearSearchToDrag: 'Limpe a procura para poder arrastar: enquanto a procura filtra a lista, os canais movem-se ' +
    'com os botões e as teclas.',
  droppedOutside: 'Largou a seleção fora da lista: nada foi movido',
  dragCancelled: 'Arrastamento cancelado: nada foi movido',
  cannotChange: 'Esta lista não pode ser alterada aqui: tem mais canais do que uma listagem consegue numerar',

  // Files dropped, opened and saved.
  closeDialogFirst: 'Feche primeiro esta janela para abrir outro ficheiro.',
  manyDropped: 'Largou {n} ficheiros, mas só é aberto {file}: abra uma lista de cada vez.',
  cannotStart: 'Não foi possível iniciar a página: {error}',
  isText: '{file} é um ficheiro de texto, não uma lista de canais: se for uma listagem feita antes de uma nova ' +
    'pesquisa de canais, abra a lista e recupere essa ordem com «Aplicar referência...».',
  isTextOf: '{file} é um ficheiro de texto {encoding}, não uma lista de canais: se for uma listagem feita antes de ' +
    'uma nova pesquisa de canais, abra a lista e recupere essa ordem com «Aplicar referência...».',
  stillOpen: '{file} continua aberto.',
  notAList: 'Não é possível abrir {file}, porque não é uma lista de canais completa: {why}.',
  notWhole: '{file} não é uma lista de canais completa: {why}. É aberto tal como o tunvex o abre; ao guardar, é ' +
    'escrita uma lista completa com uma nova soma de verificação.',
  notWholeNoted: '{file} não é uma lista de canais completa: {why}. Nota: {notes}. É aberto tal como o tunvex o ' +
    'abre; ao guardar, é escrita uma lista completa com uma nova soma de verificação.',
  wholeNoted: '{file} é uma lista de canais completa. Nota: {notes}.',
  findingsJoin: '; ',
  keepsCounted: { one: 'Ao guardar, mantém-se {n} canal, o que a contagem da lista indica, e descarta-se o que ' +
    'vem a seguir: {left}.',
  many: 'Ao guardar, mantêm-se os {n} canais que a contagem da lista indica e descarta-se o que vem a seguir: ' +
    '{left}.',
  other: 'Ao guardar, mantêm-se os {n} canais que a contagem da lista indica e descarta-se o que vem a seguir: ' +
    '{left}.' },
  tooManyToChange: { one: '{file} tem {n} canal, mais do que os {most} que uma listagem consegue numerar: pode ' +
    'ser consultado aqui, mas não editado, porque não seria possível guardar as alterações.',
  many: '{file} tem {n} canais, mais do que os {most} que uma listagem consegue numerar: pode ser consultado aqui, ' +
    'mas não editado, porque não seria possível guardar as alterações.',
  other: '{file} tem {n} canais, mais do que os {most} que uma listagem consegue numerar: pode ser consultado aqui, ' +
    'mas não editado, porque não seria possível guardar as alterações.' },
  unsavedOpenAnother: 'A lista tem alterações não guardadas. Pretende abrir outra?',
  opened: { one: '{file} aberto: {n} canal', many: '{file} aberto: {n} canais', other: '{file} aberto: {n} canais' },
  notApplied: 'Não foi possível aplicar as alterações: {why}',
  changedElsewhere: '{file} foi alterado desde que foi aberto aqui (foi guardado por outro separador ou programa). ' +
    'Pretende substituí-lo e perder essa alteração?',
  notSavedChanged: 'Não foi guardado: entretanto, o ficheiro foi alterado',
  notSaved: 'Não foi possível guardar a lista: {error}. Nada foi escrito.',
  savedIn: { one: '{n} canal guardado em {file}', many: '{n} canais guardados em {file}',
    other: '{n} canais guardados em {file}' },
  downloaded: { one: '{n} canal guardado: o browser colocou a lista na pasta de transferências, com o nome {file} ou, ' +
    'se já lá havia um ficheiro com esse nome, com um número acrescentado.',
  many: '{n} canais guardados: o browser colocou a lista na pasta de transferências, com o nome {file} ou, se já lá ' +
    'havia um ficheiro com esse nome, com um número acrescentado.',
  other: '{n} canais guardados: o browser colocou a lista na pasta de transferências, com o nome {file} ou, se já lá ' +
    'havia um ficheiro com esse nome, com um número acrescentado.' },
  nameOnStick: 'Na pen USB, o ficheiro tem de se chamar exatamente {file}, que é o nome que o recetor espera: se o ' +
    'browser acrescentou um número ao nome (como em {example}), retire-o quando copiar o ficheiro para a pen.',
  nameOnStickNumbered: 'O ficheiro que abriu, {opened}, tem no nome um número como os que o browser acrescenta ' +
    'às transferências: na pen USB tem de ter o nome com que o recetor o exportou, provavelmente {file}.',
  cannotExport: 'Não é possível exportar a listagem: {why}.',
  exported: 'Listagem exportada como {file}',
  exportedUnsaved: 'Listagem exportada como {file}: identifica a lista com as alterações feitas aqui, por isso o ' +
    'tunvex --apply só a aceita depois de a lista ser guardada',

  // Apply a reference.
  chooseReference: 'Escolha a listagem (.txt) ou o ficheiro da lista que tinha antes da nova pesquisa de canais.',
  matchSummary: '{exact} com correspondência exata, {loosely} com correspondência aproximada, {unmatched} sem ' +
    'correspondência; {lost} sem canal correspondente',
  matchUnread: '{summary}. {unread} com erros; a primeira, na linha {line}: {why}',
  referenceLines: { one: '{n} linha de referência', many: '{n} linhas de referência', other: '{n} linhas de referência' },
  namesNoChannel: 'não corresponde a nenhum canal',
  noLongerInList: 'já não está na lista',
  channelOfType: '{name} ({type})',
  moreRows: 'e mais {n}',
  referenceTooMany: '{file} é uma lista de {n} canais, mais do que uma listagem consegue numerar ({most}): não ' +
    'pode servir de referência.',
  referenceUnreadable: '{file} é uma lista de canais que o tunvex não consegue ler ({why}), por isso não pode ' +
    'servir de referência.',
  referencePartial: '{file} é uma lista de canais, mas não está completa ({why}); os canais são lidos tal como ' +
    'estão.',
  noneInReference: 'Nenhum canal da lista está em {file}: {summary}.',
  referenceNotReadable: '{file} não pode servir de referência: {why}.',

  // Print.
  printTitle: { one: '{file}: {n} canal, {date}', many: '{file}: {n} canais, {date}',
    other: '{file}: {n} canais, {date}' },

  // What the core finds in a list file.
  channelCount: { one: '{n} canal', many: '{n} canais', other: '{n} canais' },
  byteCount: { one: '{n} byte', many: '{n} bytes', other: '{n} bytes' },
  'finding.whole': { one: 'correta, {n} canal', many: 'correta, {n} canais', other: 'correta, {n} canais' },
  'finding.shorterThanHeader': { one: 'o ficheiro é mais curto do que o cabeçalho: {n} byte',
    many: 'o ficheiro é mais curto do que o cabeçalho: {n} bytes',
    other: 'o ficheiro é mais curto do que o cabeçalho: {n} bytes' },
  'finding.shorterThanCount': 'a contagem indica {channels}, ou seja, {needed} com a soma de verificação final, ' +
    'mas o ficheiro só tem {size}',
  'finding.trailerMissing': 'falta a soma de verificação final',
  'finding.trailerCutShort': 'a soma de verificação final está incompleta: {n} de 4 bytes',
  'finding.countTooSmall': 'a contagem indica {channels}, mas o ficheiro contém {held} e uma soma de verificação ' +
    'de todos eles',
  'finding.checksumWrong': 'a soma de verificação é {stored}, mas a soma do conteúdo dá {computed}',
  'finding.bytesAfterTrailer': { one: '{n} byte depois da soma de verificação final',
    many: '{n} bytes depois da soma de verificação final',
    other: '{n} bytes depois da soma de verificação final' },
  'finding.misnumbered': 'o canal {channel} tem os números {number} e {number2} em vez do {position}, o que não ' +
    'tem importância: ao guardar, cada canal fica com o número da sua posição',

  // The problems of a listing, a reference or a name.
  atLine: 'linha {line}: {problem}',
  problemsJoin: '; ',
  moreProblems: 'mais {n}',
  'problem.notAChannelLine': 'uma linha que não é uma linha de canal (NUMBER:NAME:NAME2:TYPE ou só NUMBER)',
  'problem.noSuchChannel': 'não existe o canal {text}: a lista tem {n}',
  'problem.noChannelZero': 'não existe o canal 0',
  'problem.onLineToo': 'o canal {text} também está na linha {line}',
  'problem.typeNotTvOrRadio': 'o tipo tem de ser TV ou RADIO, e não «{text}»',
  'problem.nameLength': 'o nome tem de ter entre 1 e 31 bytes, e não {n}',
  'problem.newNameLength': 'o novo nome do canal {channel} tem de ter entre 1 e 31 bytes, e não {n}',
  'problem.nameControl': 'o nome contém um caráter de controlo',
  'problem.newNameControl': 'o novo nome do canal {channel} contém um caráter de controlo',
  'problem.namesTooLong': 'NAME e NAME2 não podem ter mais de 32 bytes cada um',
  'problem.linesEndInCr': 'as linhas terminam só com CR: guarde-o com quebras de linha (LF ou CR LF)',
  'problem.utf16': 'é texto UTF-16: guarde-o como UTF-8',
  'problem.utf32': 'é texto UTF-32: guarde-o como UTF-8',
  'problem.tooManyChannels': '{n} canais, mas uma listagem não consegue numerar mais de {most}',
  'problem.lineFeedInName': 'o canal {channel} tem uma quebra de linha no nome, que partiria a sua linha: mude-lhe ' +
    'primeiro o nome',
  newNameLength: 'O novo nome tem de ter entre 1 e 31 bytes, e não {n}.',
  newNameControl: 'O novo nome contém um caráter de controlo.',

  help: `
<h2>Para que serve esta página</h2>
<p>Serve para pôr a lista de canais do seu recetor pela ordem que quiser: mover, mudar o nome e eliminar canais,
ordená-los por nome ou passar a ordem antiga para a lista de uma nova pesquisa de canais. Abre o ficheiro que o
recetor exporta para uma pen USB e guarda um novo, que o recetor importa. O ficheiro é lido neste browser e nunca
sai do seu computador; nada é escrito enquanto não guardar.</p>
<h2>Da pen USB para o recetor, passo a passo</h2>
<ol>
<li>No recetor, exporte a lista de canais para uma pen USB (a cópia de segurança da lista).</li>
<li>Ligue a pen ao computador e copie o ficheiro da lista para uma pasta sua. Deixe essa cópia tal como está: é a
sua forma de voltar atrás.</li>
<li>Abra aqui a lista com <b>Abrir</b> (<kbd>Ctrl+O</kbd>) ou arraste o ficheiro para a página.</li>
<li>Faça as alterações. Ainda nada é escrito; <b>Anular</b> desfaz qualquer uma delas.</li>
<li>Clique em <b>Guardar</b> (<kbd>Ctrl+S</kbd>). No Chrome e no Edge, a lista é escrita no próprio ficheiro que
abriu (<b>Guardar como</b> pergunta onde). No Firefox e no Safari, o browser transfere a nova lista: encontra-a
na pasta de transferências.</li>
<li>O ficheiro tem de ter exatamente o nome que o recetor espera, o nome que tinha na pen. O browser pode
acrescentar um número a uma transferência (como em <i>canais(1).dat</i>): retire-o.</li>
<li>Copie o ficheiro para a pen com esse nome, ligue a pen ao recetor e importe a lista.</li>
</ol>
<h2>O que muda ao guardar</h2>
<p>Os canais são escritos pela nova ordem, numerados a partir de 1 e com os nomes que lhes deu, e o ficheiro
termina com uma nova soma de verificação. Tudo o resto que o ficheiro guarda sobre cada canal fica exatamente como
estava.</p>
<h2>Trabalhar com a lista</h2>
<ul>
<li>Selecionar: um clique; <kbd>Shift</kbd>+clique para um intervalo; <kbd>Ctrl</kbd>+clique para acrescentar ou
retirar um; num ecrã tátil, toque numa linha e toque na pega ⋮⋮ dessa linha para a acrescentar ou retirar.</li>
<li>Mover: arraste a seleção para o sítio certo (<kbd>Esc</kbd> cancela; num ecrã tátil, arraste uma pega ⋮⋮), use
os botões ou indique uma posição com <b>Mover para...</b>.</li>
<li>Mudar o nome: <kbd>F2</kbd> ou duplo clique. Um novo nome tem entre 1 e 31 bytes, sem carateres de controlo; o
segundo nome do canal também passa a ser o novo nome.</li>
<li>A procura mostra só os canais cujo nome ou número corresponde; as ações de mover continuam a aplicar-se às
posições da lista completa, e só é possível arrastar depois de limpar a procura.</li>
<li><b>Imprimir</b> imprime todos os canais com o número, os nomes e o tipo, com o nome do ficheiro e a data no
cabeçalho.</li>
</ul>
<h2>O que significam as marcas</h2>
<ul>
<li><i>nome repetido</i>: outro canal também tem este nome.</li>
<li><i>nome alterado</i>: deu um novo nome ao canal.</li>
<li><i>encontrado</i>, <i>encontrado por aproximação</i>, <i>novo</i>: depois de aplicar uma referência, como o
canal foi encontrado nela; os canais marcados como <i>novo</i> não estavam nela e ficam no fim.</li>
</ul>
<h2>Depois de uma nova pesquisa de canais</h2>
<p>Antes da pesquisa, guarde uma listagem da sua lista com <b>Exportar listagem</b> ou conserve o ficheiro da lista
antiga. Depois abra a nova lista e use <b>Aplicar referência...</b> com essa listagem ou com o ficheiro antigo: a
página mostra a ordem que propõe, e <b>Aplicar</b> adota-a.</p>
<h2>Teclas</h2>
<dl>
<dt><kbd>↑</kbd> <kbd>↓</kbd>, <kbd>Shift+↑</kbd> <kbd>Shift+↓</kbd>, <kbd>Espaço</kbd>, <kbd>Ctrl+A</kbd></dt>
<dd>ir para um canal, selecionar um intervalo, selecionar um, selecionar todos</dd>
<dt><kbd>Alt+↑</kbd> <kbd>Alt+↓</kbd>, <kbd>Alt+Home</kbd> <kbd>Alt+End</kbd></dt>
<dd>mover a seleção para cima ou para baixo, para o início ou para o fim</dd>
<dt><kbd>Delete</kbd>, <kbd>F2</kbd></dt><dd>eliminar, mudar o nome</dd>
<dt><kbd>Ctrl+Z</kbd>, <kbd>Ctrl+Y</kbd> ou <kbd>Ctrl+Shift+Z</kbd></dt><dd>anular, refazer</dd>
<dt><kbd>Ctrl+O</kbd>, <kbd>Ctrl+S</kbd>, <kbd>Ctrl+Shift+S</kbd>, <kbd>Ctrl+F</kbd>, <kbd>Ctrl+P</kbd></dt>
<dd>abrir, guardar, guardar como, procurar, imprimir</dd>
<dt><kbd>Tab</kbd>, <kbd>←</kbd> <kbd>→</kbd></dt><dd>ir para a fila de botões e percorrê-la</dd>
</dl>
<h2>Os nomes e a linha de comandos</h2>
<p>Os nomes são guardados como bytes: são mostrados como UTF-8 quando são UTF-8 válido e, caso contrário, como
Latin-1; um novo nome é escrito com a mesma codificação que a lista usa para os seus nomes. <b>Exportar listagem</b>
guarda a lista tal como o <code>tunvex --listing</code> a mostra; a primeira linha da listagem identifica a lista a
partir da qual foi feita, para que o <code>tunvex --apply</code> só a aceite enquanto a lista estiver como estava.</p>
`,
};
