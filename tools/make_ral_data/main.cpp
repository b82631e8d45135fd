// make_ral_data: run in the folder that holds ral_design_list.txt; writes ral_design_list.h
// there, one initialiser row of the built-in RAL Design table per code.
#include <cstdio>

#include "tools/make_ral_data/make_ral_data.h"

int main() {
    switch (MakeRalDataFiles(kRalListInput, kRalListOutput, stdout, stderr)) {
        case RalListStatus::ok:
            return 0;
        case RalListStatus::inputNotOpened:
            std::fprintf(stderr, "make_ral_data: cannot open %s for reading\n", kRalListInput);
            return 1;
        case RalListStatus::outputNotOpened:
            std::fprintf(stderr, "make_ral_data: cannot open %s for writing\n", kRalListOutput);
            return 1;
    }
    return 1;
}
