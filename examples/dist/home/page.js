// Home: the current home id kept in the user defaults, a picture served from
// the app's temporary directory, and an event sent to every page.
(function () {
  'use strict';

  var HOME_ID_KEY = 'homeId';
  var RESOURCE_IMAGE = 'resource://demo.png';
  var cartEventsSent = 0;

  function showWelcome() {
    return zephro.invoke('app', 'getLoginUserInfo').then(function (answer) {
      var account = zephro.bodyOf(answer).account;
      ui.byId('welcome').textContent = typeof account === 'string' ? '欢迎回家，' + account : '欢迎回家';
    });
  }

  function showHomeId() {
    return zephro.invoke('app', 'getUserDefaults', { key: HOME_ID_KEY }).then(function (answer) {
      var value = zephro.bodyOf(answer).value;
      ui.byId('home-id').textContent = value === null || value === undefined ? '未设置' : ui.describe(value);
    });
  }

  // setUserDefaults is never answered; the read that follows is answered
  // after it, so it shows the stored value.
  function storeHomeId(value) {
    var params = { key: HOME_ID_KEY };
    if (value !== undefined) params.value = value;
    zephro.send('app', 'setUserDefaults', params);
    return showHomeId();
  }

  // Only integers: the kit pastes the stored home id unquoted into every
  // page's start-up script, where a text would break that script.
  function submitHomeId(event) {
    event.preventDefault();
    var input = ui.byId('home-id-input');
    var text = input.value.trim();
    var homeId = Number(text);
    if (!/^-?\d+$/.test(text) || !Number.isSafeInteger(homeId)) {
      ui.toast('家庭 ID 须为整数');
      return;
    }
    input.value = '';
    ui.run(function () { return storeHomeId(homeId); });
  }

  function showStartupHomeId() {
    var homeId = window.__homeId;
    ui.byId('startup-home-id').textContent =
      homeId === undefined ? '页面启动时未注入家庭 ID' : '页面启动时注入：' + homeId;
  }

  // A query makes the image load again (the kit ignores it), so a file
  // placed meanwhile shows up when the page reappears.
  function loadResourceImage() {
    ui.byId('resource-image').src = RESOURCE_IMAGE + '?t=' + Date.now();
  }

  function watchResourceImage() {
    var image = ui.byId('resource-image');
    image.addEventListener('load', function () { image.hidden = false; });
    image.addEventListener('error', function () { image.hidden = true; });
  }

  function sendCartEvent() {
    cartEventsSent += 1;
    zephro.forwardEvent('cart', { count: cartEventsSent, from: zephro.pageName });
  }

  function showCartEvent(dataText) {
    var data = zephro.parseData(dataText);
    var count = data && typeof data === 'object' ? data.count : dataText;
    ui.byId('cart-received').textContent = ui.formatTime(new Date()) + ' 收到 cart 事件，数量：' + count;
  }

  watchResourceImage();
  showStartupHomeId();
  ui.renderOnEveryAppearance(function () {
    loadResourceImage();
    return Promise.all([showWelcome(), showHomeId()]);
  });
  zephro.on('cart', showCartEvent);
  ui.byId('home-id-form').addEventListener('submit', submitHomeId);
  ui.byId('clear-home-id').addEventListener('click', function () { ui.run(function () { return storeHomeId(); }); });
  ui.byId('send-cart').addEventListener('click', function () { ui.run(sendCartEvent); });
})();
