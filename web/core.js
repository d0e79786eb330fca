// The channel list's core (tunvex-core.wasm) for JavaScript: the list held
// as the command line holds it, changed by listings as --apply changes it.
//
//   const core = await loadCore(wasmBytes);   // an ArrayBuffer or Uint8Array
//   const opened = core.open(fileBytes);
//     // { whole, verdict, remarks, loaded, truncated, count }
//     // verdict and remarks: what --check says after "FILE: ", as strings
//   core.survey(fileBytes);    // how it would load, and the channels, not loaded
//   core.check(fileBytes);     // its verdict alone
//   core.listing();            // Uint8Array: what tunvex -l prints
//   core.listing({ withState: true });  // what tunvex --listing prints, or null
//   core.listingProblems();    // where that is null, why, as --listing says it
//   core.stateLine();          // its first line alone
//   core.apply(listingBytes);  // { applied: true, counts, printed }
//                              // or { applied: false, ofTheList, problems }
//   core.match(referenceBytes);  // { proposal, counts, kinds, ofTheList, unreadable, problems }
//                              // kinds: a byte a channel, 0 unmatched, 1 exact, 2 loose
//   core.channels();           // a table: name(i), name2(i) as bytes, tv(i)
//   core.nameProblem(bytes);   // why --apply would refuse the new name, or 
//   core.save();               // Uint8Array: the bytes a save writes
//
// A problem is { line, what }: line 0 for the listing as a whole, or, where
// ofTheList, for the list (one no listing can name: more than 65,535
// channels, or, for match, a line feed in a name); what as bytes (it may
// quote the listing). counts and printed are
// those of --apply: printed is the bytes it prints on standard output.
// Names are bytes throughout: listings, proposals and saved lists cross as
// Uint8Array, never as strings.

// The few WASI calls the module's C library imports. Nothing is read or
// written anywhere: what it would print on a descriptor goes to the console.
function wasiImports(getMemory) {
  const ENOSYS = 52;
  const decoder = new TextDecoder();
  return {
    fd_write(fd, iovs, count, written) {
      const view = new DataView(getMemory().buffer);
      let text = '', total = 0;
      for (let i = 0; i < count; i++) {
        const base = view.getUint32(iovs + 8 * i, true), length = view.getUint32(iovs + 8 * i + 4, true);
        text += decoder.decode(new Uint8Array(getMemory().buffer, base, length));
        total += length;
      }
      view.setUint32(written, total, true);
      console.warn(`tunvex core (fd ${fd}): ${text}`);
      return 0;
    },
    fd_close: () => 0,
    fd_seek: () => ENOSYS,
    proc_exit(code) {
      throw new Error(`tunvex core stopped (status ${code})`);
    },
  };
}

export async function loadCore(wasmBytes) {
  let exports;
  const getMemory = () => exports.memory;
  const module = await WebAssembly.compile(wasmBytes);
  const provided = wasiImports(getMemory);
  const imports = { wasi_snapshot_preview1: {} };
  for (const { module: from, name } of WebAssembly.Module.imports(module)) {
    if (from !== 'wasi_snapshot_preview1' || !(name in provided))
      throw new Error(`tunvex core needs ${from}.${name}, which this loader lacks`);
    imports[from][name] = provided[name];
  }
  exports = (await WebAssembly.instantiate(module, imports)).exports;
  exports._initialize();
  return makeCore(exports);
}

// The table tv_channels makes: per channel the length of its name, the
// name's 32-byte field, the same for the second name, 1 for TV.
const ENTRY = 2 * 33 + 2;
class ChannelTable {
  constructor(bytes) {
    this.bytes = bytes;
    this.length = bytes.length / ENTRY;
    this.names = [[], []];
  }
  field(i, which) {
    const at = i * ENTRY + 33 * which;
    return (this.names[which][i] ??= this.bytes.subarray(at + 1, at + 1 + this.bytes[at]));
  }
  name(i) { return this.field(i, 0); }
  name2(i) { return this.field(i, 1); }
  tv(i) { return this.bytes[i * ENTRY + 66] === 1; }
}

