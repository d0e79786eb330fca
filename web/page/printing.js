// The list on paper: every channel, not only the rows in view, in a table
// made when the browser prints (Print, or its own Ctrl+P) and gone after.
// The print style shows it alone; its head, with the file's name and the
// date, stands on every page, and no row is split across two.
import * as list from './model.js';
import { plural } from './say.js';
import { $, state } from './state.js';

const cell = (row, text, tag = 'td') => (row.appendChild(document.createElement(tag)).textContent = text);

function makePrintView() {
  const { model } = state;
  if (!model) return;
  const view = document.body.appendChild(document.createElement('section'));
  view.id = 'print-view';
  const table = view.appendChild(document.createElement('table'));
  const head = table.appendChild(document.createElement('thead'));
  const title = head.appendChild(document.createElement('tr'));
  title.className = 'print-title';
  const date = new Date().toLocaleDateString(document.documentElement.lang, { dateStyle: 'long' });
  const th = title.appendChild(document.createElement('th'));
  th.colSpan = 4;
  th.textContent = `${state.opened.name}: ${plural(model.order.length, 'channel', 'channels')}, ${date}`;
  const columns = head.appendChild(document.createElement('tr'));
  for (const text of ['No.', 'Name', 'Second name', 'Type']) cell(columns, text, 'th');
  const body = table.appendChild(document.createElement('tbody'));
  model.order.forEach((id, i) => {
    const { name, name2, tv } = list.namesOf(model, id);
    const shown = list.shown(name, model.useLatin1), shown2 = list.shown(name2, model.useLatin1);
    const row = body.appendChild(document.createElement('tr'));
    for (const text of [String(i + 1), shown, shown2 === shown ? '' : shown2, tv ? 'TV' : 'Radio']) cell(row, text);
  });
}

export function mountPrinting() {
  window.addEventListener('beforeprint', makePrintView);
  window.addEventListener('afterprint', () => $('print-view')?.remove());
  $('print').addEventListener('click', () => window.print());
}
