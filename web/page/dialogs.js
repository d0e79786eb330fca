// The page's dialogs: a name, a position, a reference to carry over. Each is
// a modal <dialog>, so focus stays in it; Enter confirms, Escape cancels.

// Shows the dialog and resolves with what `confirm` makes of its form when
// it is confirmed and `confirm` does not refuse it (by returning
// undefined, having said why), or null when it is cancelled.
export function ask(dialog, confirm) {
  return new Promise((resolve) => {
    const form = dialog.querySelector('form');
    const why = dialog.querySelector('.why');
    if (why) why.textContent = '';
    const onSubmit = (event) => {
      event.preventDefault();
      if (event.submitter?.value === 'cancel') return finish(null);
      const result = confirm(form, (text) => {
        why.textContent = text;
      });
      if (result !== undefined) finish(result);
    };
    const onClose = () => finish(null);
    function finish(result) {
      form.removeEventListener('submit', onSubmit);
      dialog.removeEventListener('close', onClose);
      if (dialog.open) dialog.close();
      resolve(result);
    }
    form.addEventListener('submit', onSubmit);
    dialog.addEventListener('close', onClose);
    dialog.showModal();
  });
}
