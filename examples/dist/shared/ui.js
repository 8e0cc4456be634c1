/*
 * Small helpers shared by the sample pages. Load it after bridge.js.
 */
(function (global) {
  'use strict';

  var TOAST_MS = 2500;
  var toastTimer = 0;

  function byId(id) {
    return document.getElementById(id);
  }

  function toast(text) {
    var element = byId('toast');
    if (!element) {
      element = document.createElement('div');
      element.id = 'toast';
      element.className = 'toast';
      element.setAttribute('role', 'status');
      document.body.append(element);
    }
    element.textContent = text;
    element.hidden = false;
    clearTimeout(toastTimer);
    toastTimer = setTimeout(function () { element.hidden = true; }, TOAST_MS);
  }

  // Runs an action that may return a promise; a failure is shown, not lost.
  function run(action) {
    return Promise.resolve()
      .then(action)
      .catch(function (error) { toast(error.message); });
  }

  function formatTime(date) {
    return [date.getHours(), date.getMinutes(), date.getSeconds()]
      .map(function (part) { return String(part).padStart(2, '0'); })
      .join(':');
  }

  function describe(value) {
    return typeof value === 'string' ? value : JSON.stringify(value, null, 2);
  }

  // Renders now and again each time the page's screen is about to appear
  // (the kit sends "reload" then), so tabs and pages below others stay current.
  function renderOnEveryAppearance(render) {
    run(render);
    zephro.on('reload', function () { run(render); });
  }

  // Clearing the login information is answered; the login page is made the
  // root only then, once the kit has dropped the token.
  function logOut() {
    return zephro.invoke('app', 'setLoginUserInfo').then(function () {
      zephro.send('window', 'replace', { route: 'login' });
    });
  }

  global.ui = Object.freeze({
    byId: byId,
    toast: toast,
    run: run,
    formatTime: formatTime,
    describe: describe,
    renderOnEveryAppearance: renderOnEveryAppearance,
    logOut: logOut,
  });
})(window);
