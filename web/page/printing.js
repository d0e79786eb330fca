// The list on paper: every channel, not only the rows in view, in a table
// made when the browser prints (Print, or its own Ctrl+P) and gone after.
// The print style shows it alone; its head, with the file's name and the
// date, stands on every page, and no row is split across two.
import { t } from './i18n.js';
import * as list from './model.js';
import { $, state } from './state.js';

const cell = (row, text, tag = 'td') => (row.appendChild(document.createElement(tag)).textContent = text);

// The list goes into tables of a few hundred rows, each with the head:
// an engine lays one table of 65,535 rows out into pages in time and memory
// that grow with its square (Chromium's tab died at 14 GB), and a head
// repeats on each page a table spans.
const ROWS_A_TABLE = 500;

function headOf(title) {
  const head = document.createElement('thead');
  const top = head.appendChild(document.createElement('tr'));
  top.className = 'print-title';
  const th = top.appendChild(document.createElement('th'));
  th.colSpan = 4;
  th.textContent = title;
  const columns = head.appendChild(document.createElement('tr'));
  for (const key of ['colNumber', 'colName', 'colName2', 'colType']) cell(columns, t(key), 'th');
  return head;
}

function makePrintView() {
  const { model } = state;
  // One view, whatever the events: a second would print every channel twice.
  $('print-view')?.remove();
  if (!model) return;
  const view = document.body.appendChild(document.createElement('section'));
  view.id = 'print-view';
  const date = new Date().toLocaleDateString(document.documentElement.lang, { dateStyle: 'long' });
  const title = t('printTitle', { file: state.opened.name, n: model.order.length, date });
  let body = null;
  model.order.forEach((id, i) => {
    if (i % ROWS_A_TABLE === 0) {
      const table = view.appendChild(document.createElement('table'));
      table.appendChild(headOf(title));
      body = table.appendChild(document.createElement('tbody'));
    }
    const { name, name2, tv } = list.namesOf(model, id);
    const shown = list.shown(name, model.useLatin1), shown2 = list.shown(name2, model.useLatin1);
    const row = body.appendChild(document.createElement('tr'));
    for (const text of [String(i + 1), shown, shown2 === shown ? '' : shown2, t(tv ? 'tv' : 'radio')]) cell(row, text);
  });
}

export function mountPrinting() {
  window.addEventListener('beforeprint', makePrintView);
  window.addEventListener('afterprint', () => $('print-view')?.remove());
  $('print').addEventListener('click', () => window.print());
}
