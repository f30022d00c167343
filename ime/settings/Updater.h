#pragma once

// Starts the updater "lumatoriup.exe" of the installation directory once in the life of
// the process, and never when the module is not installed. Runs at the first entry-point
// call after loading rather than in the entry point of the module: starting a process under
// the loader lock can hang the application. The updater is never waited for; a failure is
// ignored.
void StartUpdaterOnce();
