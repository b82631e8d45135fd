// The viewer's entry point; everything else is in the shell library.
#include "app/startup.h"

int main(int argc, char* argv[]) {
    return OstrelMain(argc, argv);
}
