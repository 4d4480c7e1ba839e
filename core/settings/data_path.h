// Change data folder: the folder in which the open and save dialogs start.
#pragma once

struct Context;

// Runs the data path dialog and takes its folder only when one was picked and confirmed.
void ChangeDataFolder(Context& c);
