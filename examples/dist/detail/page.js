// Device detail: shows what the page was opened with and walks the page stack.
// Pushes carry {id, name, depth}; depth counts the detail screens stacked
// above the page that opened the first one, which lets "back to start" pop
// exactly that many (the kit ignores a pop that would empty the stack).
(function () {
  'use strict';

  var opened = { id: 1, name: '设备', depth: 1 };

  function positiveInteger(value, fallback) {
    var number = Number(value);
    return Number.isSafeInteger(number) && number > 0 ? number : fallback;
  }

  // getPageParams answers the whole push: {route, params: {...}}; the query
  // carries the same nested params, as far as they survive the URL.
  function readOpened(pageParams) {
    var nested = pageParams.params && typeof pageParams.params === 'object' ? pageParams.params : {};
    var query = new URLSearchParams(location.search);
    return {
      id: positiveInteger(nested.id !== undefined ? nested.id : query.get('id'), 1),
      name: typeof nested.name === 'string' && nested.name !== '' ? nested.name : '设备',
      depth: positiveInteger(nested.depth, 1),
    };
  }

  function showPageParams() {
    return zephro.invoke('currentPage', 'getPageParams').then(function (answer) {
      var pageParams = zephro.bodyOf(answer);
      opened = readOpened(pageParams);
      ui.byId('page-params').textContent = ui.describe(pageParams);
      ui.byId('title').textContent = opened.name;
      ui.byId('device-id').textContent = String(opened.id);
      ui.byId('depth').textContent = String(opened.depth);
      ui.byId('pop-two').disabled = opened.depth < 2;
      ui.byId('pop-to-first').disabled = opened.depth < 2;
    });
  }

  function showQuery() {
    var entries = Array.from(new URLSearchParams(location.search));
    ui.byId('raw-query').textContent = location.search || '（无）';
    ui.byId('decoded-query').textContent = entries.length ? ui.describe(Object.fromEntries(entries)) : '（无）';
  }

  var NAVIGATION = {
    'push-next': function () {
      zephro.send('window', 'push', {
        route: 'detail',
        params: { id: opened.id + 1, name: opened.name, depth: opened.depth + 1 },
      });
    },
    'pop': function () { zephro.send('window', 'pop'); },
    'pop-two': function () { zephro.send('window', 'pop', { step: 2 }); },
    // The lowest "detail" on the stack is the first one.
    'pop-to-first': function () { zephro.send('window', 'popTo', { route: 'detail' }); },
    'pop-to-start': function () { zephro.send('window', 'pop', { step: opened.depth }); },
  };

  showQuery();
  ui.run(showPageParams);
  Object.keys(NAVIGATION).forEach(function (id) {
    ui.byId(id).addEventListener('click', function () { ui.run(NAVIGATION[id]); });
  });
})();
