// Smart home: the device events as they arrive, the login state, and the
// detail page, the QR scanner and logging out.
(function () {
  'use strict';

  // The kit addresses "Joined" to the page network-zigbee; it shows here
  // only when someone forwards it to every page.
  var DEVICE_EVENTS = ['deviceEvent', 'learnCodeNotify', 'Joined'];
  var MAX_SHOWN_EVENTS = 50; // device reports may be frequent; older ones go
  var scanInProgress = null; // AbortController of the scan waiting for its answer

  function showEvent(dataText, name) {
    var title = document.createElement('strong');
    title.textContent = name;
    var time = document.createElement('time');
    time.textContent = ui.formatTime(new Date());
    var head = document.createElement('div');
    head.className = 'event-head';
    head.append(title, time);
    var data = document.createElement('pre');
    data.textContent = dataText === '' ? '（无数据）' : ui.describe(zephro.parseData(dataText));
    var item = document.createElement('li');
    item.className = 'event';
    item.append(head, data);

    var list = ui.byId('events');
    list.prepend(item);
    while (list.children.length > MAX_SHOWN_EVENTS) list.lastElementChild.remove();
    ui.byId('events-empty').hidden = true;
  }

  function clearEvents() {
    ui.byId('events').replaceChildren();
    ui.byId('events-empty').hidden = false;
  }

  // Asks the kit rather than trusting window.__token, which start-up scripts
  // of earlier logins may still set.
  function showLoginState() {
    return zephro.invoke('app', 'getToken').then(function (answer) {
      var token = zephro.bodyOf(answer).token;
      var state = ui.byId('login-state');
      state.textContent = token ? '已登录' : '未登录';
      state.classList.toggle('on', Boolean(token));
      ui.byId('token').textContent = token || '无';
    });
  }

  function showScanResult(text) {
    var result = ui.byId('scan-result');
    result.textContent = text;
    result.hidden = false;
  }

  // A scanner left with its back button never answers: a new scan gives up
  // on the previous one, and no timeout applies since the user may take time.
  function scanQR() {
    if (scanInProgress) scanInProgress.abort();
    var scan = new AbortController();
    scanInProgress = scan;
    showScanResult('扫描中…');
    zephro.invoke('app', 'scanQR', undefined, { timeout: 0, signal: scan.signal })
      .then(function (answer) {
        var value = zephro.bodyOf(answer).value;
        showScanResult(typeof value === 'string' ? '扫描结果：' + value : '未识别到二维码');
      })
      .catch(function (error) {
        if (!scan.signal.aborted) showScanResult('扫描失败：' + error.message);
      })
      .finally(function () {
        if (scanInProgress === scan) scanInProgress = null;
      });
  }

  // The scanner answers before it closes, so a scan still waiting when this
  // page reappears was most likely left without a code.
  function noteUnfinishedScan() {
    if (scanInProgress) showScanResult('扫描未完成');
  }

  function openDetail() {
    zephro.send('window', 'push', { route: 'detail', params: { id: 7, name: '客厅灯' } });
  }

  DEVICE_EVENTS.forEach(function (name) { zephro.on(name, showEvent); });
  zephro.on('reload', noteUnfinishedScan);
  ui.renderOnEveryAppearance(showLoginState);
  ui.byId('open-detail').addEventListener('click', function () { ui.run(openDetail); });
  ui.byId('scan').addEventListener('click', scanQR);
  ui.byId('log-out').addEventListener('click', function () { ui.run(ui.logOut); });
  ui.byId('clear-events').addEventListener('click', clearEvents);
})();
