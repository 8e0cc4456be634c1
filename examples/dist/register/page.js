// Services: a list of services, each opening the detail page.
(function () {
  'use strict';

  var SERVICES = [
    { id: 101, name: '设备配网', note: '添加新设备到家庭' },
    { id: 102, name: '遥控学习', note: '让设备学会红外遥控' },
    { id: 103, name: '场景联动', note: '一键控制多台设备' },
    { id: 104, name: '固件升级', note: '保持设备最新版本' },
    { id: 105, name: '帮助与反馈', note: '常见问题与联系客服' },
  ];

  function openService(service) {
    zephro.send('window', 'push', { route: 'detail', params: { id: service.id, name: service.name } });
  }

  function serviceItem(service) {
    var note = document.createElement('small');
    note.textContent = service.note;
    var label = document.createElement('span');
    label.append(service.name, note);
    var button = document.createElement('button');
    button.type = 'button';
    button.className = 'list-button';
    button.append(label);
    button.addEventListener('click', function () { ui.run(function () { openService(service); }); });
    var item = document.createElement('li');
    item.append(button);
    return item;
  }

  function showAppearance() {
    ui.byId('shown').textContent = '最近显示：' + ui.formatTime(new Date());
  }

  SERVICES.forEach(function (service) { ui.byId('services').append(serviceItem(service)); });
  ui.renderOnEveryAppearance(showAppearance);
})();
