/*
 * Page side of the native bridge, shared by every page of the bundle.
 * Load it in the page's <head> so that window.__jsb and window.__eventBus exist
 * before native code sends the first answer or event.
 *
 * Calls that native code answers; use zephro.invoke, which resolves with the
 * answer payload, normally {responseBody: {...}, success: true}:
 *   app          setLoginUserInfo, getLoginUserInfo, getToken,
 *                getUserDefaults {key}, scanQR
 *   currentPage  getPageParams
 * Calls that are never answered; use zephro.send, which keeps nothing:
 *   app          setUserDefaults {key, value?}, any unknown method
 *   window       push, pop, popTo, replace
 *   event_handler forwardEvent (or zephro.forwardEvent, below)
 *   currentPage  pickImage, any unknown method
 * Native code also stays silent when it rejects the parameters of an answered
 * call (getUserDefaults without a text key, for one) or when the user leaves
 * the QR scanner without scanning; invoke's timeout, or an AbortSignal, frees
 * such calls.
 */
(function (global) {
  'use strict';

  if (global.zephro) return; // loaded twice: keep the first copy's pending calls

  var DEFAULT_TIMEOUT_MS = 10000;
  var pendingCalls = new Map(); // invokeId -> {resolve, cleanups}
  var nextInvokeId = 1;
  var listenersByEvent = new Map(); // event name -> Set of listeners

  function post(message) {
    var handlers = global.webkit && global.webkit.messageHandlers;
    if (!handlers || !handlers.jsb) {
      throw new Error('zephro: this page is not shown by the native kit');
    }
    // Native code accepts the JSON text only; a posted object is ignored.
    handlers.jsb.postMessage(JSON.stringify(message));
  }

  // Removes a pending call and returns it; null when it is already settled,
  // which is how a second answer for the same id gets ignored.
  function takePendingCall(invokeId) {
    var call = pendingCalls.get(invokeId);
    if (!call) return null;
    pendingCalls.delete(invokeId);
    call.cleanups.forEach(function (cleanup) { cleanup(); });
    return call;
  }

  // options.timeout: milliseconds to wait for the answer (default 10 s, 0 waits
  // for ever); options.signal: an AbortSignal that gives up waiting.
  function invoke(scope, method, params, options) {
    var timeout = options && options.timeout !== undefined ? options.timeout : DEFAULT_TIMEOUT_MS;
    var signal = options && options.signal;
    var invokeId = nextInvokeId++;
    return new Promise(function (resolve, reject) {
      function giveUp(reason) {
        if (!takePendingCall(invokeId)) return;
        reject(reason instanceof Error ? reason : new Error('zephro: ' + scope + '.' + method + ' ' + reason));
      }
      var call = { resolve: resolve, cleanups: [] };
      pendingCalls.set(invokeId, call);
      if (signal && signal.aborted) {
        giveUp('was cancelled');
        return;
      }
      if (timeout > 0) {
        var timer = setTimeout(giveUp, timeout, 'got no answer in ' + timeout + ' ms');
        call.cleanups.push(function () { clearTimeout(timer); });
      }
      if (signal) {
        var onAbort = function () { giveUp('was cancelled'); };
        signal.addEventListener('abort', onAbort);
        call.cleanups.push(function () { signal.removeEventListener('abort', onAbort); });
      }
      try {
        post({ scope: scope, method: method, params: params, invokeId: invokeId });
      } catch (error) {
        giveUp(error);
      }
    });
  }

  // No invokeId: should native code answer after all, the answer carries -1,
  // which matches no pending call.
  function send(scope, method, params) {
    post({ scope: scope, method: method, params: params });
  }

  function onResponse(payload, invokeId) {
    var call = takePendingCall(invokeId);
    if (call) call.resolve(payload);
  }

  function on(name, listener) {
    if (!listenersByEvent.has(name)) listenersByEvent.set(name, new Set());
    listenersByEvent.get(name).add(listener);
    return function () { off(name, listener); };
  }

  function off(name, listener) {
    var listeners = listenersByEvent.get(name);
    if (listeners && listeners.delete(listener) && listeners.size === 0) {
      listenersByEvent.delete(name);
    }
  }

  // Listeners get (dataText, name). A copy is walked so that listeners may
  // subscribe or unsubscribe while being called; one failing listener does
  // not keep the event from the others.
  function emit(name, dataText) {
    var listeners = listenersByEvent.get(name);
    if (!listeners) return;
    var text = dataText === undefined || dataText === null ? '' : String(dataText);
    Array.from(listeners).forEach(function (listener) {
      try {
        listener(text, name);
      } catch (error) {
        console.error('zephro: listener of "' + name + '" failed', error);
      }
    });
  }

  // Sends an event to the pages' event buses. data: a text, or any other value
  // sent as JSON text. route: {fromPage, toPage}, both optional; without them
  // every page, the sender included, gets the event.
  function forwardEvent(name, data, route) {
    var params = { eventName: String(name) };
    if (data !== undefined) {
      params.eventData = typeof data === 'string' ? data : JSON.stringify(data);
    }
    if (route && route.fromPage !== undefined) params.fromPage = route.fromPage;
    if (route && route.toPage !== undefined) params.toPage = route.toPage;
    send('event_handler', 'forwardEvent', params);
  }

  // Event data is normally JSON text, but need not be.
  function parseData(text) {
    try {
      return JSON.parse(text);
    } catch (error) {
      return text;
    }
  }

  function bodyOf(payload) {
    return (payload && payload.responseBody) || {};
  }

  // Pages live at <bundle>/<page>/index.html: the page name is the folder.
  function currentPageName() {
    var parts = global.location.pathname.split('/');
    return decodeURIComponent(parts[parts.length - 2] || '');
  }

  global.__jsb = { onResponse: onResponse };
  global.__eventBus = { emit: emit, on: on, off: off };
  global.zephro = Object.freeze({
    invoke: invoke,
    send: send,
    on: on,
    off: off,
    forwardEvent: forwardEvent,
    parseData: parseData,
    bodyOf: bodyOf,
    pageName: currentPageName(),
  });
})(window);
