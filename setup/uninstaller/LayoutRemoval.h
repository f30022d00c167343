// Taking the module's keyboard layout out of the system: the running session, the layout
// registry, and each user's list of layouts loaded at logon.
#pragma once

// Unloads the layouts registered for the module and removes them with every "Preload" and
// "Substitutes" entry of the current user that names them.
void RemoveImeLayouts();
