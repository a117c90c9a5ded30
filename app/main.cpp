#include "app/run.h"

int main(int argc, char**) { return app::run(argc - 1); }
