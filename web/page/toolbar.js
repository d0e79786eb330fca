// The buttons as one WAI-ARIA toolbar: one tab stop (the button last
// used), and the arrow keys, Home and End to go from one to the next,
// past those that are disabled, as the APG's toolbar example does.
export function mountToolbar(bar) {
  const buttons = () => [...bar.querySelectorAll('button')];
  const enabled = () => buttons().filter((b) => !b.disabled);
  const stop = () => buttons().find((b) => b.tabIndex === 0);
  function makeStop(button) {
    for (const b of buttons()) b.tabIndex = b === button ? 0 : -1;
  }
  // The tab stop never rests on a disabled button: Tab would pass the
  // toolbar by.
  const keepStop = () => {
    if (!stop() || stop().disabled) makeStop(enabled()[0] ?? buttons()[0]);
  };
  // Every button is a tab stop of its own until told otherwise.
  makeStop(enabled()[0] ?? buttons()[0]);
  new MutationObserver(keepStop).observe(bar, { subtree: true, attributeFilter: ['disabled'] });
  bar.addEventListener('focusin', (event) => event.target.matches('button') && makeStop(event.target));
  bar.addEventListener('keydown', (event) => {
    const all = enabled(), at = all.indexOf(event.target);
    if (at < 0 || event.altKey || event.ctrlKey || event.metaKey) return;
    const next = { ArrowRight: all[(at + 1) % all.length], ArrowLeft: all[(at - 1 + all.length) % all.length],
      Home: all[0], End: all[all.length - 1] }[event.key];
    if (!next) return;
    event.preventDefault();
    // Set here too: Firefox fires no focus events in a window that does
    // not have the focus itself.
    makeStop(next);
    next.focus();
  });
  // On a phone the buttons stand in a row that scrolls sideways: one the
  // row half hides comes whole into view with the focus (after the
  // browser's own scroll to it). Also on the key's keyup, for Firefox.
  const reveal = (event) => requestAnimationFrame(() =>
    event.target.scrollIntoView({ block: 'nearest', inline: 'nearest' }));
  bar.addEventListener('focusin', reveal);
  bar.addEventListener('keyup', (event) => ['Tab', 'ArrowLeft', 'ArrowRight', 'Home', 'End'].includes(event.key) &&
    reveal(event));
}
