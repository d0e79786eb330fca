// The channels as a WAI-ARIA listbox with rearrangeable options: only the
// rows in view are in the document (a fixed row height), the active option
// named by aria-activedescendant, selection by click, Shift+click,
// Ctrl+click and the keys of the pattern, and a drag that inserts the
// selection where it is dropped. It owns its keys, as the APG's
// rearrangeable listbox does; what they change is the page's to do.
import { Virtualizer, elementScroll, observeElementOffset, observeElementRect } from '@tanstack/virtual-core';
import * as selection from './selection.js';

export const ROW_HEIGHT = 34;

// host: the scrolling element (role=listbox). page: what the list shows and
// does, as callbacks:
//   row(id, element)   fills a row
//   view(), selection() the ids shown, and the selection
//   select(sel, { scroll })  makes sel the selection and shows it
//   editable()         whether the list may be changed
//   move(where)        moves the selection: 'up', 'down', 'top', 'bottom'
//   remove(), rename(id), selectedAll(count)
//   cannotEdit()       said when a key would change a list that cannot be
//   canDrag(), drop(gap), dropOutside(), dragCancelled()   a drag
export function createListbox(host, page) {
  const spacer = host.appendChild(document.createElement('div'));
  spacer.className = 'spacer';
  const marker = host.appendChild(document.createElement('div'));
  marker.className = 'drop-marker';
  marker.hidden = true;
  const rows = new Map(); // id -> element, of the rows in the document
  let view = [];
  const active = () => page.selection().active;
  const virtualizer = new Virtualizer({
    count: 0,
    getScrollElement: () => host,
    estimateSize: () => ROW_HEIGHT,
    scrollToFn: elementScroll,
    observeElementRect,
    observeElementOffset,
    overscan: 6,
    onChange: () => render(),
  });
  virtualizer._didMount();
  virtualizer._willUpdate();

  // The rows in the document in the order shown, as a screen reader reads
  // them: those in view, and the active one wherever it is, so that
  // aria-activedescendant always names an element.
  function render() {
    spacer.style.height = `${virtualizer.getTotalSize()}px`;
    const wanted = new Set(), ordered = [];
    const items = virtualizer.getVirtualItems().map((item) => ({ index: item.index, start: item.start }));
    const activeId = active(), activeAt = activeId === null ? -1 : view.indexOf(activeId);
    if (activeAt >= 0 && !items.some((item) => item.index === activeAt)) {
      items.push({ index: activeAt, start: activeAt * ROW_HEIGHT });
      items.sort((a, b) => a.index - b.index);
    }
    const shown = items.filter((item) => view[item.index] !== undefined);
    for (const item of shown) wanted.add(view[item.index]);
    // The rows no longer wanted are made the new ones: a fast scroll
    // changes every row in each frame, and making rows anew is what costs.
    const spare = [];
    for (const [id, row] of rows)
      if (!wanted.has(id)) {
        spare.push(row);
        rows.delete(id);
      }
    for (const item of shown) {
      const id = view[item.index];
      let row = rows.get(id);
      if (!row) {
        row = spare.pop() ?? host.appendChild(document.createElement('div'));
        row.setAttribute('role', 'option');
        row.id = `channel-${id}`;
        row.dataset.id = id;
        rows.set(id, row);
      }
      ordered.push(row);
      row.style.transform = `translateY(${item.start}px)`;
      row.setAttribute('aria-posinset', item.index + 1);
      row.setAttribute('aria-setsize', view.length);
      page.row(id, row);
    }
    for (const row of spare) row.remove();
    ordered.forEach((row, i) => {
      if (host.children[i + 2] !== row) host.insertBefore(row, host.children[i + 2] ?? null);
    });
  }

  // Pointer: a click selects; a press on a selected row that moves drags
  // the selection (with a mouse anywhere on the row, by touch or pen from
  // its handle, so that a finger can still scroll).
  let press = null;
  const idAt = (event) => Number(event.target.closest('[role=option]')?.dataset.id) || null;
  const gapAt = (clientY) => {
    const y = clientY - host.getBoundingClientRect().top + host.scrollTop;
    return Math.max(0, Math.min(view.length, Math.round(y / ROW_HEIGHT)));
  };
  // The selection is decided once for each press: at once for a press with
  // Shift or on a row not selected (so that it can be dragged straight
  // away), and only at release for any other press on a selected row, which
  // may start a drag of the whole selection instead. A finger or a pen
  // scrolls the list from a row and selects it with a tap; from its handle
  // it drags, and a tap there adds the row or takes it away, as Ctrl+click.
  host.addEventListener('pointerdown', (event) => {
    const id = idAt(event);
    if (!id || event.button !== 0) return;
    const fromHandle = event.target.closest('.handle') !== null;
    const touch = event.pointerType !== 'mouse';
    const how = touch ? { ctrlKey: fromHandle } : event;
    const decided = !touch || fromHandle ? event.shiftKey || !page.selection().selected.has(id) : false;
    press = { id, x: event.clientX, y: event.clientY, dragging: false, pointer: event.pointerId, decided, touch, how,
      canDrag: !touch || fromHandle };
    if (decided) click(id, how);
    if (fromHandle) event.preventDefault();
  });
  // Escape lets go of a drag where it started.
  host.addEventListener('keydown', (event) => {
    if (event.key !== 'Escape' || !press?.dragging) return;
    event.stopPropagation();
    release({ pointerId: press.pointer }, false);
  }, true);
  // Held near an edge while dragging, the list goes on scrolling, the
  // faster the nearer the edge (and past it): a row a second where the
  // edge's band begins, a screenful and more at the edge. Measured in time,
  // not frames, so that a slow frame does not slow it.
  const EDGE = 2 * ROW_HEIGHT, SLOWEST = ROW_HEIGHT, FASTEST = 60 * ROW_HEIGHT;
  let edgeScroll = null;
  const speedAt = (clientY) => {
    const box = host.getBoundingClientRect();
    const depth = Math.max(box.top + EDGE - clientY, clientY - (box.bottom - EDGE), 0) / EDGE;
    if (depth === 0) return 0;
    const speed = SLOWEST + (FASTEST - SLOWEST) * Math.min(1, depth) ** 2;
    return clientY < box.top + EDGE ? -speed : speed;
  };
  const scrollAtEdge = (clientX, clientY) => {
    if (edgeScroll) return Object.assign(edgeScroll, { clientX, clientY });
    if (speedAt(clientY) === 0) return;
    edgeScroll = { clientX, clientY, last: performance.now(), carry: 0 };
    const tick = (now) => {
      const speed = edgeScroll && press?.dragging ? speedAt(edgeScroll.clientY) : 0;
      if (speed === 0) {
        edgeScroll = null;
        return;
      }
      // Whole pixels: a fraction would be lost to the scroll position's
      // rounding, and a slow scroll would never start.
      const step = edgeScroll.carry + speed * Math.min(0.1, Math.max(0, now - edgeScroll.last) / 1000);
      edgeScroll.carry = step - Math.trunc(step);
      edgeScroll.last = now;
      host.scrollTop += Math.trunc(step);
      showMarker(edgeScroll.clientX, edgeScroll.clientY);
      requestAnimationFrame(tick);
    };
    requestAnimationFrame(tick);
  };
  // Let go outside the list, a drag drops nothing, as in a desktop's
  // lists; the marker says so by going.
  const inside = (clientX, clientY) => {
    const box = host.getBoundingClientRect();
    return clientX >= box.left && clientX <= box.right && clientY >= box.top && clientY <= box.bottom;
  };
  const showMarker = (clientX, clientY) => {
    marker.hidden = !inside(clientX, clientY);
    marker.style.transform = `translateY(${gapAt(clientY) * ROW_HEIGHT - 2}px)`;
  };
  host.addEventListener('pointermove', (event) => {
    if (!press || event.pointerId !== press.pointer) return;
    if (!press.dragging && Math.hypot(event.clientX - press.x, event.clientY - press.y) < 6) return;
    // A finger that moves from a row scrolls: that is no tap.
    if (!press.canDrag) {
      press = null;
      return;
    }
    if (!press.dragging) {
      if (!page.canDrag()) return;
      press.dragging = true;
      // Events made by a script, for one, name no pointer there is.
      try {
        host.setPointerCapture(event.pointerId);
      } catch {
        // The drag goes on without the capture.
      }
      host.classList.add('dragging');
    }
    showMarker(event.clientX, event.clientY);
    scrollAtEdge(event.clientX, event.clientY);
  });
  const release = (event, drop) => {
    if (!press || event.pointerId !== press.pointer) return;
    const { id, dragging, decided, touch, how } = press;
    press = null;
    edgeScroll = null;
    marker.hidden = true;
    host.classList.remove('dragging');
    if (dragging && drop && inside(event.clientX, event.clientY)) page.drop(gapAt(event.clientY));
    else if (dragging && drop) page.dropOutside();
    else if (dragging) page.dragCancelled();
    else if (!dragging && drop && !decided) click(id, touch ? how : event);
  };
  host.addEventListener('pointerup', (event) => release(event, true));
  host.addEventListener('pointercancel', (event) => release(event, false));
  host.addEventListener('dblclick', (event) => {
    const id = idAt(event);
    if (id) page.rename(id);
  });
  host.addEventListener('keydown', key);

  function click(id, event) {
    page.select(selection.click(page.selection(), view, id, { shift: event.shiftKey, toggle: event.ctrlKey || event.metaKey }),
      { scroll: false });
    host.focus({ preventScroll: true });
  }

  const rowsInView = () => Math.max(1, Math.floor(host.clientHeight / ROW_HEIGHT) - 1);
  const MOVES = { ArrowUp: 'up', ArrowDown: 'down', Home: 'top', End: 'bottom' };

  // The keys of a rearrangeable multi-select listbox. With no active
  // channel among those shown (a search hid it), any move goes to the first
  // shown.
  function key(event) {
    if (view.length === 0) return;
    const sel = page.selection(), at = view.indexOf(sel.active), pageRows = rowsInView();
    const from = (target) => (at < 0 ? 0 : target);
    const targets = { ArrowDown: from(at + 1), ArrowUp: from(at - 1), Home: 0, End: view.length - 1,
      PageDown: from(at + pageRows), PageUp: from(at - pageRows) };
    const ctrl = event.ctrlKey || event.metaKey, edit = page.editable();
    let done = true;
    if (!edit && ((event.altKey && event.key in MOVES) || ['Delete', 'Backspace', 'F2'].includes(event.key))) {
      page.cannotEdit();
    } else if (event.altKey && event.key in MOVES) {
      page.move(MOVES[event.key]);
    } else if (event.key in targets) {
      const to = view[Math.max(0, Math.min(view.length - 1, targets[event.key]))];
      page.select(selection.focus(sel, view, to, { shift: event.shiftKey, toggle: ctrl }));
    } else if (event.key === ' ' && sel.active !== null) {
      page.select(selection.toggleActive(sel));
    } else if (ctrl && event.key.toLowerCase() === 'a') {
      page.select(selection.selectAll(sel, view), { scroll: false });
      page.selectedAll(page.selection().selected.size);
    } else if (event.key === 'Delete' || event.key === 'Backspace') {
      // Backspace is the delete key of a Mac's keyboard.
      page.remove();
    } else if (event.key === 'F2') {
      const target = selection.renameTarget(sel);
      if (target !== null) page.rename(target);
    } else {
      done = false;
    }
    if (done) event.preventDefault();
  }

  return {
    // Shows ids, the rows in view made anew; scrolled to bring the row at
    // scrollTo into view where that is not -1.
    show(ids, scrollTo = -1) {
      if (ids !== view || ids.length !== virtualizer.options.count) {
        view = ids;
        virtualizer.setOptions({ ...virtualizer.options, count: ids.length });
        virtualizer._willUpdate();
      }
      if (scrollTo >= 0) virtualizer.scrollToIndex(scrollTo, { align: 'auto' });
      render();
    },
  };
}
