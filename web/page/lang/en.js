// The page's words in English. Each language has a catalogue of these keys.
// {name} is filled in where the page speaks; an entry with one, few, many
// and other picks the form for the number {n} as the language counts it
// (Intl.PluralRules); numbers are written as the language writes them.
// help is the user's manual, in HTML.
export default {
  language: 'Language',
  title: 'tunvex: channel list editor',
  tagline: 'channel list editor',
  actions: 'Actions',
  groupFile: 'File',
  groupHistory: 'History',
  groupSelected: 'Selected channels',
  open: 'Open',
  openLabel: 'Open a channel list',
  save: 'Save',
  saveAs: 'Save as',
  exportListing: 'Export listing',
  reference: 'Apply a reference...',
  print: 'Print',
  undo: 'Undo',
  redo: 'Redo',
  moveUp: 'Move up',
  moveDown: 'Move down',
  moveTop: 'Move to top',
  moveBottom: 'Move to bottom',
  moveTo: 'Move to...',
  delete: 'Delete',
  rename: 'Rename',
  sort: 'Sort by name',
  search: 'Search',
  searchHint: 'Name or number',
  dismiss: 'Dismiss this note',
  empty: 'Open a channel list, or drop it here. It is read on this machine and never sent anywhere.',
  colNumber: 'No.',
  colName: 'Name',
  colName2: 'Second name',
  colType: 'Type',
  colChannel: 'Channel',
  colMatch: 'Match',
  channelsLabel: 'Channels',
  tv: 'TV',
  radio: 'Radio',
  keyCtrl: 'Ctrl',
  keyAlt: 'Alt',
  keyShift: 'Shift',
  keyDelete: 'Delete',
  keyHome: 'Home',
  keyEnd: 'End',
  withKeys: '{action} ({keys})',
  helpTitle: 'Help',
  aboutTitle: 'About and licences',
  about: 'tunvex is free software under the MIT licence. This page holds, besides tunvex, the libraries named ' +
    'below, each under its own licence; their notices go with every copy of the page.',
  cancel: 'Cancel',
  renameTitle: 'Rename channel {at}',
  newName: 'New name',
  renameOk: 'Rename',
  moveTitle: 'Move to a position',
  movePosition: 'Position of the first selected channel',
  moveOk: 'Move',
  referenceTitle: 'Apply a reference',
  referenceChoose: 'Choose a reference...',
  referenceLabel: 'Reference listing or list',
  referenceApply: 'Apply',
  filePickerLists: 'Channel lists',

  // The counts above the list.
  counts: { one: '{n} channel: {tv} TV, {radio} radio', other: '{n} channels: {tv} TV, {radio} radio' },
  countsShown: '{n} shown',
  countsSelected: '{n} selected',
  countsShared: { one: '{n} shares a name', other: '{n} share a name' },
  countsJoin: '; ',
  markSameName: 'same name',
  markRenamed: 'renamed',
  markNew: 'new',
  markMatched: 'matched',
  markLoosely: 'matched loosely',
  marksJoin: ', ',

  // What a change says, and why one did nothing.
  movedTo: { one: '{n} channel moved to position {at}', other: '{n} channels moved to position {at}' },
  movedUp: { one: '{n} channel moved up to position {at}', other: '{n} channels moved up to position {at}' },
  movedDown: { one: '{n} channel moved down to position {at}', other: '{n} channels moved down to position {at}' },
  deleted: { one: '{n} channel deleted', other: '{n} channels deleted' },
  renamed: 'Channel {at} renamed to {name}',
  sorted: { one: '{n} channel sorted by name', other: '{n} channels sorted by name' },
  referenceApplied: 'Reference applied: {summary}',
  undone: 'Undone: {what}',
  redone: 'Redone: {what}',
  atTop: 'The selection is at the top already',
  atBottom: 'The selection is at the bottom already',
  noneSelected: 'No channel is selected: select the channels first',
  inOrderAlready: 'The list is already in order by name.',
  referenceKeepsOrder: 'The reference keeps the order as it is.',
  keepOne: 'Not every channel can be deleted: a list keeps at least one. Select fewer channels.',
  wholeNumber: 'Give a whole number from 1 to {last}.',
  secondNameToo: 'A new name replaces its second name, {name2}, too.',
  notLatin1: 'This list writes its names in Latin-1, which cannot hold every character of this name.',
  selectedAll: { one: '{n} channel selected', other: '{n} channels selected' },
  clearSearchToDrag: 'Clear the search to drag: the buttons and keys move channels while it filters.',
  droppedOutside: 'Let go outside the list: nothing moved',
  dragCancelled: 'Drag cancelled: nothing moved',
  cannotChange: 'This list cannot be changed here: it has more channels than a listing can number',

  // Files dropped, opened and saved.
  closeDialogFirst: 'Close this dialog first to open another file.',
  manyDropped: '{n} files were dropped; only {file} is opened: open one list at a time.',
  cannotStart: 'The page could not start: {error}',
  isText: '{file} is text, not a channel list: if it is a listing made before a rescan, open the list and ' +
    'carry its order over with Apply a reference...',
  isTextOf: '{file} is {encoding} text, not a channel list: if it is a listing made before a rescan, open the ' +
    'list and carry its order over with Apply a reference...',
  stillOpen: '{file} is still open.',
  notAList: '{file} cannot be opened: it is not a whole channel list: {why}.',
  notWhole: '{file} is not a whole channel list: {why}. It is opened as tunvex opens it; saving writes a whole ' +
    'list with a fresh checksum.',
  notWholeNoted: '{file} is not a whole channel list: {why}. Note: {notes}. It is opened as tunvex opens it; ' +
    'saving writes a whole list with a fresh checksum.',
  wholeNoted: '{file} is a whole channel list. Note: {notes}.',
  findingsJoin: '; ',
  keepsCounted: { one: 'Saving keeps the {n} channel its count names and leaves out the {left} after it.',
    other: 'Saving keeps the {n} channels its count names and leaves out the {left} after them.' },
  tooManyToChange: { one: '{file} has {n} channel, more than the {most} a listing can number: it can be looked ' +
    'at here, but no change to it could be saved, so none can be made.',
  other: '{file} has {n} channels, more than the {most} a listing can number: it can be looked at here, but no ' +
    'change to it could be saved, so none can be made.' },
  unsavedOpenAnother: 'The list has changes that are not saved. Open another?',
  opened: { one: '{file} opened: {n} channel', other: '{file} opened: {n} channels' },
  notApplied: 'The changes could not be applied: {why}',
  changedElsewhere: '{file} has changed since it was opened here (another tab or program saved it). Save over ' +
    'it, losing that change?',
  notSavedChanged: 'Not saved: the file changed meanwhile',
  notSaved: 'The list could not be saved: {error}. Nothing was written.',
  savedIn: { one: 'Saved {n} channel in {file}', other: 'Saved {n} channels in {file}' },
  downloaded: { one: 'Saved {n} channel: your browser put the list in its downloads folder, named {file} or, ' +
    'where a file of that name was there already, with a number added.',
  other: 'Saved {n} channels: your browser put the list in its downloads folder, named {file} or, where a file ' +
    'of that name was there already, with a number added.' },
  nameOnStick: 'On the stick it must be named {file} exactly, as the receiver expects: if the browser added ' +
    'a number to the name (as in {example}), remove it when you copy the file back.',
  nameOnStickNumbered: 'The list you opened, {opened}, carries a number a browser adds to a download: on the ' +
    'stick it must have the name the receiver exported it under, most likely {file}.',
  cannotExport: 'The listing cannot be exported: {why}.',
  exported: 'Listing exported as {file}',
  exportedUnsaved: 'Listing exported as {file}: it names the list with the changes made here, so tunvex ' +
    '--apply takes it once the list is saved',

  // Apply a reference.
  chooseReference: 'Choose the listing (.txt) or the list file from before the rescan.',
  matchSummary: '{exact} matched exactly, {loosely} loosely, {unmatched} not at all; {lost} found nothing',
  matchUnread: '{summary}. {unread} could not be read; the first, line {line}: {why}',
  referenceLines: { one: '{n} reference line', other: '{n} reference lines' },
  namesNoChannel: 'names no channel',
  noLongerInList: 'no longer in the list',
  channelOfType: '{name} ({type})',
  moreRows: 'and {n} more',
  referenceTooMany: '{file} is a channel list of {n} channels, more than a listing can number ({most}): it ' +
    'cannot serve as the reference.',
  referenceUnreadable: '{file} is a channel list that tunvex cannot read ({why}), so it cannot serve as the ' +
    'reference.',
  referencePartial: '{file} is a channel list, but not a whole one ({why}); its channels are read as they are.',
  noneInReference: 'No channel of the list is in {file}: {summary}.',
  referenceNotReadable: '{file} cannot serve as the reference: {why}.',

  // Print.
  printTitle: { one: '{file}: {n} channel, {date}', other: '{file}: {n} channels, {date}' },

  // What the core finds in a list file.
  channelCount: { one: '{n} channel', other: '{n} channels' },
  byteCount: { one: '{n} byte', other: '{n} bytes' },
  'finding.whole': { one: 'OK, {n} channel', other: 'OK, {n} channels' },
  'finding.shorterThanHeader': { one: 'shorter than its header: {n} byte', other: 'shorter than its header: {n} bytes' },
  'finding.shorterThanCount': 'the count says {channels}, {needed} with the trailer, but the file holds {size}',
  'finding.trailerMissing': 'the checksum trailer is missing',
  'finding.trailerCutShort': 'the checksum trailer is cut short: {n} of 4 bytes',
  'finding.countTooSmall': 'the count says {channels}, but the file holds {held} and a checksum of them all',
  'finding.checksumWrong': 'the checksum is {stored}, but the contents sum to {computed}',
  'finding.bytesAfterTrailer': { one: '{n} byte after the trailer', other: '{n} bytes after the trailer' },
  'finding.misnumbered': 'channel {channel} is numbered {number} and {number2}, not {position} (harmless: a save ' +
    'numbers every channel with its position)',

  // The problems of a listing, a reference or a name.
  atLine: 'line {line}: {problem}',
  problemsJoin: '; ',
  moreProblems: '{n} more',
  'problem.notAChannelLine': 'a line that is no channel line (NUMBER:NAME:NAME2:TYPE, or NUMBER alone)',
  'problem.noSuchChannel': 'there is no channel {text}: the list has {n}',
  'problem.noChannelZero': 'there is no channel 0',
  'problem.onLineToo': 'channel {text} is on line {line} too',
  'problem.typeNotTvOrRadio': 'the type must be TV or RADIO, not "{text}"',
  'problem.nameLength': 'the name must be 1 to 31 bytes, not {n}',
  'problem.newNameLength': 'the new name of channel {channel} must be 1 to 31 bytes, not {n}',
  'problem.nameControl': 'the name holds a control character',
  'problem.newNameControl': 'the new name of channel {channel} holds a control character',
  'problem.namesTooLong': 'NAME and NAME2 must be at most 32 bytes each',
  'problem.linesEndInCr': 'its lines end in a CR alone: save it with line feeds (LF or CR LF)',
  'problem.utf16': 'it is UTF-16 text: save it as UTF-8',
  'problem.utf32': 'it is UTF-32 text: save it as UTF-8',
  'problem.tooManyChannels': '{n} channels, but a listing can number no more than {most}',
  'problem.lineFeedInName': 'channel {channel} has a line feed in its name, which would split its line: rename ' +
    'it first',
  newNameLength: 'The new name must be 1 to 31 bytes, not {n}.',
  newNameControl: 'The new name holds a control character.',

  help: `
<h2>What this page is for</h2>
<p>It puts the channel list of your receiver in the order you want: move, rename and delete channels, sort them
by name, or carry your old order over to the list of a new channel search. It opens the file the receiver
exports to a USB stick and saves a new one that the receiver imports. The file is read in this browser and never
leaves your computer; nothing is written until you save.</p>
<h2>From the stick to the stick</h2>
<ol>
<li>On the receiver, export (back up) the channel list to a USB stick.</li>
<li>Put the stick in the computer and copy the list file to a folder of your own. Keep that copy as it is:
it is your way back.</li>
<li>Open the list here: <b>Open</b> (<kbd>Ctrl+O</kbd>), or drop the file on the page.</li>
<li>Make your changes. Nothing is written yet; <b>Undo</b> takes back any of them.</li>
<li><b>Save</b> (<kbd>Ctrl+S</kbd>). In Chrome and Edge, the list is written back to the file you opened
(<b>Save as</b> asks where). In Firefox and Safari, the browser downloads the new list instead: it is in your
downloads folder.</li>
<li>The file must carry exactly the name the receiver expects, the name it had on the stick. A browser may add a
number to a download (as in <i>channels(1).dat</i>): take it out.</li>
<li>Copy the file onto the stick under that name, put the stick in the receiver and import the list.</li>
</ol>
<h2>What a save changes</h2>
<p>The channels are written in their new order, numbered from 1, with the names you gave them, and the file ends
with a fresh checksum. Everything else the file holds about each channel stays exactly as it was.</p>
<h2>Working with the list</h2>
<ul>
<li>Select: a click; <kbd>Shift</kbd>+click for a range; <kbd>Ctrl</kbd>+click for one more or one less; on a touch
screen, tap a row, and tap its ⋮⋮ handle to add it or take it away.</li>
<li>Move: drag the selection to where it goes (<kbd>Esc</kbd> cancels; on a touch screen, drag a ⋮⋮ handle), use
the buttons, or <b>Move to...</b> to give a position.</li>
<li>Rename: <kbd>F2</kbd> or a double-click. A new name is 1 to 31 bytes, without control characters; the
channel's second name becomes the new name too.</li>
<li>Search shows only the channels whose name or number matches; moves still act on the positions in the whole
list, and dragging waits until the search is cleared.</li>
<li><b>Print</b> prints every channel with its number, names and type, under the file's name and the date.</li>
</ul>
<h2>What the marks mean</h2>
<ul>
<li><i>same name</i>: another channel has this name too.</li>
<li><i>renamed</i>: you gave the channel a new name.</li>
<li><i>matched</i>, <i>matched loosely</i>, <i>new</i>: after a reference, how the channel was found in it;
<i>new</i> channels were not in it and come last.</li>
</ul>
<h2>After a new channel search</h2>
<p>Before the search, save a listing of your list with <b>Export listing</b>, or keep the old list file. Then open
the new list and use <b>Apply a reference...</b> with that listing or old file: the page shows the order it
proposes, and <b>Apply</b> takes it.</p>
<h2>Keys</h2>
<dl>
<dt><kbd>↑</kbd> <kbd>↓</kbd>, <kbd>Shift+↑</kbd> <kbd>Shift+↓</kbd>, <kbd>Space</kbd>, <kbd>Ctrl+A</kbd></dt>
<dd>go to a channel, select a range, select one, select all</dd>
<dt><kbd>Alt+↑</kbd> <kbd>Alt+↓</kbd>, <kbd>Alt+Home</kbd> <kbd>Alt+End</kbd></dt>
<dd>move the selection up or down, to the top or to the bottom</dd>
<dt><kbd>Delete</kbd>, <kbd>F2</kbd></dt><dd>delete, rename</dd>
<dt><kbd>Ctrl+Z</kbd>, <kbd>Ctrl+Y</kbd> or <kbd>Ctrl+Shift+Z</kbd></dt><dd>undo, redo</dd>
<dt><kbd>Ctrl+O</kbd>, <kbd>Ctrl+S</kbd>, <kbd>Ctrl+Shift+S</kbd>, <kbd>Ctrl+F</kbd>, <kbd>Ctrl+P</kbd></dt>
<dd>open, save, save as, search, print</dd>
<dt><kbd>Tab</kbd>, <kbd>←</kbd> <kbd>→</kbd></dt><dd>to the row of buttons, and along it</dd>
</dl>
<h2>Names and the command line</h2>
<p>Names are bytes: they are shown as UTF-8 where they are valid UTF-8, else as Latin-1, and a new name is
written the way the list writes its names. <b>Export listing</b> saves the list as <code>tunvex --listing</code>
prints it; its first line names the list it was made from, so that <code>tunvex --apply</code> takes it only while
the list is as it was.</p>
`,
};
