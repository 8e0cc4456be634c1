// Me: the logged-in account and its token, and logging out.
(function () {
  'use strict';

  function showAccount() {
    return zephro.invoke('app', 'getLoginUserInfo').then(function (answer) {
      var account = zephro.bodyOf(answer).account;
      var loggedIn = typeof account === 'string' && account !== '';
      ui.byId('account').textContent = loggedIn ? account : '未登录';
      ui.byId('avatar').textContent = loggedIn ? Array.from(account)[0].toUpperCase() : '?';
    });
  }

  function showToken() {
    return zephro.invoke('app', 'getToken').then(function (answer) {
      ui.byId('token').textContent = zephro.bodyOf(answer).token || '无';
    });
  }

  ui.renderOnEveryAppearance(function () { return Promise.all([showAccount(), showToken()]); });
  ui.byId('log-out').addEventListener('click', function () { ui.run(ui.logOut); });
})();
