// The module's window classes, registered once per process at start-up.
#pragma once

// Registers the seven classes in their fixed order, each unless it already exists.
void RegisterWindowClasses();
// Unregisters them; a class whose windows still exist stays registered.
void UnregisterWindowClasses();
