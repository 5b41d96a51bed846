#pragma once

// `vantorix --standings "NAME" [--club CONNINFO] [--config-dir]`: a competition's standings
// as CSV on standard output, for a club's web page; no window is made. The club's server is
// the one --club names, else the settings' Club/Database, else the local store. An unknown
// name or an unreachable server: the reason on standard error and a non-zero exit.

// Whether the command line asks for it (looked at before any application is made).
bool AsksForStandings(int argc, char* argv[]);
// 0 when printed; 2 for an unknown competition; 3 when the database cannot be read.
int RunStandingsCommand(int argc, char* argv[]);
