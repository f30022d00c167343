#pragma once

// Starts the updater program; it is never waited for, and a failure is ignored.
void StartUpdater(const char* path);
