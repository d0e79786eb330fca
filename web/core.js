// The channel list's core (tunvex-core.wasm) for JavaScript. It holds no
// list: each call is given the bytes of the list file it works on, and what
// works on it, and answers with records of named fields.
//
//   const core = await loadCore(wasmBytes);   // an ArrayBuffer or Uint8Array
//   core.reserve(size);       // room for a list of size bytes, made ahead
//   core.survey(list);        // { loaded, count, text, channels }: looked at, not loaded
//   core.check(list);         // { whole, finding, remarks }, as --check judges it
//   core.listing(list, { withState });  // { listed, text, problems }: -l, or --listing
//   core.apply(list, listing);          // --apply: { applied, counts, renames, saved }
//                                       //   or { applied: false, ofTheList, problems }
//   core.edit(list, { order, names });  // the same for the page's own changes: the new
//                                       //   order (numbers of the list file) and new names
//   core.match(list, reference);        // --match: { reference, counts, order, kinds,
//                                       //   lost, proposal } or { ofTheList, unreadable }
//   core.nameProblem(name);   // why --apply would refuse the new name, or null
//
// list, listing, reference and names are bytes (Uint8Array), as are what
// they give back: saved lists, listings, names and what a problem quotes.
// Nothing here is words: a finding and a problem are { code, ... } with the
// numbers the code needs, for the page to say in its user's language (see
// the core's own comments, web/core.cpp, ops/listing.h and
// store/list_check.h, for what each code carries).

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

// The table tv_survey makes: per channel, entrySize bytes: the length of
// its name, the name's 32-byte field, the same for the second name, 1 for
// TV. name(i) and name2(i) are views of it, made when first asked for.
class ChannelTable {
  constructor(bytes, entrySize) {
    this.bytes = bytes;
    this.entry = entrySize;
    this.length = entrySize ? bytes.length / entrySize : 0;
    this.names = [[], []];
  }
  field(i, which) {
    const at = i * this.entry + 33 * which;
    return (this.names[which][i] ??= this.bytes.subarray(at + 1, at + 1 + this.bytes[at]));
  }
  name(i) { return this.field(i, 0); }
  name2(i) { return this.field(i, 1); }
  tv(i) { return this.bytes[i * this.entry + 66] === 1; }
}

// A string of characters U+0000 to U+00FF, one a byte, as the core writes
// bytes into its results.
const bytesOf = (text) => Uint8Array.from(text, (c) => c.charCodeAt(0));

// What a problem quotes, as bytes.
const problemOf = (p) => ({ ...p, text: bytesOf(p.text), text2: bytesOf(p.text2) });

// The page's changes as tv_edit reads them: u32 count and numbers, u32
// count and (number, length, bytes) per new name; little-endian.
function changesBytes(order, names) {
  let size = 8 + 4 * order.length;
  for (const name of names.values()) size += 8 + name.length;
  const bytes = new Uint8Array(size), view = new DataView(bytes.buffer);
  let at = 0;
  const word = (value) => {
    view.setUint32(at, value, true);
    at += 4;
  };
  word(order.length);
  for (const number of order) word(number);
  word(names.size);
  for (const [number, name] of names) {
    word(number);
    word(name.length);
    bytes.set(name, at);
    at += name.length;
  }
  return bytes;
}

function makeCore(x) {
  // The results are ASCII: every other byte is escaped.
  const decoder = new TextDecoder();
  // Memory may grow during any call: views are taken afresh after it, and
  // results copied out before the next.
  const give = (slot, bytes) => {
    const at = x.tv_input(slot, bytes.length);
    if (at === 0) throw new Error(`no memory for ${bytes.length} bytes`);
    new Uint8Array(x.memory.buffer, at, bytes.length).set(bytes);
  };
  const call = (f, list, other, ...args) => {
    give(0, list);
    if (other) give(1, other);
    f(...args);
    return JSON.parse(decoder.decode(new Uint8Array(x.memory.buffer, x.tv_result(), x.tv_result_size())));
  };
  const blob = (i) => new Uint8Array(x.memory.buffer, x.tv_blob(i), x.tv_blob_size(i)).slice();
  const withProblems = (r) => ({ ...r, problems: (r.problems ?? []).map(problemOf), problemCount: r.problemCount ?? 0 });
  const applied = (r) => {
    const out = withProblems(r);
    if (r.applied) {
      out.saved = blob(0);
      out.renames = r.renames.map((n) => ({ ...n, name: bytesOf(n.name), name2: bytesOf(n.name2), newName: bytesOf(n.newName) }));
    }
    return out;
  };

  return {
    // Room for a list of size bytes, made while the page reads it: the
    // memory's first writes then cost nothing when the list comes.
    reserve(size) {
      x.tv_reserve(size);
    },
    survey(list) {
      const r = call(x.tv_survey, list);
      const text = { utf16: 'UTF-16', utf32: 'UTF-32' }[r.text] ?? null;
      return { loaded: r.load === 'loaded', count: r.count, text, channels: new ChannelTable(blob(0), r.entrySize) };
    },
    check(list) {
      return call(x.tv_check, list);
    },
    listing(list, { withState = false } = {}) {
      const r = withProblems(call(x.tv_listing, list, null, withState ? 1 : 0));
      return r.listed ? { ...r, text: blob(0) } : r;
    },
    apply(list, listing) {
      return applied(call(x.tv_apply, list, listing));
    },
    // order: the numbers of the list file's channels, in the new order;
    // names: number -> new name (bytes).
    edit(list, { order, names }) {
      const r = applied(call(x.tv_edit, list, changesBytes(order, names)));
      if (r.malformed) throw new Error('the core was given changes it cannot read');
      return r;
    },
    match(list, reference) {
      const r = withProblems(call(x.tv_match, list, reference));
      if (r.counts) {
        r.kinds = Uint8Array.from(r.kinds);
        r.lost = r.lost.map((l) => ({ ...l, text: bytesOf(l.text) }));
        r.proposal = blob(0);
      }
      return r;
    },
    nameProblem(name) {
      const r = withProblems(call(x.tv_name_problem, name));
      return r.fits ? null : r.problems[0];
    },
  };
}
