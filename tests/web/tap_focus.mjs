// SPDX-License-Identifier: MIT
// A tap's focus comes through the browser's gestures, typed keys straight to
// the page: on a loaded machine the keys can overtake the focus and go to the
// control tapped before. A tapped field is typed in once it has the focus.
export async function tapFocuses(page, selector) {
  await page.waitForFunction((target) => {
    const tapped = document.querySelector(target);
    return !tapped || !tapped.matches('input, textarea') || document.activeElement === tapped;
  }, selector);
}
