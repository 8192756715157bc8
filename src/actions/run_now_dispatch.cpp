#include "actions/run_now_dispatch.h"

#include "actions/action_catalogue.h"

namespace {
constexpr int kTicked = 1;
}  // namespace

void dispatchRunNow(const RunNowHooks& hooks) {
  for (const ActionEntry& action : actionCatalogue()) {
    if (hooks.readMirror(action.runNowMirror) != kTicked) continue;
    hooks.setActionLabel(QString::fromLatin1(action.label));
    hooks.openConfirmAction();
  }
  if (hooks.readMirror(Mirror::AlwaysAsk) == kTicked) hooks.openRunOption();
}