function makeCore(x) {
  const decoder = new TextDecoder();
  // Memory may grow during any call: views are taken afresh after it, and
  // results copied out before the next.
  const give = (bytes) => {
    const at = x.tv_input(bytes.length);
    if (at === 0) throw new Error(`no memory for ${bytes.length} bytes`);
    new Uint8Array(x.memory.buffer, at, bytes.length).set(bytes);
  };
  const numbers = () => Array.from(new Uint32Array(x.memory.buffer, x.tv_numbers(), x.tv_number_count()));
  const blob = (i) => new Uint8Array(x.memory.buffer, x.tv_blob(i), x.tv_blob_size(i)).slice();
  const needList = () => {
    if (x.tv_number_count() === 0) throw new Error('no list is open');
  };
  // Problems follow `from` in the numbers: how many, how many shown, the
  // line of each; their texts are the blobs from `firstBlob` on.
  const problems = (n, from, firstBlob) => {
    const shown = n[from + 1], list = [];
    for (let i = 0; i < shown; i++) list.push({ line: n[from + 2 + i], what: blob(firstBlob + i) });
    return { problems: list, problemCount: n[from] };
  };

  return {
    open(bytes) {
      give(bytes);
      x.tv_open();
      const [verdict, load, count] = numbers();
      const lines = Array.from({ length: x.tv_blob_count() }, (_, i) => decoder.decode(blob(i)));
      return {
        whole: verdict === 0, verdict: lines[0], remarks: lines.slice(1),
        loaded: load === 0, truncated: load === 1, count,
      };
    },
    // How open() would load a list file, and its channels as channels()
    // gives them, without loading it: the core holds no list afterwards.
    // check() judges a list file as open() does.
    survey(bytes) {
      give(bytes);
      x.tv_survey();
      const [load, count] = numbers();
      return { loaded: load === 0, truncated: load === 1, count, channels: new ChannelTable(blob(0)) };
    },
    check(bytes) {
      give(bytes);
      x.tv_check();
      const [verdict] = numbers();
      const lines = Array.from({ length: x.tv_blob_count() }, (_, i) => decoder.decode(blob(i)));
      return { whole: verdict === 0, verdict: lines[0], remarks: lines.slice(1) };
    },
    listing({ withState = false } = {}) {
      x.tv_listing(withState ? 1 : 0);
      if (x.tv_number_count() === 0) throw new Error('no list is open');
      const n = numbers();
      return n[0] === 0 ? blob(0) : null;
    },
    // Why listing({ withState: true }) gave null: the problems of the list
    // (a line feed in a name), as apply() gives them.
    listingProblems() {
      x.tv_listing(1);
      needList();
      const n = numbers();
      return n[0] === 0 ? { problems: [], problemCount: 0 } : problems(n, 1, 0);
    },
    stateLine() {
      x.tv_state_line();
      if (x.tv_blob_count() === 0) throw new Error('no list is open');
      return blob(0);
    },
    apply(bytes) {
      give(bytes);
      x.tv_apply();
      needList();
      const n = numbers();
      if (n[0] === 1) {
        const [, kept, renumbered, renamed, deleted] = n;
        return { applied: true, counts: { kept, renumbered, renamed, deleted }, printed: blob(0) };
      }
      return { applied: false, ofTheList: n[0] === 2, ...problems(n, 1, 0) };
    },
    match(bytes) {
      give(bytes);
      x.tv_match();
      needList();
      const n = numbers();
      const [status, exact, loosely, unmatched, lost, lostBare] = n;
      const found = problems(n, 6, 1);
      return {
        proposal: blob(0), counts: { exact, loosely, unmatched, lost, lostBare }, ofTheList: status === 2,
        unreadable: status === 3,
        kinds: status === 2 ? new Uint8Array(0) : blob(1 + found.problems.length), ...found,
      };
    },
    // Every channel in order, as a table: name(i) and name2(i) as bytes
    // (views of it, made when first asked for), tv(i), from 0.
    channels() {
      x.tv_channels();
      if (x.tv_blob_count() === 0) throw new Error('no list is open');
      return new ChannelTable(blob(0));
    },
    // Why a name (bytes) may not be given to a channel, as --apply says it
    // after "the new name of channel N "; '' when it may.
    nameProblem(bytes) {
      give(bytes);
      x.tv_name_problem();
      return decoder.decode(blob(0));
    },
    save() {
      x.tv_save();
      if (x.tv_blob_count() === 0) throw new Error('no list is open');
      return blob(0);
    },
  };
}
