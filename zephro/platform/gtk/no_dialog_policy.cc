#include "zephro/platform/gtk/no_dialog_policy.h"

#include "zephro/platform/gtk/callback_trampoline.h"

namespace zephro::platform::gtk {

namespace {

// Answered without being shown; an unanswered prompt already yields null.
gboolean answerScriptDialog(WebKitWebView*, WebKitScriptDialog* dialog) {
  switch (webkit_script_dialog_get_dialog_type(dialog)) {
    case WEBKIT_SCRIPT_DIALOG_CONFIRM:
      webkit_script_dialog_confirm_set_confirmed(dialog, FALSE);
      break;
    case WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM:
      webkit_script_dialog_confirm_set_confirmed(dialog, TRUE);  // leave the page
      break;
    case WEBKIT_SCRIPT_DIALOG_ALERT:
    case WEBKIT_SCRIPT_DIALOG_PROMPT:
      break;
  }
  return TRUE;
}

gboolean refuseNewWindow(WebKitWebView*, WebKitPolicyDecision* decision, WebKitPolicyDecisionType type) {
  if (type != WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION) return FALSE;
  webkit_policy_decision_ignore(decision);
  return TRUE;
}

// Reached only if a new-window request got past the policy: still no window.
GtkWidget* createNoWindow(WebKitWebView*, WebKitNavigationAction*) { return nullptr; }

}  // namespace

void installNoDialogPolicy(WebKitWebView* view) {
  connectSignal<gboolean(WebKitWebView*, WebKitScriptDialog*)>(view, "script-dialog", answerScriptDialog);
  connectSignal<gboolean(WebKitWebView*, WebKitPolicyDecision*, WebKitPolicyDecisionType)>(view, "decide-policy",
                                                                                          refuseNewWindow);
  connectSignal<GtkWidget*(WebKitWebView*, WebKitNavigationAction*)>(view, "create", createNoWindow);
}

}  // namespace zephro::platform::gtk
