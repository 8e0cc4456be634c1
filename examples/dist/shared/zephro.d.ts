// Types of the native bridge as pages see it: the globals that native code
// sets before any page script runs, the calls of bridge.js, and every scope,
// method, parameter set and answer the kit knows.

export type JsonValue = null | boolean | number | string | JsonValue[] | { [key: string]: JsonValue };
export type JsonObject = { [key: string]: JsonValue };

/** What zephro.invoke resolves with: the kit's answer object, or, for a
 * host-registered scope, whatever JSON value that scope sends ready-made. */
export interface Answer<Body> {
  responseBody?: Body;
  /** Always true for the kit's own scopes. */
  success?: boolean;
}

/** Login information as the pages store it; the token is userToken.accessToken. */
export interface LoginUserInfo extends JsonObject {
  userToken: { accessToken: string };
}

/** Parameters of window.push; the opened page receives all of them through
 * currentPage.getPageParams, and "params" also as its URL query, each key and
 * value percent-encoded (read it with URLSearchParams). */
export interface PushParams {
  route: string;
  animated?: boolean;
  params?: { [key: string]: string | number | boolean };
}

/** window.pop and window.popTo (the same handling): back to the lowest screen
 * showing "route" when one is on the navigation stack (always animated), else
 * "step" screens (default 1, ignored when it would remove the bottom screen). */
export interface PopParams {
  route?: string;
  step?: number;
  animated?: boolean;
}

/** Calls that are answered, by scope and method. A host that registers scopes
 * of its own adds them to this interface, or to SilentCalls, by declaration
 * merging. */
export interface AnsweredCalls {
  app: {
    setLoginUserInfo: { params?: LoginUserInfo | JsonObject; body: undefined };
    getLoginUserInfo: { params?: undefined; body: JsonObject | undefined };
    getToken: { params?: undefined; body: { token: string | null } };
    /** No answer at all when "key" is missing or not a text. */
    getUserDefaults: { params: { key: string }; body: { value: JsonValue } };
    /** Answered once a code is read; never when the user leaves the scanner. */
    scanQR: { params?: undefined; body: { value: string | null } };
  };
  currentPage: {
    /** The whole parameter map the page was opened with (absent for tabs and the root page). */
    getPageParams: { params?: undefined; body: JsonObject | undefined };
  };
}

/** Calls that are never answered, by scope and method. */
export interface SilentCalls {
  app: {
    /** Stores "value" under "key"; without "value", removes the key. */
    setUserDefaults: { key: string; value?: JsonValue };
  };
  window: {
    push: PushParams;
    pop: PopParams;
    popTo: PopParams;
    /** Restarts the stack at the root screen showing "route": a page name or "native/tabbar". */
    replace: { route: string };
  };
  event_handler: {
    forwardEvent: { eventName: string; eventData?: string; fromPage?: string; toPage?: string };
  };
  currentPage: {
    pickImage: JsonObject;
  };
}

export interface InvokeOptions {
  /** Milliseconds to wait for the answer; 0 waits for ever. Default 10000. */
  timeout?: number;
  /** Gives up waiting when aborted. */
  signal?: AbortSignal;
}

export type EventListener = (dataText: string, name: string) => void;

export interface Zephro {
  invoke<S extends keyof AnsweredCalls, M extends keyof AnsweredCalls[S]>(
    scope: S,
    method: M,
    params?: AnsweredCalls[S][M] extends { params?: infer P } ? P : never,
    options?: InvokeOptions,
  ): Promise<Answer<AnsweredCalls[S][M] extends { body: infer B } ? B : never>>;

  send<S extends keyof SilentCalls, M extends keyof SilentCalls[S]>(scope: S, method: M, params?: SilentCalls[S][M]): void;

  /** Sends an event to every page (or only toPage, never to fromPage), escaped
   * so that it arrives unchanged; data other than text is sent as JSON text. */
  forwardEvent(name: string, data?: JsonValue, route?: { fromPage?: string; toPage?: string }): void;
  /** Returns a function that unsubscribes. */
  on(name: string, listener: EventListener): () => void;
  off(name: string, listener: EventListener): void;
  /** The JSON value of an event's data text, or the text itself when it is not JSON. */
  parseData(dataText: string): JsonValue;
  bodyOf<Body>(answer: Answer<Body>): Body | Record<string, never>;
  /** The name of this page: the folder that holds its index.html. */
  readonly pageName: string;
}

/** Events the kit sends: "reload" (each time the page's screen is about to
 * appear again, never on its first appearance, and on return to the foreground), "deviceEvent" and
 * "learnCodeNotify" (device reports), "Joined" (sent to the page
 * "network-zigbee" only), and whatever pages forward. */
export interface EventBus {
  emit(name: string, dataText: string): void;
  on(name: string, listener: EventListener): () => void;
  off(name: string, listener: EventListener): void;
}

declare global {
  interface Window {
    zephro: Zephro;
    __jsb: { onResponse(payload: unknown, invokeId: number): void };
    __eventBus: EventBus;
    /** Set only while a user is logged in (when the page was loaded). */
    __token?: string;
    /** The stored "homeId", when there is one: a number when it is stored as
     * one or as a text of digits ("42"), else the stored value itself. */
    __homeId?: JsonValue;
    __cloudConfig_appKey: string;
    __cloudConfig_regionId: string;
    __cloudConfig_language: string;
    __cloudConfig_countryCode: string;
    __cloudConfig_appVersion: string;
    __cloudConfig_baseURL: string;
  }
  const zephro: Zephro;
}
