// Login: stores a generated demo token as the login information, then asks the
// root screen to show the tab bar. The password goes nowhere.
(function () {
  'use strict';

  var CLOUD_CONFIG_NAMES = ['appKey', 'regionId', 'language', 'countryCode', 'appVersion', 'baseURL'];

  function showCloudConfig() {
    var list = ui.byId('cloud-config');
    CLOUD_CONFIG_NAMES.forEach(function (name) {
      var value = window['__cloudConfig_' + name];
      var term = document.createElement('dt');
      var description = document.createElement('dd');
      term.textContent = name;
      description.textContent = value === undefined ? '（未注入）' : value === '' ? '（空）' : String(value);
      list.append(term, description);
    });
  }

  function generateToken() {
    var bytes = crypto.getRandomValues(new Uint8Array(16));
    return 'demo-' + Array.from(bytes, function (byte) { return byte.toString(16).padStart(2, '0'); }).join('');
  }

  function logIn(event) {
    event.preventDefault();
    var account = ui.byId('account').value.trim();
    if (!account || !ui.byId('password').value) {
      ui.toast('请输入账号和密码');
      return;
    }
    var button = ui.byId('login-button');
    button.disabled = true;
    var loginUserInfo = { userToken: { accessToken: generateToken() }, account: account };
    zephro.invoke('app', 'setLoginUserInfo', loginUserInfo)
      .then(function () { zephro.send('window', 'replace', { route: 'native/tabbar' }); })
      .catch(function (error) {
        button.disabled = false;
        ui.toast('登录失败：' + error.message);
      });
  }

  showCloudConfig();
  ui.byId('login-form').addEventListener('submit', logIn);
})();
