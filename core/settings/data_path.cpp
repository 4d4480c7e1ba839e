// Change data folder: the dialog decides, the state only takes a confirmed pick.
#include "settings/data_path.h"

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "shell/dialogs.h"

void ChangeDataFolder(Context& c) {
  const DataPathChoice choice = c.dialogs.RunDataPathDialog(c.state.mstrDataPath);
  // An empty folder would send the file dialogs to wherever the process happens to be.
  if (choice.pathChanged && !choice.dataPath.empty()) c.state.mstrDataPath = choice.dataPath;
}
