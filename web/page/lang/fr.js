// The page's words in French.
export default {
  language: 'Langue',
  title: 'tunvex : éditeur de listes de chaînes',
  tagline: 'éditeur de listes de chaînes',
  actions: 'Actions',
  groupFile: 'Fichier',
  groupHistory: 'Historique',
  groupSelected: 'Chaînes sélectionnées',
  open: 'Ouvrir',
  openLabel: 'Ouvrir une liste de chaînes',
  save: 'Enregistrer',
  saveAs: 'Enregistrer sous',
  exportListing: 'Exporter en texte',
  reference: 'Appliquer une référence…',
  print: 'Imprimer',
  undo: 'Annuler',
  redo: 'Rétablir',
  moveUp: 'Monter',
  moveDown: 'Descendre',
  moveTop: 'Mettre tout en haut',
  moveBottom: 'Mettre tout en bas',
  moveTo: 'Déplacer vers…',
  delete: 'Supprimer',
  rename: 'Renommer',
  sort: 'Trier par nom',
  search: 'Rechercher',
  searchHint: 'Nom ou numéro',
  dismiss: 'Fermer ce message',
  empty: 'Ouvrez une liste de chaînes ou déposez-la ici. Elle est lue sur cet appareil, sans jamais être envoyée ailleurs.',
  colNumber: 'N°',
  colName: 'Nom',
  colName2: 'Second nom',
  colType: 'Type',
  colChannel: 'Chaîne',
  colMatch: 'Correspondance',
  channelsLabel: 'Chaînes',
  tv: 'TV',
  radio: 'Radio',
  keyCtrl: 'Ctrl',
  keyAlt: 'Alt',
  keyShift: 'Maj',
  keyDelete: 'Suppr',
  keyHome: 'Début',
  keyEnd: 'Fin',
  withKeys: '{action} ({keys})',
  helpTitle: 'Aide',
  aboutTitle: 'À propos et licences',
  about: 'tunvex est un logiciel libre sous licence MIT. En plus de tunvex, cette page contient les bibliothèques ' +
    'citées ci-dessous, chacune sous sa propre licence ; leurs avis de licence accompagnent toute copie de la page.',
  cancel: 'Annuler',
  renameTitle: 'Renommer la chaîne {at}',
  newName: 'Nouveau nom',
  renameOk: 'Renommer',
  moveTitle: 'Déplacer vers une position',
  movePosition: 'Position de la première chaîne sélectionnée',
  moveOk: 'Déplacer',
  referenceTitle: 'Appliquer une référence',
  referenceChoose: 'Choisir une référence…',
  referenceLabel: 'Export texte ou liste de référence',
  referenceApply: 'Appliquer',
  filePickerLists: 'Listes de chaînes',

  // The counts above the list.
  counts: { one: '{n} chaîne : {tv} TV, {radio} radio', many: '{n} de chaînes : {tv} TV, {radio} radio',
    other: '{n} chaînes : {tv} TV, {radio} radio' },
  countsShown: 'affichées : {n}',
  countsSelected: 'sélectionnées : {n}',
  countsShared: { one: 'même nom : {n}', many: 'même nom : {n}', other: 'même nom : {n}' },
  countsJoin: ' ; ',
  markSameName: 'même nom',
  markRenamed: 'renommée',
  markNew: 'nouvelle',
  markMatched: 'retrouvée',
  markLoosely: 'retrouvée approximativement',
  marksJoin: ', ',

  // What a change says, and why one did nothing.
  movedTo: { one: '{n} chaîne déplacée en position {at}', many: '{n} de chaînes déplacées en position {at}',
    other: '{n} chaînes déplacées en position {at}' },
  movedUp: { one: '{n} chaîne montée en position {at}', many: '{n} de chaînes montées en position {at}',
    other: '{n} chaînes montées en position {at}' },
  movedDown: { one: '{n} chaîne descendue en position {at}', many: '{n} de chaînes descendues en position {at}',
    other: '{n} chaînes descendues en position {at}' },
  deleted: { one: '{n} chaîne supprimée', many: '{n} de chaînes supprimées', other: '{n} chaînes supprimées' },
  renamed: 'Chaîne {at} renommée en {name}',
  sorted: { one: '{n} chaîne triée par nom', many: '{n} de chaînes triées par nom', other: '{n} chaînes triées par nom' },
  referenceApplied: 'Référence appliquée : {summary}',
  undone: 'Annulé : {what}',
  redone: 'Rétabli : {what}',
  atTop: 'La sélection est déjà tout en haut',
  atBottom: 'La sélection est déjà tout en bas',
  noneSelected: 'Aucune chaîne sélectionnée : sélectionnez d’abord des chaînes',
  inOrderAlready: 'La liste est déjà triée par nom.',
  referenceKeepsOrder: 'La référence ne change rien à l’ordre.',
  keepOne: 'Impossible de supprimer toutes les chaînes : une liste doit en garder au moins une. Sélectionnez-en moins.',
  wholeNumber: 'Saisissez un nombre entier compris entre 1 et {last}.',
  secondNameToo: 'Le nouveau nom remplace aussi le second nom, {name2}.',
  notLatin1: 'Les noms de cette liste sont codés en Latin-1, qui ne contient pas tous les caractères de ce nom.',
  selectedAll: { one: '{n} chaîne sélectionnée', many: '{n} de chaînes sélectionnées', other: '{n} chaînes sélectionnées' },
  clearSearchToDrag: 'Effacez la recherche pour faire glisser des chaînes : pendant une recherche, déplacez-les avec ' +
    'les boutons ou le clavier.',
  droppedOutside: 'Relâché hors de la liste : rien n’a été déplacé',
  dragCancelled: 'Glisser-déposer annulé : rien n’a été déplacé',
  cannotChange: 'Cette liste ne peut pas être modifiée ici : elle a plus de chaînes qu’un export texte ne peut en numéroter',

  // Files dropped, opened and saved.
  closeDialogFirst: 'Fermez d’abord cette fenêtre pour ouvrir un autre fichier.',
  manyDropped: '{n} fichiers déposés ; seul {file} est ouvert : ouvrez une seule liste à la fois.',
  cannotStart: 'La page n’a pas pu démarrer : {error}',
  isText: '{file} est un fichier texte, pas une liste de chaînes : si c’est un export texte fait avant une nouvelle ' +
    'recherche des chaînes, ouvrez la liste et reprenez son ordre avec Appliquer une référence…',
  isTextOf: '{file} est un fichier texte {encoding}, pas une liste de chaînes : si c’est un export texte fait avant ' +
    'une nouvelle recherche des chaînes, ouvrez la liste et reprenez son ordre avec Appliquer une référence…',
  stillOpen: '{file} reste ouvert.',
  notAList: 'Impossible d’ouvrir {file} : ce n’est pas une liste de chaînes complète ({why}).',
  notWhole: '{file} n’est pas une liste de chaînes complète : {why}. Il est ouvert tel que tunvex le lit ; ' +
    'l’enregistrement écrira une liste complète, avec une nouvelle somme de contrôle.',
  notWholeNoted: '{file} n’est pas une liste de chaînes complète : {why}. À noter : {notes}. Il est ouvert tel que tunvex ' +
    'le lit ; l’enregistrement écrira une liste complète, avec une nouvelle somme de contrôle.',
  wholeNoted: '{file} est une liste de chaînes complète. À noter : {notes}.',
  findingsJoin: ' ; ',
  keepsCounted: {
    one: 'L’enregistrement ne garde que {n} chaîne, comme l’annonce le fichier, et laisse de côté le reste ({left}).',
    many: 'L’enregistrement ne garde que les {n} de chaînes annoncées par le fichier et laisse de côté le reste ({left}).',
    other: 'L’enregistrement ne garde que les {n} chaînes annoncées par le fichier et laisse de côté le reste ({left}).',
  },
  tooManyToChange: {
    one: '{file} contient {n} chaîne, plus que les {most} qu’un export texte peut numéroter : la liste peut être ' +
      'consultée ici, mais pas modifiée, car aucune modification ne pourrait être enregistrée.',
    many: '{file} contient {n} de chaînes, plus que les {most} qu’un export texte peut numéroter : la liste peut ' +
      'être consultée ici, mais pas modifiée, car aucune modification ne pourrait être enregistrée.',
    other: '{file} contient {n} chaînes, plus que les {most} qu’un export texte peut numéroter : la liste peut être ' +
      'consultée ici, mais pas modifiée, car aucune modification ne pourrait être enregistrée.',
  },
  unsavedOpenAnother: 'La liste contient des modifications non enregistrées. Ouvrir quand même un autre fichier ?',
  opened: { one: '{file} ouvert : {n} chaîne', many: '{file} ouvert : {n} de chaînes', other: '{file} ouvert : {n} chaînes' },
  notApplied: 'Les modifications n’ont pas pu être appliquées : {why}',
  changedElsewhere: '{file} a été modifié depuis son ouverture ici (un autre onglet ou un autre programme l’a ' +
    'enregistré). L’écraser quand même et perdre cette modification ?',
  notSavedChanged: 'Non enregistré : le fichier a été modifié entre-temps',
  notSaved: 'La liste n’a pas pu être enregistrée : {error}. Rien n’a été écrit.',
  savedIn: { one: '{n} chaîne enregistrée dans {file}', many: '{n} de chaînes enregistrées dans {file}',
    other: '{n} chaînes enregistrées dans {file}' },
  downloaded: {
    one: '{n} chaîne enregistrée : votre navigateur a placé la liste dans le dossier Téléchargements, sous le ' +
      'nom {file} ou, si un fichier du même nom s’y trouvait déjà, avec un numéro ajouté.',
    many: '{n} de chaînes enregistrées : votre navigateur a placé la liste dans le dossier Téléchargements, ' +
      'sous le nom {file} ou, si un fichier du même nom s’y trouvait déjà, avec un numéro ajouté.',
    other: '{n} chaînes enregistrées : votre navigateur a placé la liste dans le dossier Téléchargements, sous ' +
      'le nom {file} ou, si un fichier du même nom s’y trouvait déjà, avec un numéro ajouté.',
  },
  nameOnStick: 'Sur la clé USB, le fichier doit s’appeler exactement {file}, le nom qu’attend le récepteur : si le ' +
    'navigateur a ajouté un numéro au nom (par exemple {example}), retirez-le en copiant le fichier sur la clé.',
  nameOnStickNumbered: 'Le nom du fichier ouvert, {opened}, contient un numéro comme ceux qu’un navigateur ajoute ' +
    'aux fichiers téléchargés : sur la clé USB, le fichier doit avoir le nom sous lequel le récepteur l’a exporté, ' +
    'sans doute {file}.',
  cannotExport: 'Impossible d’exporter la liste en texte : {why}.',
  exported: 'Export texte enregistré sous {file}',
  exportedUnsaved: 'Export texte enregistré sous {file} : il correspond à la liste modifiée ici ; tunvex --apply ' +
    'ne l’acceptera donc qu’une fois la liste enregistrée',

  // Apply a reference.
  chooseReference: 'Choisissez l’export texte (.txt) ou l’ancien fichier de liste, datant d’avant la nouvelle ' +
    'recherche des chaînes.',
  matchSummary: 'chaînes retrouvées exactement : {exact}, approximativement : {loosely}, pas du tout : {unmatched} ; ' +
    '{lost} sans résultat',
  matchUnread: '{summary}. Impossible de lire {unread} ; la première est à la ligne {line} : {why}',
  referenceLines: { one: '{n} ligne de référence', many: '{n} de lignes de référence', other: '{n} lignes de référence' },
  namesNoChannel: 'ne correspond à aucune chaîne',
  noLongerInList: 'n’est plus dans la liste',
  channelOfType: '{name} ({type})',
  moreRows: 'et {n} de plus',
  referenceTooMany: '{file} est une liste de chaînes qui en compte {n}, plus qu’un export texte ne peut en numéroter ' +
    '({most}) : elle ne peut pas servir de référence.',
  referenceUnreadable: '{file} est une liste de chaînes que tunvex ne sait pas lire ({why}) : elle ne peut donc pas ' +
    'servir de référence.',
  referencePartial: '{file} est une liste de chaînes, mais incomplète ({why}) ; ses chaînes sont lues telles quelles.',
  noneInReference: 'Aucune chaîne de la liste ne se trouve dans {file} : {summary}.',
  referenceNotReadable: '{file} ne peut pas servir de référence : {why}.',

  // Print.
  printTitle: { one: '{file} : {n} chaîne, {date}', many: '{file} : {n} de chaînes, {date}',
    other: '{file} : {n} chaînes, {date}' },

  // What the core finds in a list file.
  channelCount: { one: '{n} chaîne', many: '{n} de chaînes', other: '{n} chaînes' },
  byteCount: { one: '{n} octet', many: '{n} d’octets', other: '{n} octets' },
  'finding.whole': { one: 'OK, {n} chaîne', many: 'OK, {n} de chaînes', other: 'OK, {n} chaînes' },
  'finding.shorterThanHeader': { one: 'fichier plus court que son en-tête : {n} octet',
    many: 'fichier plus court que son en-tête : {n} d’octets', other: 'fichier plus court que son en-tête : {n} octets' },
  'finding.shorterThanCount': 'le fichier annonce {channels}, soit {needed} avec la somme de contrôle finale, mais il ' +
    'ne fait que {size}',
  'finding.trailerMissing': 'la somme de contrôle finale est absente',
  'finding.trailerCutShort': 'la somme de contrôle finale est tronquée : {n} sur 4 octets',
  'finding.countTooSmall': 'le fichier annonce {channels}, mais en contient {held}, avec une somme de contrôle portant ' +
    'sur l’ensemble',
  'finding.checksumWrong': 'la somme de contrôle vaut {stored}, mais le contenu donne {computed}',
  'finding.bytesAfterTrailer': { one: '{n} octet après la somme de contrôle finale',
    many: '{n} d’octets après la somme de contrôle finale', other: '{n} octets après la somme de contrôle finale' },
  'finding.misnumbered': 'la chaîne {channel} porte les numéros {number} et {number2}, et non {position} (sans ' +
    'gravité : l’enregistrement numérote chaque chaîne selon sa position)',

  // The problems of a listing, a reference or a name.
  atLine: 'ligne {line} : {problem}',
  problemsJoin: ' ; ',
  moreProblems: 'autres problèmes : {n}',
  'problem.notAChannelLine': 'une ligne qui n’est pas une ligne de chaîne (NUMBER:NAME:NAME2:TYPE ou NUMBER seul)',
  'problem.noSuchChannel': 'il n’y a pas de chaîne {text} : la liste en compte {n}',
  'problem.noChannelZero': 'il n’y a pas de chaîne 0',
  'problem.onLineToo': 'la chaîne {text} figure aussi à la ligne {line}',
  'problem.typeNotTvOrRadio': 'le type doit être TV ou RADIO, et non « {text} »',
  'problem.nameLength': 'le nom doit faire de 1 à 31 octets, et non {n}',
  'problem.newNameLength': 'le nouveau nom de la chaîne {channel} doit faire de 1 à 31 octets, et non {n}',
  'problem.nameControl': 'le nom contient un caractère de contrôle',
  'problem.newNameControl': 'le nouveau nom de la chaîne {channel} contient un caractère de contrôle',
  'problem.namesTooLong': 'NAME et NAME2 ne doivent pas dépasser 32 octets chacun',
  'problem.linesEndInCr': 'ses lignes se terminent par un CR seul : enregistrez-le avec des sauts de ligne (LF ou CR LF)',
  'problem.utf16': 'c’est du texte UTF-16 : enregistrez-le en UTF-8',
  'problem.utf32': 'c’est du texte UTF-32 : enregistrez-le en UTF-8',
  'problem.tooManyChannels': 'nombre de chaînes : {n}, alors qu’un export texte ne peut pas en numéroter plus de {most}',
  'problem.lineFeedInName': 'le nom de la chaîne {channel} contient un saut de ligne, qui couperait sa ligne en deux : ' +
    'renommez-la d’abord',
  newNameLength: 'Le nouveau nom doit faire de 1 à 31 octets, et non {n}.',
  newNameControl: 'Le nouveau nom contient un caractère de contrôle.',

  help: `
<h2>À quoi sert cette page</h2>
<p>Elle sert à ranger les chaînes de votre récepteur dans l’ordre de votre choix : déplacer, renommer et supprimer
des chaînes, les trier par nom, ou reprendre votre ancien ordre après une nouvelle recherche des chaînes. Elle ouvre
le fichier que le récepteur exporte sur une clé USB et en enregistre un nouveau, que le récepteur pourra importer.
Le fichier est lu dans ce navigateur et ne quitte jamais votre ordinateur ; rien n’est écrit tant que vous
n’enregistrez pas.</p>
<h2>Étape par étape</h2>
<ol>
<li>Sur le récepteur, exportez (sauvegardez) la liste des chaînes sur une clé USB.</li>
<li>Branchez la clé sur l’ordinateur et copiez le fichier de liste dans un de vos dossiers. Gardez cette copie
intacte : elle vous permettra de revenir en arrière.</li>
<li>Ouvrez la liste ici : <b>Ouvrir</b> (<kbd>Ctrl+O</kbd>), ou déposez le fichier sur la page.</li>
<li>Faites vos modifications. Rien n’est encore écrit ; <b>Annuler</b> les défait une à une.</li>
<li><b>Enregistrer</b> (<kbd>Ctrl+S</kbd>). Dans Chrome et Edge, la liste est réécrite dans le fichier que vous avez
ouvert (<b>Enregistrer sous</b> demande où l’enregistrer). Dans Firefox et Safari, le navigateur télécharge la
nouvelle liste à la place : vous la trouverez dans votre dossier Téléchargements.</li>
<li>Le fichier doit porter exactement le nom qu’attend le récepteur, celui qu’il avait sur la clé. Le navigateur peut
ajouter un numéro au nom d’un fichier téléchargé (par exemple <i>chaines(1).dat</i>) : retirez-le.</li>
<li>Copiez le fichier sur la clé sous ce nom, branchez la clé sur le récepteur et importez la liste.</li>
</ol>
<h2>Ce que modifie l’enregistrement</h2>
<p>Les chaînes sont écrites dans leur nouvel ordre, numérotées à partir de 1, avec les noms que vous leur avez donnés,
et le fichier se termine par une nouvelle somme de contrôle. Toutes les autres informations du fichier sur chaque
chaîne restent exactement identiques.</p>
<h2>Travailler sur la liste</h2>
<ul>
<li>Sélectionner : un clic ; <kbd>Maj</kbd>+clic pour une plage ; <kbd>Ctrl</kbd>+clic pour en ajouter ou en retirer
une ; sur un écran tactile, touchez une ligne pour la sélectionner, et touchez la poignée ⋮⋮ d’une ligne pour
l’ajouter à la sélection ou l’en retirer.</li>
<li>Déplacer : faites glisser la sélection à sa nouvelle place (<kbd>Échap</kbd> annule ; sur un écran tactile,
faites glisser une poignée ⋮⋮), utilisez les boutons, ou <b>Déplacer vers…</b> pour indiquer une position.</li>
<li>Renommer : <kbd>F2</kbd> ou un double-clic. Le nouveau nom doit faire de 1 à 31 octets, sans caractère de
contrôle ; il remplace aussi le second nom de la chaîne.</li>
<li>La recherche n’affiche que les chaînes dont le nom ou le numéro correspond ; les déplacements portent toujours sur
les positions dans la liste entière, et il faut effacer la recherche pour faire glisser des chaînes.</li>
<li><b>Imprimer</b> produit une liste papier de toutes les chaînes, avec leur numéro, leurs noms et leur type, et en
titre le nom du fichier et la date.</li>
</ul>
<h2>Ce que signifient les mentions</h2>
<ul>
<li><i>même nom</i> : une autre chaîne porte aussi ce nom.</li>
<li><i>renommée</i> : vous avez donné un nouveau nom à la chaîne.</li>
<li><i>retrouvée</i>, <i>retrouvée approximativement</i>, <i>nouvelle</i> : après application d’une référence,
comment la chaîne y a été retrouvée ; une chaîne <i>nouvelle</i> n’y figurait pas et passe à la fin.</li>
</ul>
<h2>Après une nouvelle recherche des chaînes</h2>
<p>Avant la recherche, enregistrez un export texte de votre liste avec <b>Exporter en texte</b>, ou gardez l’ancien
fichier de liste. Ouvrez ensuite la nouvelle liste et utilisez <b>Appliquer une référence…</b> avec cet export ou
cet ancien fichier : la page affiche l’ordre proposé, et <b>Appliquer</b> le valide.</p>
<h2>Touches</h2>
<dl>
<dt><kbd>↑</kbd> <kbd>↓</kbd>, <kbd>Maj+↑</kbd> <kbd>Maj+↓</kbd>, <kbd>Espace</kbd>, <kbd>Ctrl+A</kbd></dt>
<dd>aller à une chaîne, sélectionner une plage, en sélectionner une, tout sélectionner</dd>
<dt><kbd>Alt+↑</kbd> <kbd>Alt+↓</kbd>, <kbd>Alt+Début</kbd> <kbd>Alt+Fin</kbd></dt>
<dd>monter ou descendre la sélection, la mettre tout en haut ou tout en bas</dd>
<dt><kbd>Suppr</kbd>, <kbd>F2</kbd></dt><dd>supprimer, renommer</dd>
<dt><kbd>Ctrl+Z</kbd>, <kbd>Ctrl+Y</kbd> ou <kbd>Ctrl+Maj+Z</kbd></dt><dd>annuler, rétablir</dd>
<dt><kbd>Ctrl+O</kbd>, <kbd>Ctrl+S</kbd>, <kbd>Ctrl+Maj+S</kbd>, <kbd>Ctrl+F</kbd>, <kbd>Ctrl+P</kbd></dt>
<dd>ouvrir, enregistrer, enregistrer sous, rechercher, imprimer</dd>
<dt><kbd>Tab</kbd>, <kbd>←</kbd> <kbd>→</kbd></dt><dd>aller à la barre de boutons, puis d’un bouton à l’autre</dd>
</dl>
<h2>Les noms et la ligne de commande</h2>
<p>Les noms sont des octets : ils s’affichent en UTF-8 quand c’est de l’UTF-8 valide, sinon en Latin-1, et un
nouveau nom est écrit dans le même codage que les autres noms de la liste. <b>Exporter en texte</b> enregistre la
liste telle que <code>tunvex --listing</code> l’affiche ; la première ligne de l’export désigne la liste d’où il
vient, si bien que <code>tunvex --apply</code> ne l’accepte que tant que cette liste n’a pas changé.</p>
`,
};
