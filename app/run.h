// The program's run: help text, or the table of every settings file in the
// current directory.
#ifndef KALVERO_APP_RUN_H
#define KALVERO_APP_RUN_H

namespace app {

constexpr char kTableFileName[] = "Kalvero.txt";
constexpr char kSelectionFileName[] = "Sorvane.cfg";

// Runs the program as started with `argument_count` arguments after its name.
// Returns the exit status: 0 after the help text or a completed run, 1 when
// the table file could not be written completely.
int run(int argument_count);

}  // namespace app

#endif  // KALVERO_APP_RUN_H
