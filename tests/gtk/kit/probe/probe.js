// Records everything the native kit hands this page, for the end-to-end tests
// to read back with evaluateJavaScript.
(function () {
  'use strict';
  var probe = (window.probe = {
    globals: {
      token: window.__token,
      homeId: window.__homeId,
      appKey: window.__cloudConfig_appKey,
      regionId: window.__cloudConfig_regionId,
      language: window.__cloudConfig_language,
      countryCode: window.__cloudConfig_countryCode,
      appVersion: window.__cloudConfig_appVersion,
      baseURL: window.__cloudConfig_baseURL,
    },
    query: location.search,
    events: [],
    answers: {},
    responses: 0,
  });

  // Injected text that runs marks the page; so does an alert.
  window.alert = function () {
    window.__pwned = 1;
  };

  var emit = window.__eventBus.emit;
  window.__eventBus.emit = function (name, data) {
    probe.events.push([name, data]);
    return emit.apply(this, arguments);
  };

  var onResponse = window.__jsb.onResponse;
  window.__jsb.onResponse = function () {
    probe.responses++;
    return onResponse.apply(this, arguments);
  };

  // Answers land in probe.answers[key]; calls without one never do.
  probe.call = function (key, scope, method, params) {
    zephro.invoke(scope, method, params, { timeout: 0 }).then(function (answer) {
      probe.answers[key] = answer;
    });
    return true;
  };
  probe.send = function (scope, method, params) {
    zephro.send(scope, method, params);
    return true;
  };
  probe.queryValue = function (key) {
    return new URLSearchParams(location.search).get(key);
  };
  probe.loadImage = function (key, source) {
    var image = new Image();
    image.onload = function () { probe.answers[key] = { width: image.naturalWidth }; };
    image.onerror = function () { probe.answers[key] = 'error'; };
    image.src = source;
    document.body.appendChild(image);
    return true;
  };
})();
