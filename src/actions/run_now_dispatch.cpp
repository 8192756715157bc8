#include "actions/run_now_dispatch.h"

#include "actions/action_catalogue.h"

namespace {
constexpr int kTicked = 1;
}  // namespace

void dispatchRunNow(const RunNowHooks& hooks) {
  for (Setting runNow : kRunNowSettings) {
    if (hooks.readMirror(runNow) != kTicked) continue;
    if (const ActionEntry* action = actionForRunNow(runNow)) {
      hooks.setActionLabel(QString::fromLatin1(action->label));
      hooks.openConfirmAction();
    } else {
      hooks.openRunOption();
    }
  }
}
